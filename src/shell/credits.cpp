// The credits (overlay 2): the game's credit rows, shown one after another
// behind a burst of pulsing circles, with the upcoming rows faded down the
// left edge, the fixed corner lines and the play count. The show's phase and
// row persist, so it resumes where it was left.
#include <cmath>

#include "host/app.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

enum { CH_UP = 0, CH_LEFT = 3, CH_RIGHT = 5, CH_DOWN = 8, CH_CONFIRM = 10, CH_SECOND = 11, CH_THIRD = 12,
       CH_ESCAPE = 20 };
enum { SFX_CHOOSE = 99 };
const int kLockLeave = 38;  // element of vx_pell_kdis

bool Held(int channel) { return vx_pell_PlayKey(channel) != 0; }
long double Sind(long double degrees) { return std::sin(static_cast<double>(degrees * 0.0174532924f)); }
float Clamp01(long double v) { return static_cast<float>(v < 0 ? 0 : (v > 1 ? 1 : v)); }

void Text(float x, float y, const String& text, float alignX, float alignY) {
  if (vx_pell_PELL_Font != 0) vx_pell_Text(x, y, text, alignX, alignY, 0, 0);
}

}  // namespace

int vx_pell_AddCredit(const String& a, const String& b, const String& c, const String& d, const String& e) {
  const int n = vx_pell_PELL_Creds;
  // A row that would not fit is dropped whole, so rows stay five apart.
  if (n < 0 || n + 5 > static_cast<int>(vx_pell_PELL_Cred.size())) return 0;
  const String* row[5] = {&a, &b, &c, &d, &e};
  for (int k = 0; k < 5; ++k) vx_pell_PELL_Cred[static_cast<size_t>(n + k)] = *row[k];
  vx_pell_PELL_Creds = n + 5;
  return 0;
}

int vx_pell_DefaultCredits() {
  vx_pell_AddCredit("Kitemoth", "A game by", "the Kitemoth developers", "", "");
  vx_pell_AddCredit("Design and Code", "the Kitemoth developers", "", "", "");
  vx_pell_AddCredit("Art, Sound and Music", "drawn, played and composed", "by the game's own", "asset generator", "");
  vx_pell_AddCredit("Window and Input", "GLFW", "", "", "");
  vx_pell_AddCredit("Graphics", "OpenGL", "through Mesa", "", "");
  vx_pell_AddCredit("Audio", "OpenAL Soft", "", "", "");
  vx_pell_AddCredit("Pictures", "stb_image", "from the stb libraries", "", "");
  vx_pell_AddCredit("Music", "libvorbis", "and libvorbisfile", "", "");
  vx_pell_AddCredit("Asset Generator", "stb_truetype", "stb_image_write", "libvorbisenc", "");
  vx_pell_AddCredit("Lettering", "the DejaVu fonts", "", "", "");
  vx_pell_AddCredit("Testing", "GoogleTest", "", "", "");
  vx_pell_AddCredit("Building", "GCC, CMake and Ninja", "on Debian", "", "");
  vx_pell_AddCredit("Thank You", "for playing", "Kitemoth", "", "");
  return 0;
}

