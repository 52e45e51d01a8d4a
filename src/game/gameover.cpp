// The game-over banner: two panels close over the screen, the reason's two
// words slide in, the music stops at 60, a sound plays at 70, the shell
// records the run from update 90 on, and the banner clears after 160.
#include "game/gameover.h"

#include "audio/audio.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

void Words(int reason, const char*& first, const char*& second) {
  switch (reason) {
    case 1:
      first = "Level";
      second = "Complete";
      return;
    case 2:
      first = "Quit";
      second = "Game";
      return;
    case 3:
      first = "You Got";
      second = "Cuddled";
      return;
    default:
      first = "Game";
      second = "Over";
      return;
  }
}

}  // namespace

int vx_pell_GameOver() {
  vx_pell_ResetDraw();
  const int k = vx_pell_PELL_EndofGame + 1;
  vx_pell_PELL_EndofGame = k;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;

  // Offset b: -1280 at update 1, 0 from 41 to 120, back to -1280 at 160.
  const int v = k <= 90 ? k - 1 : 160 - k;
  int b = (v - 40) * 32;
  if (b > 0) b = 0;
  const int c = 2 * b + 320 < 0 ? 2 * b + 320 : 0;  // panels closed from 36 to 125

  vx_pell_ResetDraw();
  vx_pell_SetCol(50, 50, 0, 0.75f);
  vx_pell_Triangle(static_cast<float>(c - 124), -128, static_cast<float>(W + c + 132), static_cast<float>(H + 128),
                   static_cast<float>(c - 124), static_cast<float>(H + 128));
  vx_pell_SetCol(50, 25, 0, 0.75f);
  vx_pell_Triangle(static_cast<float>(-128 - c), -128, static_cast<float>(W + 132 - c), -128,
                   static_cast<float>(W + 132 - c), static_cast<float>(H + 128));

  vx_pell_ResetDraw();
  vx_pell_SetCol(255, 255, 255, 1);
  vx_pell_SetSize(2, 2);
  if (vx_pell_PELL_Font != 0) {
    const char* first;
    const char* second;
    Words(vx_pell_PELL_EndReason, first, second);
    vx_pell_Text(static_cast<float>(W * 0.35f), static_cast<float>(H / 2 - b - 36), first, 1, 1, 0, 0);
    vx_pell_Text(static_cast<float>(W * 0.65f), static_cast<float>(H / 2 + b + 36), second, 1, 1, 0, 0);
  }

  if (k == 60) {
    vx_audio_StopMusic();
    vx_pell_PELL_MusicPlaying = 0;
  }
  if (k == 70) vx_pell_PlaySFX(96);
  if (k == 90) vx_pell_PELL_GameMode = 1;  // the shell records the run next update
  if (k > 160) {
    vx_pell_PELL_EndofGame = 0;
    vx_pell_PELL_EndReason = 0;
  }
  return 0;
}
