// Definitions and start values of the toolkit's module globals.
#include "toolkit/globals.h"

std::vector<float> vx_pell_PELL_Draw;
int vx_pell_Sprtup = 0;
std::vector<float> vx_pell_PELL_DrawStyle;
// The slots own what they hold for the whole process; the arrays themselves
// are never destroyed, so nothing loaded looks leaked at exit.
std::vector<c_Image*>& vx_pell_PELL_Img = *new std::vector<c_Image*>;
std::vector<float> vx_pell_PELL_ImgW;
std::vector<float> vx_pell_PELL_ImgH;
std::vector<int> vx_pell_PELL_ImgD;
int vx_pell_PELL_TargetSize = 0;
float vx_pell_PELL_Scale = 0;
int vx_pell_jscrw = 0, vx_pell_jscrh = 0;
int vx_pell_RealW = 0, vx_pell_RealH = 0;
int vx_pell_WRealW = 0, vx_pell_WRealH = 0;
int vx_pell_PELL_Orientation = 0;
std::vector<float> vx_pell_PELL_Buffer;
int vx_pell_Bufferup = 0;
int vx_pell_PELL_Fullscreen = 0;
int vx_pell_PELL_Font = 0;
std::vector<int> vx_pell_PELL_FontKern;
std::vector<c_Sound*>& vx_pell_PELL_SFX = *new std::vector<c_Sound*>;
int vx_pell_PELL_LChan = 0;
String vx_pell_PELL_LastTune;
int vx_pell_PELL_MusicPlaying = 0;

namespace {
// Advance widths in font pixels for codes 32-143.
std::vector<int> KernTable() {
  std::vector<int> k(112, 0);
  auto set = [&](int from, int to, int advance) {
    for (int c = from; c <= to; ++c) k[c - 32] = advance;
  };
  set(32, 32, 24);
  set(33, 33, 9);
  set(34, 34, 17);
  set(35, 38, 22);
  set(39, 39, 9);
  set(40, 41, 15);
  set(42, 42, 23);
  set(43, 43, 22);
  set(44, 44, 9);
  set(45, 45, 22);
  set(46, 46, 9);
  set(47, 57, 22);
  set(58, 59, 9);
  set(60, 90, 22);
  set(91, 91, 15);
  set(92, 92, 22);
  set(93, 93, 15);
  set(94, 95, 22);
  set(96, 96, 9);
  set(97, 104, 22);
  set(105, 105, 11);
  set(106, 106, 18);
  set(107, 107, 22);
  set(108, 108, 9);
  set(109, 122, 22);
  set(123, 123, 18);
  set(124, 124, 9);
  set(125, 125, 18);
  set(126, 126, 22);
  return k;
}
}  // namespace

void vx_toolkit_InitGlobals() {
  vx_pell_PELL_Draw.assign(150000, 0.0f);
  vx_pell_Sprtup = 0;
  vx_pell_PELL_DrawStyle.assign(50, 0.0f);
  vx_pell_PELL_Img.assign(150, nullptr);
  vx_pell_PELL_ImgW.assign(150, 0.0f);
  vx_pell_PELL_ImgH.assign(150, 0.0f);
  vx_pell_PELL_ImgD.assign(150, 0);
  vx_pell_PELL_TargetSize = 800;
  vx_pell_PELL_Scale = 0;
  vx_pell_jscrw = 800;
  vx_pell_jscrh = 600;
  vx_pell_RealW = vx_pell_RealH = vx_pell_WRealW = vx_pell_WRealH = 0;
  vx_pell_PELL_Orientation = 0;
  vx_pell_PELL_Buffer.assign(150000, 0.0f);
  vx_pell_Bufferup = 0;
  vx_pell_PELL_Fullscreen = 0;
  vx_pell_PELL_Font = 0;
  vx_pell_PELL_FontKern = KernTable();
  vx_pell_PELL_SFX.assign(100, nullptr);
  vx_pell_PELL_LChan = 0;
  vx_pell_PELL_LastTune = String();
  vx_pell_PELL_MusicPlaying = 0;
}