int vx_pell_Credits() {
  // The corner lines are centred 96 from an edge at half size: at most
  // about 17 characters stay on screen.
  static const String kBy = "A Game by", kMaker = "the Kitemoth team", kFor = "for", kUsing = "Created using",
                      kTools = "free software", kPlays = "Plays : ";
  int& A = vx_pell_PELL_CredTickA;
  int& B = vx_pell_PELL_CredTickB;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  const int ms = vx_app_Millisecs();
  const int creds = vx_pell_PELL_Creds;

  // [SECTION] Advance: a row per 360 updates, five times faster with a
  // direction key. The last row only marks the end and is never shown.
  A += (Held(CH_UP) || Held(CH_LEFT) || Held(CH_RIGHT) || Held(CH_DOWN)) ? 5 : 1;
  if (A > 270) {
    A -= 360;
    B += 5;
  }
  if (B >= creds - 5) B = 0;

  vx_pell_OverlayBackdrop();

  // [SECTION] Leave
  if (!Held(CH_CONFIRM) && !Held(CH_SECOND) && !Held(CH_THIRD) && !Held(CH_ESCAPE) && vx_pell_mdAll == 0) {
    vx_pell_kdis[kLockLeave] = 0;
  } else if (vx_pell_kdis[kLockLeave] == 0) {
    vx_pell_LockKeys();
    vx_pell_PELL_OptCred = 0;
    vx_pell_PlaySFX(SFX_CHOOSE);
  }

  // [SECTION] Corners
  vx_pell_ResetDraw();
  vx_pell_SetSize(0.5f);
  Text(96, 24, kBy, 1, 1);
  Text(96, 52, kMaker, 1, 1);
  Text(96, 80, kFor, 1, 1);
  vx_pell_SetSize(1);
  vx_pell_DrawImg(90, 96, 128, 10);
  vx_pell_SetSize(0.5f);
  Text(static_cast<float>(W - 96), static_cast<float>(H - 128), kUsing, 1, 1);
  vx_pell_SetSize(1);
  vx_pell_DrawImg(90, static_cast<float>(W - 96), static_cast<float>(H - 80), 9);
  vx_pell_SetSize(0.5f);
  Text(static_cast<float>(W - 96), static_cast<float>(H - 32), kTools, 1, 1);

  // [SECTION] Circles: each layer grows in as the phase's sine rises past
  // its own threshold and shrinks away in reverse.
  const long double s = Sind(A);
  const float cx = static_cast<float>(W / 2), cy = static_cast<float>(H / 2);
  vx_pell_SetSize(1.9f * Clamp01(10 * s + 9));
  vx_pell_SetCol(255, 255, 255, 0.1f);
  vx_pell_SetRot(0);
  vx_pell_DrawImg(91, cx, cy, 3);
  vx_pell_SetSize(1.7f * Clamp01(10 * s + 8.5L));
  vx_pell_SetCol(255, 255, 0, 0.4f);
  vx_pell_SetRot(static_cast<float>(ms / 22.0L));
  vx_pell_DrawImg(91, cx, cy, 1);
  const float k = Clamp01(10 * s + 8);
  vx_pell_SetCol(255, 128, 0, 0.4f);
  vx_pell_SetSize(static_cast<float>(Sind(ms / 27.5L) * 1.5L * k), 1.5f * k);  // a coin-like flip
  vx_pell_SetRot(static_cast<float>(ms / 11.5L));
  vx_pell_DrawImg(91, cx, cy, 0);
  vx_pell_SetSize(1.3f * Clamp01(10 * s + 7.5L));
  vx_pell_SetCol(0, 128, 255, 0.4f);
  vx_pell_SetRot(static_cast<float>(-ms / 15.0L));
  vx_pell_DrawImg(91, cx, cy, 2);

  // [SECTION] The current row and the upcoming list
  vx_pell_ResetDraw();
  const float t = Clamp01(10 * s + 6);
  vx_pell_SetSize(0.75f * t);
  for (int f = 0; f < 5; ++f)
    Text(cx, static_cast<float>(cy + 32.0L * (f - 2) * t), vx_pell_PELL_Cred[static_cast<size_t>(B + f)], 1, 1);

  vx_pell_ResetDraw();
  vx_pell_SetSize(0.25f);
  // Without a single row there is nothing to list (and nothing to wrap by).
  for (int n = 16; n >= 0 && creds > 0; --n) {
    const int j = 16 - n;
    vx_pell_Alpha(Clamp01(0.05L * n));
    Text(8, static_cast<float>(H - 192 + 12 * j), vx_pell_PELL_Cred[static_cast<size_t>((B + 5 * j) % creds)], 0, 1);
  }

  vx_pell_ResetDraw();
  vx_pell_SetSize(0.5f);
  Text(static_cast<float>(W - 4), 4, kPlays + String::FromInt(vx_pell_PELL_Set[5]), 2, 0);
  return 0;
}
