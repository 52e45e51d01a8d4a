// Particles and the star field. (Placeholder until gameplay lands.)
#include "game/particles.h"

void vx_pell_DoParticles() {}
int vx_pell_ResetStars() { return 0; }
