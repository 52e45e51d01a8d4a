// The game shell's module globals (screen selectors, settings and scores,
// controls, pointer, frame counters, camera, locks): declared here, defined
// in globals.cpp and given their start values by vx_shell_InitGlobals.
#pragma once

#include <vector>

#include "host/string.h"

// Screen selectors.
extern int vx_pell_PELL_Loader;         // loading step 1-61; 0 once everything is loaded
extern int vx_pell_PELL_GameMode;       // 0 menu, 11 start of run, 10 running, 1 end of run
extern int vx_pell_PELL_OptCred;        // overlay: 0 none, 1 options, 2 credits, 3 name entry
extern int vx_pell_PELL_Paused;         // 1 while the pause overlay is open
extern int vx_pell_PELL_EndofGame;      // game-over banner counter, 0 when no run is ending
extern int vx_pell_PELL_EndReason;      // 0 game over, 1 level complete, 2 quit, 3 caught

// Other shell state.
extern int vx_pell_PELL_GameNum;        // 507 after start; keys the record and sound paths
extern int vx_pell_PELL_GameType;       // difficulty of the current run: 1 Easy, 2 Normal, 3 Hard
extern int vx_pell_PELL_LastPlay;       // difficulty of the last recorded run
extern int vx_pell_PELL_LastRank;       // its place 0-4 in the top five, or -1
extern int vx_pell_HasQuit;             // 1 when the main menu offers "Quit"
extern int vx_pell_PELL_MixControls;    // 1: keyboard merged into pad 0
extern int vx_pell_PELL_DebugMode;      // frame-rate display on (setting 22)
extern int vx_pell_PELL_ScreenshotMode; // screenshot mode on (setting 23)
extern int vx_pell_PELL_CredTickA, vx_pell_PELL_CredTickB;  // credits scroll state
extern int vx_pell_PELL_Creds;          // number of credit rows
extern int vx_pell_isOuya;              // console flag; always 0 here
extern std::vector<int> vx_pell_Joy_Disable;  // 10; element j = 1 silences joystick j

// Settings, name and scores (persisted as one record).
extern std::vector<int> vx_pell_PELL_Set;       // 256 settings by index; 0-200 persisted
extern std::vector<int> vx_pell_PELL_Score;     // 10000; difficulty t owns 20 from 20t
extern std::vector<int> vx_pell_PELL_Username;  // 16 font frame numbers
extern int vx_pell_PELL_UserID;                 // user number carried in the record; 0 none
extern int vx_pell_PELL_Seed;                   // seed last given to the generator (123456 at start)

// Screen-local state and input locks.
extern std::vector<int> vx_pell_PELL_MenuPos;   // 50; each screen owns a few elements
extern std::vector<int> vx_pell_kdis;           // 50 key locks: 1 = used until released
extern std::vector<int> vx_pell_mdis;           // 50 pointer locks
extern std::vector<String> vx_pell_PELL_Cred;   // 1024 credit texts
// The pause overlay's toy: 0 ring angle, 1-2 ball, 3-4 its velocity, 5 speed,
// 6 hit cool-down, 7 ring spin, 8 rally, 9 best; hit h (1-899) of the rally
// keeps its trail point at 5h+10 (angle), 5h+11 (drift), 5h+12 (colour).
extern std::vector<float> vx_pell_paused;       // 5200

// Controls and pointer, rebuilt every update.
extern std::vector<float> vx_pell_PELL_Control; // 500: keyboard block, then joysticks 0-3
extern std::vector<float> vx_pell_PELL_Touch;   // 128: fingers 10i.., pointer at 100-102
extern int vx_pell_mdAll;                       // 1 while the pointer is down
extern int vx_pell_mx, vx_pell_my;              // pointer position, virtual units
extern int vx_pell_mwx, vx_pell_mwy;            // position at the previous update; -100 when up
extern int vx_pell_msx, vx_pell_msy;            // drag step since the previous update

// Frame-rate record: 1 updates/s, 2 renders/s, 3 sprites, 6-9 counting state,
// 48 updates and 49 renders since start.
extern std::vector<float> vx_pell_PELL_Data;    // 50

// Camera (nothing moves it in this game).
extern float vx_pell_aimx, vx_pell_aimy;
extern float vx_pell_scrx, vx_pell_scry;
extern float vx_pell_PELL_ScrollX, vx_pell_PELL_ScrollY;

void vx_shell_InitGlobals();
