// The start of a run: a cleared world, a fresh clock-derived random state,
// the city of 32 columns with its two towers, the character in the air and
// the dropper's start values. The city's random draws come in a fixed order:
// per column height, style, then one frame per block from the bottom up.
#include <cmath>
#include <cstdint>

#include "game/globals.h"
#include "game/start.h"
#include "game/world.h"
#include "host/app.h"
#include "host/random.h"
#include "shell/globals.h"
#include "shell/mygame.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"

int vx_pell_SeedRnd(int seed) {
  vx_pell_PELL_Seed = seed;
  if (seed == kSeedFromClock) {
    seed = vx_app_Millisecs();
    vx_pell_PELL_Seed = seed;
  }
  uint32_t s = static_cast<uint32_t>(seed);
  for (int i = 0; i < 21; ++i) s = s * 1664525u + 1013904223u;
  vx_random_Seed = static_cast<int32_t>(s);
  return 0;
}

int vx_pell_Rand(float a, float b) {
  const long double r = vx_random_Rnd();
  return vx_game_Trunc(std::floor(a + r * (static_cast<long double>(b) + 0.99f - a)));
}

int c_MyGame::p_GotoGame() {
  vx_pell_FlushGame();

  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  std::vector<float>& p = vx_pell_plr;
  p[1] = static_cast<float>(W / 2);
  p[2] = static_cast<float>(H / 2);

  for (int c = 0; c < 32; ++c) {
    const int h = vx_game_Trunc(std::floor(vx_random_Rnd2(3, 8.99f)));
    const int g = vx_game_Trunc(std::floor(vx_random_Rnd2(0, 31.99f)));
    // The towers draw a height too, so every column takes the same draws.
    const int top = (c == 5 || c == 26) ? 10 : 24 - h;
    for (int r = 24; r >= top; --r) {
      const size_t cell = static_cast<size_t>(vx_game_Cell(r, c));
      vx_pell_grid[cell] = 10;
      vx_pell_grid[cell + 1] = static_cast<float>(g + 32 * vx_game_Trunc(std::floor(vx_random_Rnd2(0, 31.99f))));
    }
  }

  p[13] = 200;  // spawn timer: the first object drops on update 41
  p[14] = 240;  // spawn interval
  p[15] = 240;  // fuse of a landed object

  vx_pell_PlayTune("Xcited", 1);
  vx_pell_PELL_GameMode = 10;
  return 0;
}
