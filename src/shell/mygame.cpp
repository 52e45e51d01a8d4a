// The game's create, update and render hooks. (Placeholder screens until
// the shell and gameplay land: the window shows the background only.)
#include "shell/mygame.h"

#include "toolkit/frame.h"

c_MyGame* c_MyGame::m_new() {
  c_App::m_new();
  return this;
}

int c_MyGame::p_OnCreate() {
  vx_app_SetUpdateRate(60);
  return 0;
}

int c_MyGame::p_OnUpdate() { return 0; }

int c_MyGame::p_OnRender() {
  vx_pell_RenderWorld();
  return 0;
}
