// Sound decoding behind the host's LoadAudioData. (Placeholder: no decoder.)
#include "host/glfw_game.h"

unsigned char* VxGlfwGame::LoadAudioData(const String&, int*, int*, int*, int*) { return nullptr; }
