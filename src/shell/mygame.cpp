// The game's create, update and render hooks.
#include "shell/mygame.h"

c_MyGame* c_MyGame::m_new() {
  c_App::m_new();
  return this;
}

int c_MyGame::p_OnCreate() {
  vx_app_SetUpdateRate(60);
  return 0;
}

int c_MyGame::p_OnUpdate() { return 0; }

int c_MyGame::p_OnRender() { return 0; }
