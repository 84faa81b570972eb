// A file of the ports library that includes a folder above it.
#include "ports/Ui.h"
#include "output/Generation.h"
