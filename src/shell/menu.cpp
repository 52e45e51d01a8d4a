// The main menu: its two pages (the main list and the difficulty list) over
// one backdrop of sliding panels and parting triangles, the text buttons
// every shell list uses, and the shared input lock that makes each press act
// once (vx_pell_kdis element 0, released only when nothing it reads is held).
#include <algorithm>
#include <vector>

#include "host/errors.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/mygame.h"
#include "shell/scoreboard.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

enum { CH_UP = 0, CH_DOWN = 8, CH_CONFIRM = 10, CH_BACK = 11, CH_THIRD = 12, CH_ESCAPE = 20 };
enum { SFX_MOVE = 98, SFX_CHOOSE = 99 };

bool Held(int channel) { return vx_pell_PlayKey(channel) != 0; }
bool Locked() { return vx_pell_kdis[0] != 0; }

// Moves the cursor and locks, or acts and locks: the lock keeps a held
// key or pointer from repeating.
void Move(int& cursor, int to) {
  cursor = to;
  vx_pell_LockKeys();
  vx_pell_PlaySFX(SFX_MOVE);
}

void Choose() {
  vx_pell_LockKeys();
  vx_pell_PlaySFX(SFX_CHOOSE);
}

}  // namespace

// [SECTION] Text button

int c_MyGame::p_TBut(float x, float y, const String& text, int highlighted, int rowHeight) {
  static const String kMarker = "> ";
  vx_pell_SetSize(1.0f, 1.0f);
  int end = 0;
  if (vx_pell_PELL_Font != 0) end = vx_pell_Text(x, y, highlighted == 1 ? kMarker + text : text, 0, 1, 0, 0);
  // Without a font the box has no width and nothing can be clicked.
  const int half = (rowHeight - 8) / 2;
  return vx_pell_MouseIn(x, y - half, end - x, static_cast<float>(rowHeight - 8));
}

// [SECTION] Main menu

int c_MyGame::p_MainMenu() {
  static const std::vector<String> kDifficulties = {"Easy", "Normal", "Hard"};
  std::vector<int>& pos = vx_pell_PELL_MenuPos;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  const int i = pos[10];

  vx_pell_SetCLSCol(80, 140, 80, 1);
  if (i <= 139) pos[10] = std::min(i + 4, 140);

  // Panels slide in one after another: frame 1 from below, 2 from the
  // left, 0 from above, 32 units per update.
  vx_pell_ResetDraw();
  vx_pell_SetSize(0.75f, 0.75f);
  vx_pell_DrawImg(68, static_cast<float>(W / 2), static_cast<float>(H / 2 - 8 * std::max(0, 140 - i)), 0);
  vx_pell_DrawImg(68, static_cast<float>(0.5L * W - 8 * std::max(0, 120 - i)), static_cast<float>(H / 2), 2);
  vx_pell_DrawImg(68, static_cast<float>(W / 2), static_cast<float>(H / 2 + 8 * std::max(0, 100 - i)), 1);

  vx_pell_ResetDraw();
  if (pos[0] == 2) {
    const int g = p_Menu_Basic(kDifficulties);
    if (g >= 0) {
      vx_pell_PELL_GameMode = 11;
      vx_pell_PELL_GameType = g;
    }
  }

  // Two triangles split the screen along its diagonal at offset 0 and part
  // to either side as the offset grows.
  vx_pell_ResetDraw();
  const int m = -2 * pos[5];
  vx_pell_Alpha(0.75f);
  vx_pell_SetRot(45);
  vx_pell_SetCol(100, 100, 0, -100);
  vx_pell_Triangle(m - 124.0f, -128, static_cast<float>(W + m + 132), static_cast<float>(H + 128), m - 124.0f,
                   static_cast<float>(H + 128));
  vx_pell_SetCol(100, 50, 0, -100);
  vx_pell_Triangle(-128.0f - m, -128, static_cast<float>(W + 132 - m), -128, static_cast<float>(W + 132 - m),
                   static_cast<float>(H + 128));

  vx_pell_ResetDraw();
  if (pos[0] == 1) {
    p_Menu_A();
    pos[5] -= 32;
  }
  pos[5] = std::clamp(pos[5], 0, W);

  vx_pell_ResetDraw();
  if (vx_pell_PELL_Orientation == 0) {
    vx_pell_SetSize(0.4f);
    vx_pell_DrawImg(69, static_cast<float>(W / 2), static_cast<float>(8 * (16 - std::max(0, 100 - i))), 0);
  } else {
    vx_pell_SetSize(0.35f);
    vx_pell_DrawImg(69, static_cast<float>(W / 2), static_cast<float>(8 * (20 - std::max(0, 100 - i))), 0);
  }

  vx_pell_SetSize(1.0f, 1.0f);
  vx_pell_DrawImg(90, static_cast<float>(W - 64), 48, 10);

  // Off to the right on the main page; settles at x = W on the difficulty
  // page (its +32 lands before m is taken, the clamp after).
  vx_pell_Draw_Scoreboard(static_cast<float>(3 * W + m + 64), static_cast<float>(H - 190));
  return 0;
}

