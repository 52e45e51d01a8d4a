// The clears cover exactly the ranges the game uses, not the arrays' full
// lengths (the particle cursor survives a flush).
#include "game/world.h"

#include <algorithm>

#include "game/globals.h"
#include "game/particles.h"
#include "shell/globals.h"

namespace {
void Clear(std::vector<float>& a, size_t count) { std::fill(a.begin(), a.begin() + count, 0.0f); }
}  // namespace

int vx_pell_ResetGrid() {
  Clear(vx_pell_grid, 5000000);
  return 0;
}

int vx_pell_ResetPlrs() {
  Clear(vx_pell_plr, 1024);
  return 0;
}

int vx_pell_ResetObjs() {
  Clear(vx_pell_obj, 5100);
  return 0;
}

int vx_pell_ResetParticles() {
  Clear(vx_pell_part, 2501);
  return 0;
}

int vx_pell_FlushGame() {
  vx_pell_ResetGrid();
  vx_pell_ResetPlrs();
  vx_pell_ResetObjs();
  vx_pell_ResetParticles();
  vx_pell_ResetStars();
  vx_pell_PELL_EndofGame = 0;
  vx_pell_PELL_EndReason = 0;
  return 0;
}
