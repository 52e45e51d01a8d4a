// The host module's globals: the app module's view of the host and the
// game, the random generator's state and the context counter. Defined in
// globals.cpp; vx_host_InitGlobals gives them their start values.
#pragma once

#include <memory>
#include <vector>

#include "host/app_types.h"

class VxGame;
class c_App;
class c_GameDelegate;

extern c_App* vx_app__app;                 // the registered application (c_App::m_new)
extern c_GameDelegate* vx_app__delegate;   // its delegate, made by c_App::m_new
extern VxGame* vx_app__game;               // the host, copied from VxGame::_game
extern int vx_app__devWidth;               // window size as last seen by the app module
extern int vx_app__devHeight;
extern int vx_app__updateRate;             // last rate asked for by the game
extern std::vector<c_DisplayMode> vx_app__displayModes;        // primary monitor's sizes, at start
extern std::unique_ptr<c_DisplayMode> vx_app__desktopMode;     // desktop size, at start; null before

extern int vx_random_Seed;   // the generator's whole state; game code may assign it

// Bumped for every new window (and so every new OpenGL context); surfaces
// compare it with the value at which they uploaded their texture.
extern int glfwGraphicsSeq;

void vx_host_InitGlobals();
