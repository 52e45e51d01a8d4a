// Placeholder audio device until the OpenAL one lands.
#include "audio/audio.h"

gxtkAudio* vx_audio_device = nullptr;

void vx_audio_InitGlobals() { vx_audio_device = nullptr; }
