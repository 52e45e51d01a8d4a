// Frame composition. (Placeholder until the replay lands.)
#include "toolkit/frame.h"

void vx_pell_Buffer() {}
void vx_pell_RenderWorld() {}
void vx_pell_FullscreenFlip() {}
