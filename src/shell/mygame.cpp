// c_MyGame's hooks: start-up, the per-update screen dispatch and the render,
// plus the end-of-run step that records a run in its score table. The
// screens themselves live in loading.cpp, menu.cpp, the overlays of
// overlays.h and game/.
#include "shell/mygame.h"

#include "game/gameover.h"
#include "game/globals.h"
#include "game/world.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/persist.h"
#include "toolkit/draw.h"
#include "toolkit/frame.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"

namespace {

// Toward zero like a plain cast; a score beyond the int range (or NaN) is
// stored as the nearest bound (or 0) instead of being undefined.
int TruncateScore(float v) {
  if (!(v == v)) return 0;
  if (v >= 2147483648.0f) return 2147483647;
  if (v <= -2147483648.0f) return -2147483647 - 1;
  return static_cast<int>(v);
}

}  // namespace

c_MyGame* c_MyGame::m_new() {
  c_App::m_new();
  return this;
}

// [SECTION] Start-up

int c_MyGame::p_OnCreate() {
  vx_pell_PELL_GameNum = 507;
  vx_pell_HasQuit = 1;
  vx_pell_PELL_MixControls = 1;
  vx_app_SetUpdateRate(60);
  vx_pell_SetCLSCol(0, 0, 0, 1);
  vx_pell_ResetDraw();
  vx_pell_PELL_Loader = 1;
  vx_pell_PELL_GameMode = 0;
  vx_pell_Load();
  vx_pell_LockKeys();
  vx_pell_PELL_OptCred = 0;
  vx_pell_PELL_MenuPos[0] = 1;
  vx_pell_PELL_MenuPos[2] = 1;
  vx_pell_PELL_MenuPos[5] = vx_pell_jscrw - 32;
  // The world's clears, the star field and no run ending: a flush.
  vx_pell_FlushGame();
  vx_pell_DefaultCredits();
  vx_pell_AddCredit("", "", "", "", "");
  for (int& j : vx_pell_Joy_Disable) j = 0;
  return 0;
}

// [SECTION] Dispatch

int c_MyGame::p_OnUpdate() {
  vx_pell_Sprtup = 0;
  vx_pell_ResetDraw();
  vx_pell_UpdateWorld();
  if (vx_pell_PELL_Loader > 0) p_LoadScreen();

  // Not "else": the update that finishes loading already shows the menu.
  if (vx_pell_PELL_Loader == 0) {
    if (vx_pell_PELL_GameMode != 0) vx_pell_PELL_MenuPos[10] = -64;
    // An open overlay freezes the screen mode and the game-over banner.
    if (vx_pell_PELL_OptCred == 0) {
      switch (vx_pell_PELL_GameMode) {
        case 0:
          p_MainMenu();
          break;
        case 1:
          p_GotoMenu();
          break;
        case 11:
          p_GotoGame();
          break;
        case 10:
          // An ending run keeps playing under its banner, never paused.
          if (vx_pell_PELL_EndofGame > 0) {
            vx_pell_PELL_Paused = 0;
            p_Game();
          } else if (vx_pell_PELL_Paused == 0) {
            p_Game();
          }
          vx_pell_InGame();
          break;
      }
      if (vx_pell_PELL_EndofGame > 0) vx_pell_GameOver();
    }
    // Each test sees the value the previous overlay may have just changed.
    if (vx_pell_PELL_OptCred == 1) vx_pell_Options();
    if (vx_pell_PELL_OptCred == 2) vx_pell_Credits();
    if (vx_pell_PELL_OptCred == 3) vx_pell_EnterName();
  }
  vx_pell_Buffer();
  return 0;
}

int c_MyGame::p_OnRender() {
  vx_pell_RenderWorld();
  return 0;
}

// [SECTION] End of a run

int c_MyGame::p_GotoMenu() {
  vx_pell_PELL_GameMode = 0;
  vx_pell_StopTune();
  vx_pell_LockKeys();

  const int t = vx_pell_PELL_GameType;
  const float s = vx_pell_plr[50];
  const float v = vx_pell_plr[52];
  vx_pell_PELL_LastPlay = t;
  vx_pell_PELL_LastRank = -1;

  // Only a started run's difficulty has a table; anything else would write
  // outside the score array, so the run is then just counted.
  const int base = 20 * t;
  if (t >= 1 && base + 19 < static_cast<int>(vx_pell_PELL_Score.size())) {
    int* best = &vx_pell_PELL_Score[static_cast<size_t>(base)];
    int* recent = best + 5;
    int* tally = best + 10;
    for (int r = 0; r < 5; ++r) {
      // The float score against the stored int, untruncated (12.5 beats 12)
      // and exactly, as the extended-precision comparison it always was.
      if (static_cast<long double>(s) > best[r]) {
        vx_pell_PELL_LastRank = r;
        for (int k = 4; k > r; --k) {
          best[k] = best[k - 1];
          tally[k] = tally[k - 1];
        }
        best[r] = TruncateScore(s);
        tally[r] = TruncateScore(v);
        break;
      }
    }
    for (int k = 4; k > 0; --k) recent[k] = recent[k - 1];
    recent[0] = TruncateScore(s);
  }

  // A count loaded from a hand-edited record may sit at the int limit.
  if (vx_pell_PELL_Set[5] < 2147483647) vx_pell_PELL_Set[5] += 1;
  vx_pell_Save();
  return 0;
}
