// Particles (a ring of 250 slots: sparkles, debris, score numbers, puffs)
// and the star field of 251 drifting stars behind the city.
#pragma once

enum { PART_SPARKLE = 1, PART_DEBRIS = 2, PART_NUMBER = 10, PART_PUFF = 11 };

// Fills the slot after vx_pell_PELL_Partto, whatever it held. Angle 0
// throws straight up, 90 to the right. Draws three random values itself:
// the drawing angle, the spin and the unused number.
int vx_pell_ThrowParticle(float x, float y, int kind, int colour, float angle, float speed);
// The slot the next particle goes into, made the cursor.
int vx_game_NextParticle();
// Advances every particle one update and writes its sprite (end of every
// update, on every screen).
int vx_pell_DoParticles();
// A new star field from a fresh clock-derived random state.
int vx_pell_ResetStars();
// Drifts the stars by (dx, dy) times their depth, wraps them round the
// screen and writes their sprites; useCamera 1 adds the camera's step.
int vx_pell_DoStars(float dx, float dy, int useCamera);
