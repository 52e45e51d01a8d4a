// The toolkit's module globals (names vx_pell_...), each with its comment, and
// the function that gives them their start values at vxInit.
#pragma once

void vx_toolkit_InitGlobals();
