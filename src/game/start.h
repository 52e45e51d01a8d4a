// Starting a run (c_MyGame::p_GotoGame, declared with the application
// object) and the two random helpers gameplay draws through.
#pragma once

// The seed that asks vx_pell_SeedRnd for the host's millisecond clock.
constexpr int kSeedFromClock = -37171650;

// Remembers the seed in vx_pell_PELL_Seed (the clock reading for
// kSeedFromClock) and steps the generator 21 times from it.
int vx_pell_SeedRnd(int seed);
// A whole number from a to b inclusive (b slightly less often): one draw.
int vx_pell_Rand(float a, float b);
