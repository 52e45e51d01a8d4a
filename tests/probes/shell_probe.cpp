// Child process for the shell tests: the whole game on the desktop host,
// updated by hand with key events put into the real input device, for the
// paths that end the program. "quit": through loading, down to "Quit" in the
// main menu and confirm it.
#include <GLFW/glfw3.h>

#include <cstdio>
#include <string>

#include "host/glfw_game.h"
#include "host/init.h"
#include "input/input.h"
#include "shell/globals.h"
#include "shell/mygame.h"

namespace {

VxQuibexGame* host = nullptr;

void Press(int key) {
  vx_input_device->p_KeyEvent(EVENT_KEY_DOWN, key);
  host->UpdateGame();
  vx_input_device->p_KeyEvent(EVENT_KEY_UP, key);
  host->UpdateGame();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) != "quit") return 2;
  if (!glfwInit()) return 4;
  host = new VxQuibexGame();
  vxInit();
  (new c_MyGame())->m_new();
  host->SetDeviceWindow(640, 480, DISPLAY_RESIZABLE | DISPLAY_DECORATED);
  host->StartGame();
  for (int i = 0; i < 62; ++i) host->UpdateGame();
  for (int i = 0; i < 3; ++i) Press(KEY_DOWN);
  std::printf("cursor %d%s\n", vx_pell_PELL_MenuPos[1], vx_pell_PELL_MenuPos[1] == 3 ? " on Quit" : "");
  std::fflush(stdout);
  vx_input_device->p_KeyEvent(EVENT_KEY_DOWN, KEY_ENTER);
  host->UpdateGame();
  std::printf("still running\n");
  return 3;
}
