// Definitions and start values of the toolkit's module globals.
#include "toolkit/globals.h"

void vx_toolkit_InitGlobals() {}
