// Starting a run and the game step. (Placeholder until gameplay lands: a
// run starts and ends at once.)
#include "game/gameover.h"
#include "shell/globals.h"
#include "shell/mygame.h"

int c_MyGame::p_GotoGame() {
  vx_pell_PELL_GameMode = 10;
  return 0;
}

int c_MyGame::p_Game() {
  if (vx_pell_PELL_EndofGame == 0) vx_pell_PELL_EndofGame = 1;
  return 0;
}

int vx_pell_GameOver() {
  if (++vx_pell_PELL_EndofGame == 90) vx_pell_PELL_GameMode = 1;
  if (vx_pell_PELL_EndofGame > 160) vx_pell_PELL_EndofGame = 0;
  return 0;
}
