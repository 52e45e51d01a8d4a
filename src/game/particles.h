// Particles and the star field.
#pragma once

// Advances the particle ring and writes its sprites (end of every update).
void vx_pell_DoParticles();
int vx_pell_ResetStars();
