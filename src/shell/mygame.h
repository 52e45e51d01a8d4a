// c_MyGame, the game's application object: its hooks run the screens.
#pragma once

#include "host/app.h"

class c_MyGame : public c_App {
 public:
  c_MyGame* m_new();
  int p_OnCreate() override;
  int p_OnUpdate() override;
  int p_OnRender() override;
};
