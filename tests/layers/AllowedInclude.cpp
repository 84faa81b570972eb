// A file of the ports library that includes a folder below it.
#include "ports/Ui.h"
#include "util/Error.h"
