// Frame composition: the hand-over of the sprite list at the end of an
// update, its replay onto the window each render, and the full-screen flip.
#pragma once

void vx_pell_Buffer();
void vx_pell_RenderWorld();
void vx_pell_FullscreenFlip();
