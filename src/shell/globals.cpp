// Definitions and start values of the shell's module globals.
#include "shell/globals.h"

void vx_shell_InitGlobals() {}
