// c_MyGame, the game's application object. Its hooks run the screens; the
// screen methods live beside the screens they draw (shell/ and game/).
#pragma once

#include <vector>

#include "host/app.h"

class c_MyGame : public c_App {
 public:
  c_MyGame* m_new();
  int p_OnCreate() override;
  int p_OnUpdate() override;
  int p_OnRender() override;

  int p_GotoMenu();                                   // end of a run: record it, back to the menu
  int p_LoadScreen();                                 // one loading step per update
  int p_MainMenu();                                   // the whole main-menu screen
  int p_Menu_A();                                     // the main list
  int p_Menu_Basic(const std::vector<String>& items); // 1-based entry chosen now, or -1
  int p_TBut(float x, float y, const String& text, int highlighted, int rowHeight);
  int p_GotoGame();                                   // start of a run
  int p_Game();                                       // one game step
};
