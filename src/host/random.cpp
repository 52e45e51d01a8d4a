// The generator's step and draws. Every call steps exactly once.
#include "host/random.h"

#include <cstdint>


namespace {
// The step wraps modulo 2^32; the unit value keeps the top 24 bits times
// 2^-24 (the float constant 5.9604645e-8 is exactly that), so it is exact
// as a float and never reaches 1.
double Step() {
  uint32_t s = static_cast<uint32_t>(vx_random_Seed) * 1664525u + 1013904223u;
  vx_random_Seed = static_cast<int32_t>(s);
  return static_cast<double>(s >> 8) * (1.0 / 16777216.0);
}
}  // namespace

float vx_random_Rnd() { return static_cast<float>(Step()); }

// Evaluated in double and rounded to float once, when stored.
float vx_random_Rnd2(float low, float high) {
  double r = Step();
  return static_cast<float>(low + r * (static_cast<double>(high) - low));
}

float vx_random_Rnd3(float range) { return static_cast<float>(Step() * range); }
