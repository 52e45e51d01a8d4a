// Image decoding behind the host's LoadImageData. (Placeholder: no decoder.)
#include "host/glfw_game.h"

unsigned char* VxGlfwGame::LoadImageData(const String&, int*, int*, int*) { return nullptr; }