// [SECTION] Main list

int c_MyGame::p_Menu_A() {
  static const String kLabels[4] = {"Start Game", "Options", "Credits", "Quit"};
  std::vector<int>& pos = vx_pell_PELL_MenuPos;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  int& cursor = pos[1];

  vx_pell_ResetDraw();
  const int y0 = vx_pell_HasQuit != 0 ? H - 192 : H - 144;
  const float x = static_cast<float>(0.25L * W);
  const int rows = vx_pell_HasQuit == 1 ? 4 : 3;
  int b[4] = {0, 0, 0, 0};
  for (int k = 0; k < rows; ++k)
    b[k] = p_TBut(x, static_cast<float>(y0 + 48 * k), kLabels[k], cursor == k ? 1 : 0, 48);
  const int last = rows - 1;

  // A click on another row only moves the cursor there.
  for (int k = 0; k < 4; ++k) {
    if (b[k] == 1 && cursor != k && !Locked()) {
      Move(cursor, k);
      b[k] = 0;
    }
  }
  if (Held(CH_UP) && cursor > 0 && !Locked()) Move(cursor, cursor - 1);
  if (Held(CH_DOWN) && cursor < last && !Locked()) Move(cursor, cursor + 1);
  if (Held(CH_CONFIRM) && cursor >= 0 && cursor < 4) b[cursor] = 1;

  if (vx_pell_mdAll == 0 && !Held(CH_UP) && !Held(CH_DOWN) && !Held(CH_CONFIRM) && !Held(CH_BACK))
    vx_pell_kdis[0] = 0;

  if (b[0] == 1 && !Locked()) {
    Choose();
    pos[0] = 2;
  }
  if (b[1] == 1 && !Locked()) {
    Choose();
    vx_pell_PELL_OptCred = 1;
    pos[47] = 128;  // the options screen's scroll starts from the top
  }
  if (b[2] == 1 && !Locked()) {
    Choose();
    vx_pell_PELL_OptCred = 2;
  }
  if (b[3] == 1 && !Locked()) {
    Choose();
    vxError(String());  // the empty message: a normal end with status 0
  }
  return 0;
}

// [SECTION] Basic list

int c_MyGame::p_Menu_Basic(const std::vector<String>& items) {
  std::vector<int>& pos = vx_pell_PELL_MenuPos;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  const int n = static_cast<int>(items.size());
  int& cursor = pos[2];
  int result = -1;

  pos[5] += 32;
  vx_pell_ResetDraw();
  pos[12] = n;
  if (n == 0) return -1;

  for (int j = 1; j <= n; ++j) {
    const int r = j - 1;
    const int h = p_TBut(static_cast<float>(0.25L * W), static_cast<float>(H - 48 * n + 48 * r), items[r],
                         cursor == r ? 1 : 0, 48);
    if (cursor != r && h == 1 && !Locked()) Move(cursor, r);
    // Just moved here by a click: locked, so that click does not choose too.
    if (cursor == r && (Held(CH_CONFIRM) || h == 1) && !Locked()) {
      result = j;
      Choose();
    }
  }

  if (Held(CH_UP) && !Locked())
    Move(cursor, cursor - 1);
  else if (Held(CH_DOWN) && !Locked())
    Move(cursor, cursor + 1);
  if (cursor < 0) cursor = n - 1;
  if (cursor >= n) cursor = 0;

  // The back icon, as wide as the icon's frame at the drawn scale.
  vx_pell_ResetDraw();
  vx_pell_Alpha(0.75f);
  vx_pell_DrawImg(90, 64, 64, 11);
  const std::vector<float>& style = vx_pell_PELL_DrawStyle;
  const float bw = static_cast<float>(static_cast<long double>(vx_pell_PELL_ImgW[90]) * style[4]);
  const float bh = static_cast<float>(static_cast<long double>(vx_pell_PELL_ImgH[90]) * style[5]);
  if (vx_pell_MouseIn_Centered(64, 64, bw, bh) == 1 && !Locked()) {
    Choose();
    pos[0] = 1;
  }
  if ((Held(CH_BACK) || Held(CH_THIRD) || Held(CH_ESCAPE)) && !Locked()) {
    Choose();
    pos[0] = 1;
  }

  if (vx_pell_mdAll == 0 && !Held(CH_UP) && !Held(CH_DOWN) && !Held(CH_CONFIRM) && !Held(CH_BACK) &&
      !Held(CH_THIRD) && !Held(CH_ESCAPE))
    vx_pell_kdis[0] = 0;
  return result;
}
