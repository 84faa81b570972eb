// A file of the ports library that includes a folder above it.
#include "output/Generation.h"
#include "ports/Ui.h"
