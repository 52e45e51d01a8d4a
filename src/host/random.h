// The one pseudo-random generator: a 32-bit LCG whose whole state is
// vx_random_Seed. Game code may also assign the seed directly.
#pragma once

#include "host/globals.h"

float vx_random_Rnd();
float vx_random_Rnd2(float low, float high);
float vx_random_Rnd3(float range);
