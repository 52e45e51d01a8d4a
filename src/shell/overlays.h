// The overlay screens the dispatch runs on top of (or instead of) the
// screen modes: options (options.cpp), the pause overlay with its toy
// (pause.cpp), name entry (name.cpp) and credits (credits.cpp).
#pragma once

#include "host/string.h"

int vx_pell_Options();
int vx_pell_Option(int y, int setting, int row, int icon, const String& label, int low, int high, int style);
int vx_pell_InGame();
int vx_pell_Pause_Menu();
int vx_pell_EnterName();
int vx_pell_Credits();
int vx_pell_AddCredit(const String& a, const String& b, const String& c, const String& d, const String& e);
int vx_pell_DefaultCredits();

// The dim colour-cycling backdrop with its drifting tiles that options,
// name entry and credits share; leaves the draw state reset.
int vx_pell_OverlayBackdrop();
