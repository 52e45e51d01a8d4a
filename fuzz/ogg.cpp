// The Ogg Vorbis reader behind LoadAudioData on any file, with the same
// check on what it returns as the WAV reader.
#include "fuzz/harness.h"
#include "fuzz/sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::CheckSound("in.ogg", data, size);
  return 0;
}
