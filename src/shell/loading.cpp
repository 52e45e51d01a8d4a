// The loading screen: the asset table, loaded on fixed steps of the counter
// vx_pell_PELL_Loader (one step per update, 61 in all, however fast or badly
// the files load), under a logo that assembles from falling tiles.
#include "shell/globals.h"
#include "shell/mygame.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

// One step's loading work: an image (slot 0 = none) and a sound (-1 = none).
// A missing file leaves its slot empty; the steps go on regardless.
struct Step {
  int step;
  int slot;
  const char* name;
  int frameWidth, frameHeight, frames;
  int sound;
};

const Step kSteps[] = {
    {2, 95, "PELLLogo", 32, 32, 1024, 96},
    {30, 96, "PELLLogo", 1024, 1024, 1, 98},
    {31, 70, "part-shapefull", 32, 32, 16, 99},
    {32, 71, "parts_shape", 32, 32, 16, 99},
    {33, 72, "parts_smoke", 32, 32, 16, 99},
    {34, 73, "parts_cluster", 32, 32, 16, 99},
    {35, 74, "parts_stars", 32, 32, 16, -1},
    {36, 80, "Buttons", 64, 64, 16, -1},
    {37, 90, "icons", 128, 128, 16, -1},
    {38, 91, "circle", 256, 256, 4, -1},
    {39, 69, "logo", 1024, 512, 1, -1},
    {40, 68, "menu", 1024, 1024, 4, -1},
    {41, 81, "options", 68, 68, 49, -1},
    {42, 82, "scoreboard", 256, 256, 1, -1},
    {43, 1, "buildings", 16, 16, 1024, -1},
    {44, 2, "buildingsb", 16, 16, 1024, -1},
    {45, 3, "gfx", 36, 36, 49, -1},
    {46, 0, nullptr, 0, 0, 0, 1},
    {47, 0, nullptr, 0, 0, 0, 2},
    {48, 0, nullptr, 0, 0, 0, 3},
    {49, 0, nullptr, 0, 0, 0, 4},
    {50, 0, nullptr, 0, 0, 0, 5},
    {51, 0, nullptr, 0, 0, 0, 6},
};

const int kLastStep = 60;

void DoStep(int step) {
  if (step == 1) {
    vx_pell_PELL_Set[100] = 1;
    vx_pell_LoadFont(99, "bandwidth");
    vx_pell_LoadSFX(96);
    return;
  }
  if (step == 5) {
    vx_pell_PlaySFX(96);
    return;
  }
  for (const Step& s : kSteps) {
    if (s.step != step) continue;
    if (s.name) vx_pell_LoadImg(s.slot, s.name, s.frameWidth, s.frameHeight, s.frames);
    if (s.sound >= 0) vx_pell_LoadSFX(s.sound);
  }
}

// [SECTION] Drawing

// Tile (c, r) of the 32 x 32 logo falls from 5 o^2 above its place and
// lands once o <= 0, the bottom-left tile first (step 23), the top-right
// one last (step 33). The constants are single-precision floats on purpose:
// the tile positions depend on it.
void DrawTileLogo(int counter) {
  vx_pell_SetSize(0.5f, 0.5f);
  const float x0 = static_cast<float>(vx_pell_jscrw / 2 - static_cast<long double>(239.85f));
  const float y0 = static_cast<float>(vx_pell_jscrh / 2 - static_cast<long double>(239.85f));
  for (int c = 0; c < 32; ++c) {
    for (int r = 0; r < 32; ++r) {
      const float o = static_cast<float>(30.0L - 0.25L * (r - static_cast<long double>(0.3f) * c) - counter);
      const float drop = o > 0 ? static_cast<float>(5.0L * o * o) : 0.0f;
      const float x = static_cast<float>(x0 + static_cast<long double>(15.99f) * c);
      const float y = static_cast<float>(y0 + static_cast<long double>(15.99f) * r - drop);
      vx_pell_DrawImg(95, x, y, c + 32 * r);
    }
  }
}

// "." to "...." either side, by the counter mod 4; built once.
const String& Caption(int counter) {
  static const String captions[4] = {
      vx_pell_rstr("", 1, ".") + "Loading" + vx_pell_rstr("", 1, "."),
      vx_pell_rstr("", 2, ".") + "Loading" + vx_pell_rstr("", 2, "."),
      vx_pell_rstr("", 3, ".") + "Loading" + vx_pell_rstr("", 3, "."),
      vx_pell_rstr("", 4, ".") + "Loading" + vx_pell_rstr("", 4, "."),
  };
  return captions[counter % 4];
}

}  // namespace

int c_MyGame::p_LoadScreen() {
  const int step = vx_pell_PELL_Loader;
  if (step > kLastStep) {
    vx_pell_PELL_Loader = 0;
  } else {
    DoStep(step);
    vx_pell_PELL_Loader = step + 1;
    vx_pell_PELL_MenuPos[10] = -64;  // the menu's intro waits for the end of loading
  }
  const int counter = vx_pell_PELL_Loader;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;

  vx_pell_ResetDraw();
  vx_pell_SetCol(180, 160, 120, 1);
  vx_pell_Rect(-128, -128, static_cast<float>(W + 256), static_cast<float>(H + 256), 0, 0);

  vx_pell_ResetDraw();
  if (counter > 2) DrawTileLogo(counter);

  vx_pell_ResetDraw();
  if (vx_pell_PELL_Font != 0) vx_pell_Text(static_cast<float>(W / 2), static_cast<float>(H - 64), Caption(counter), 1, 1, 0, 0);
  return 0;
}
