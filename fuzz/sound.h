// The desktop host's LoadAudioData on a fuzzed file, and the checks on a
// sound it accepts, shared by the WAV and the Ogg target.
#pragma once

#include "fuzz/harness.h"
#include "host/glfw_game.h"
#include "host/init.h"

namespace fuzz {

inline void CheckSound(const char* name, const uint8_t* data, size_t size) {
  static VxGlfwGame* host = [] {
    VxGlfwGame* h = new VxGlfwGame();
    vxInit();
    return h;
  }();
  const std::string path = WriteInput(name, data, size);
  int length = -1, channels = -1, format = -1, hertz = -1;
  unsigned char* samples = host->LoadAudioData(String(path.c_str()), &length, &channels, &format, &hertz);
  if (!samples) return;
  if (length < 0 || channels < 1 || hertz < 1 || (format != 1 && format != 2))
    Fail("a sound was accepted with an impossible shape");
  Touch(samples, static_cast<size_t>(length) * static_cast<size_t>(channels) * static_cast<size_t>(format));
  std::free(samples);
}

}  // namespace fuzz
