// Definitions and start values of the host module's globals.
#include "host/globals.h"

#include "host/game.h"

c_App* vx_app__app = nullptr;
c_GameDelegate* vx_app__delegate = nullptr;
VxGame* vx_app__game = nullptr;
int vx_app__devWidth = 0;
int vx_app__devHeight = 0;
int vx_app__updateRate = 0;
std::vector<c_DisplayMode> vx_app__displayModes;
std::unique_ptr<c_DisplayMode> vx_app__desktopMode;
int vx_random_Seed = 0;
int glfwGraphicsSeq = 0;

void vx_host_InitGlobals() {
  vx_app__app = nullptr;
  vx_app__delegate = nullptr;
  vx_app__game = VxGame::_game;
  vx_app__devWidth = 0;
  vx_app__devHeight = 0;
  vx_app__updateRate = 0;
  vx_app__displayModes.clear();
  vx_app__desktopMode.reset();
  vx_random_Seed = 1234;
}
