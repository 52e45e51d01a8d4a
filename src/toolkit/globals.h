// The toolkit's module globals (sprite list, draw state, image and sound
// slots, virtual screen, font): declared here, defined in globals.cpp and
// given their start values by vx_toolkit_InitGlobals at vxInit.
#pragma once

#include <vector>

#include "host/string.h"

class c_Image;
class c_Sound;

// Sprite list: 20-float records written during an update.
extern std::vector<float> vx_pell_PELL_Draw;     // 150000; record k at 20k..20k+19
extern int vx_pell_Sprtup;                       // records written since the list was emptied
// Draw state: 50 style slots copied into every record (0 alpha, 1-3 colour,
// 4-5 scale, 6 rotation; 11-14 background shown, 15-17 background target).
extern std::vector<float> vx_pell_PELL_DrawStyle;

// Image slots 0-149 (the loading screen fills them).
extern std::vector<c_Image*>& vx_pell_PELL_Img;  // none until loaded
extern std::vector<float> vx_pell_PELL_ImgW;     // frame width given at load
extern std::vector<float> vx_pell_PELL_ImgH;     // frame height given at load
extern std::vector<int> vx_pell_PELL_ImgD;       // frame count given at load

// Frame composition.
extern int vx_pell_PELL_TargetSize;              // virtual length of the longer side (800)
extern float vx_pell_PELL_Scale;                 // window pixels per virtual unit, each render
extern int vx_pell_jscrw, vx_pell_jscrh;         // virtual screen size (800 x 600 at start)
extern int vx_pell_RealW, vx_pell_RealH;         // window size seen by the last render
extern int vx_pell_WRealW, vx_pell_WRealH;       // the same values again
extern int vx_pell_PELL_Orientation;             // 1 while portrait
extern std::vector<float> vx_pell_PELL_Buffer;   // the handed-over list the render replays
extern int vx_pell_Bufferup;                     // records in it
extern int vx_pell_PELL_Fullscreen;              // 1 while the toolkit made the window full screen

// Font.
extern int vx_pell_PELL_Font;                    // image slot of the font, 0 when none
extern std::vector<int> vx_pell_PELL_FontKern;   // 112 advances; entry k for code k + 32

// Sound slots and the tune.
extern std::vector<c_Sound*>& vx_pell_PELL_SFX;  // sound slots 0-99
extern int vx_pell_PELL_LChan;                   // sound channel used last (0-31)
extern String vx_pell_PELL_LastTune;             // name of the tune last started
extern int vx_pell_PELL_MusicPlaying;            // 0 none, 1 playing, 2 paused

void vx_toolkit_InitGlobals();
