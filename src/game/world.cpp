// The clears cover exactly the ranges the game uses, not the arrays' full
// lengths (the particle cursor survives a flush). Also the play field's
// geometry and the point-to-cell mapping every pass shares.
#include "game/world.h"

#include <algorithm>
#include <climits>

#include "game/globals.h"
#include "game/particles.h"
#include "shell/globals.h"
#include "toolkit/globals.h"

namespace {
void Clear(std::vector<float>& a, size_t count) { std::fill(a.begin(), a.begin() + count, 0.0f); }
}  // namespace

// [SECTION] Clears

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

// [SECTION] Geometry

c_Field vx_game_Field() {
  c_Field f;
  f.W = vx_pell_jscrw;
  f.H = vx_pell_jscrh;
  f.C = static_cast<float>(f.W * 0.03125L);
  f.half = f.C / 2;
  f.T = static_cast<float>(vx_game_Trunc(f.H - 23.0L * f.C));
  f.scale = f.C / 16;
  return f;
}

int vx_game_Trunc(long double v) {
  if (!(v == v)) return 0;
  if (v >= static_cast<long double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<long double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);
}

int vx_game_Column(const c_Field& f, long double x) { return vx_game_Trunc(x / f.C); }

int vx_game_Row(const c_Field& f, long double y) { return vx_game_Trunc((y - f.T + f.half) / f.C); }

int vx_game_Cell(int row, int column) {
  if (row < 0 || row > 24 || column < 0 || column > 31) return -1;
  return 500 * row + 10 * column;
}

float vx_game_Strength(int row, int column) {
  const int cell = vx_game_Cell(row, column);
  return cell < 0 ? 0.0f : vx_pell_grid[static_cast<size_t>(cell)];
}
