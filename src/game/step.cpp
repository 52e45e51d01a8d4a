// One update of a run (c_MyGame::p_Game): background, stars, the grid pass
// with settling and cracked blocks, the dropper and objects, the player
// character, the score. The character's tests read the grid as the grid and
// object passes of the same update left it.
#include <cmath>

#include "game/globals.h"
#include "game/objects.h"
#include "game/particles.h"
#include "game/world.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/mygame.h"
#include "toolkit/draw.h"
#include "toolkit/sound.h"

namespace {

enum { SFX_JUMP = 2, SFX_LANDING = 4, SFX_SETTLE = 6 };
enum { IMG_BLOCKS = 1, IMG_CRACKED = 2, IMG_SPRITES = 3 };
constexpr int kJumpLock = 1;  // element of vx_pell_kdis

// [SECTION] Background and grid

void Background(const c_Field& f) {
  vx_pell_SetCLSCol(0, 0, 40, 1);
  for (int y = -64; y <= f.H + 64; y += 16) {
    vx_pell_SetCol(0, 0, y * 0.0625f, 1);  // SetCol clamps the blue into 0-255
    vx_pell_Rect(-64, static_cast<float>(y), static_cast<float>(f.W + 64), 16, 0, 0);
  }
}

// At most one block per column drops a row per update: the highest one with
// a gap below it. Only the strength moves; the picture stays with the cell.
void GridPass(const c_Field& f) {
  std::vector<float>& grid = vx_pell_grid;
  for (int c = 0; c < 32; ++c) {
    bool moved = false;
    for (int r = 0; r <= 24; ++r) {
      const size_t cell = static_cast<size_t>(vx_game_Cell(r, c));
      float s = grid[cell];
      if (r < 24 && grid[cell + 500] == 0 && !moved && s > 0) {
        grid[cell + 500] = s;
        grid[cell] = 0;
        moved = true;
        vx_pell_PlaySFX(SFX_SETTLE);
        s = 0;
      }
      if (s >= 1) {
        vx_pell_DrawImg(s >= 6 ? IMG_BLOCKS : IMG_CRACKED, static_cast<float>(c * static_cast<long double>(f.C) + f.half),
                        static_cast<float>(f.T + r * static_cast<long double>(f.C)), vx_game_Trunc(grid[cell + 1]));
      } else {
        grid[cell] = 0;  // also what an explosion left below 1 or negative
      }
    }
  }
}

// [SECTION] Player character

// The wall test's column: 6 pixels ahead of the feet in the direction of travel.
int WallColumn(const c_Field& f, const float* p) {
  if (p[3] > 0) return vx_game_Column(f, p[1] + 6.0L);
  if (p[3] < 0) return vx_game_Column(f, p[1] - 6.0L);
  return vx_game_Column(f, p[1]);
}

void Player(const c_Field& f, int busy) {
  float* p = vx_pell_plr.data();
  const bool ended = vx_pell_PELL_EndofGame != 0;
  const float g0 = p[7];
  const float friction = g0 > 0 ? 0.15f : 0.05f;

  if (busy == 0) {
    p[3] = ended ? 0.0f : 2 * vx_pell_ControlX(-1, 0);
  } else if (ended) {
    p[3] = 0;
  } else {
    if (p[3] > 0) p[3] -= friction;
    if (p[3] < 0) p[3] += friction;
    if (std::fabs(p[3]) < friction) p[3] = 0;
  }

  // Landing on the cell 4 pixels below the feet, pushed up out of any block.
  float g = g0 - 1;
  const int column = vx_game_Column(f, p[1]);
  if (vx_game_Strength(vx_game_Row(f, p[2] + 4.0L), column) > 0 && p[4] > 0) {
    p[4] = 0;
    if (g0 < 1) vx_pell_PlaySFX(SFX_LANDING);
    p[17] = 2;
    for (int i = 0; i <= 24; ++i) {
      // A row outside the grid counts as empty.
      if (vx_game_Strength(vx_game_Row(f, static_cast<long double>(p[2]) - i), column) == 0) {
        p[2] = static_cast<float>(static_cast<long double>(p[2]) - i);
        break;
      }
    }
    g = 3;
  }

  // Walls, at the feet and 2 pixels higher, tested before this update's move.
  if (vx_game_Strength(vx_game_Row(f, p[2]), WallColumn(f, p)) > 0) p[3] = 0;
  if (vx_game_Strength(vx_game_Row(f, p[2] - 2.0L), WallColumn(f, p)) > 0) p[3] = 0;

  p[7] = g;
  float x = static_cast<float>(p[1] + 2.0L * p[3]);
  if (x < 8) x = 8;
  if (x > f.W - 8) x = static_cast<float>(f.W - 8);
  p[1] = x;

  if (p[2] > f.H + 64 && !ended) vx_pell_EndGame(0);  // fell off the bottom

  p[6] = static_cast<float>(p[6] + std::fabs(0.8f * static_cast<long double>(p[3])));
  if (p[6] > 19) p[6] -= 16;
  if (std::fabs(p[3]) < 0.3f) p[6] = 0;
  if (p[3] < -0.3f) p[5] = -1;
  if (p[3] > 0.3f) p[5] = 1;

  p[2] += p[4];
  p[4] += 0.75f;

  // The lock is cleared only by a release, so a button held through a
  // landing does not jump again; a refused press leaves it unlocked.
  if (vx_pell_PlayKey(10) == 0) {
    vx_pell_kdis[kJumpLock] = 0;
  } else if ((g > 0 || p[17] > 0) && busy == 0 && vx_pell_kdis[kJumpLock] == 0 && !ended) {
    vx_pell_kdis[kJumpLock] = 1;
    p[4] = -14;
    p[17] -= 1;
    vx_pell_PlaySFX(SFX_JUMP);
  }

  int frame;
  if (busy == 1)
    frame = 19;
  else if (busy == 2)
    frame = 20;
  else if (g < 1)
    frame = 21;
  else
    frame = 14 + vx_game_Trunc(std::floor(p[6] * 0.25L));
  vx_pell_SetSize(p[5] == -1 ? -f.scale : f.scale, f.scale);
  vx_pell_DrawImg(IMG_SPRITES, p[1], static_cast<float>(p[2] - 0.9f * static_cast<long double>(f.C)), frame);
}

}  // namespace

int c_MyGame::p_Game() {
  const c_Field f = vx_game_Field();
  Background(f);
  vx_pell_DoStars(0.25f, 0, 1);
  vx_pell_SetSize(f.scale, f.scale);
  GridPass(f);
  vx_game_Dropper(f);
  vx_pell_ResetDraw();
  const int busy = vx_game_ObjectPass(f);
  Player(f, busy);
  vx_pell_ShowScores(1, 1, 0, 0, 0, 0);
  return 0;
}
