// The WAV reader behind LoadAudioData on any file. Whatever it accepts must
// hold as many bytes as it claims: the audio device hands exactly
// length x channels x bytes per sample to OpenAL.
#include "fuzz/harness.h"
#include "fuzz/sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::CheckSound("in.wav", data, size);
  return 0;
}
