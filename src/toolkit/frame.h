// Frame composition: the hand-over of the sprite list at the end of an
// update, its replay onto the window each render, and the full-screen flip.
#pragma once

void vx_pell_Buffer();
void vx_pell_RenderWorld();
void vx_pell_FullscreenFlip();

// One tick of a per-second counter in the frame-rate record: element
// `total` and `counting` go up by one; once a second has passed since
// element `since` (either way, so a clock that goes backwards also closes
// it), `perSecond` takes the count and a new second starts.
void vx_pell_CountFrame(int total, int counting, int since, int perSecond);
