// Placeholder input device until the real one lands.
#include "input/input.h"

c_InputDevice* vx_input_device = nullptr;

void vx_input_InitGlobals() { vx_input_device = nullptr; }
