// Process entry: everything else is in the library.
#include "host/glfw_game.h"

int main(int argc, char** argv) {
  VxQuibexGame::Main(argc, argv);
  return 0;
}
