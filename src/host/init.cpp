// Start-up in its fixed order: GLFW, the host object, the module globals,
// the application, then the host loop.
#include "host/init.h"

#include <GLFW/glfw3.h>

#include <clocale>
#include <csignal>

#include "audio/audio.h"
#include "game/globals.h"
#include "graphics/graphics.h"
#include "host/errors.h"
#include "host/glfw_game.h"
#include "host/platform.h"
#include "input/input.h"
#include "shell/globals.h"
#include "shell/mygame.h"
#include "toolkit/globals.h"

int vxInit() {
  vx_host_InitGlobals();
  vx_graphics_InitGlobals();
  vx_audio_InitGlobals();
  vx_input_InitGlobals();
  vx_toolkit_InitGlobals();
  vx_shell_InitGlobals();
  vx_game_InitGlobals();
  return 0;
}

int vxMain() {
  (new c_MyGame())->m_new();
  return 0;
}

// Objects made at start (the host, the application, its devices, loaded
// assets) are held by their owners for the whole process and released by
// the operating system at exit; the rest are values.
int vx_std_main(int, char**) {
  vxHostInstallSignal(SIGSEGV, sighandler);
  vxHostInstallSignal(SIGILL, sighandler);
  vxHostInstallSignal(SIGFPE, sighandler);
  if (!std::setlocale(LC_CTYPE, "en_US.UTF-8")) std::setlocale(LC_CTYPE, "");
  vxInit();
  vxMain();
  return 0;
}

int VxQuibexGame::Main(int argc, char** argv) {
  glfwSetErrorCallback(onGlfwError);
  if (!glfwInit()) {
    vxPrint("glfwInit failed");
    vxHostExit(-1);
  }
  VxQuibexGame* game = new VxQuibexGame();
  try {
    vx_std_main(argc, argv);
  } catch (VxThrowable& e) {
    glfwTerminate();
    game->Die(e);
  }
  if (game->Delegate()) game->Run();
  glfwTerminate();
  return 0;
}
