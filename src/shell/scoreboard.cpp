// The scoreboard: the best five scores of one difficulty as text, its five
// recent scores as a chart of stars, and a wobble on the entry of the run
// recorded last. Reads the score table and the difficulty list; writes
// nothing but sprite records.
#include "shell/scoreboard.h"

#include <cmath>

#include "host/app.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/text.h"

namespace {

long double Sind(long double degrees) { return std::sin(static_cast<double>(degrees * 0.0174532924f)); }
long double Cosd(long double degrees) { return std::cos(static_cast<double>(degrees * 0.0174532924f)); }

}  // namespace

int vx_pell_Draw_Scoreboard(float x, float y) {
  vx_pell_ResetDraw();
  vx_pell_DrawImg(82, x, y, 0);

  vx_pell_SetSize(0.5f, 0.5f);
  const int yt = static_cast<int>(y - 96.0L);
  if (vx_pell_PELL_Font != 0) vx_pell_Text(x - 64, static_cast<float>(yt), "Top 5", 1, 1, 0, 0);

  const int r = vx_pell_PELL_MenuPos[2];
  if (r < 0 || r >= vx_pell_PELL_MenuPos[12]) return 0;
  const int t = r + 1;
  const size_t base = 20 * static_cast<size_t>(t);
  if (base + 10 > vx_pell_PELL_Score.size()) return 0;
  const int* best = &vx_pell_PELL_Score[base];
  const int* recent = best + 5;

  for (int k = 0; k < 5; ++k) {
    // Right-aligned in 8 columns; longer numbers keep their last 8 digits.
    const String text = vx_pell_rstr(String::FromInt(best[k]), 8, " ");
    float tx = x - 56;
    float ty = static_cast<float>(yt + 40 + 28 * k);
    if (t == vx_pell_PELL_LastPlay && k == vx_pell_PELL_LastRank) {
      tx = static_cast<float>(tx + 3.0L * Sind(vx_app_Millisecs() / 3.0L));
      ty = static_cast<float>(ty - Cosd(vx_app_Millisecs() / 4.5L));
    }
    if (vx_pell_PELL_Font != 0) vx_pell_Text(tx, ty, text, 1, 1, 0, 0);
  }

  // Heights relative to the best score; a table without one charts raw.
  const float scale = best[0] != 0 ? static_cast<float>(best[0]) : 1.0f;
  vx_pell_SetSize(0.4f, 0.4f);
  for (int i = 0; i < 5; ++i) {
    vx_pell_Ink(i + 1, 1);
    vx_pell_SetRot(15.0f * i);
    const float sy = static_cast<float>(vx_pell_jscrh - 78 - recent[i] / static_cast<long double>(scale) * 40);
    vx_pell_DrawImg(74, static_cast<float>(x - 100.0L + 22 * i), sy, 0);
  }
  return 0;
}
