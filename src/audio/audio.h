// Audio module: the audio device and the vx_audio_ functions.
// (Placeholder device: silent.)
#pragma once

class gxtkAudio {
 public:
  void Suspend() {}
  void Resume() {}
};

extern gxtkAudio* vx_audio_device;  // the audio device, set by the delegate at start

void vx_audio_InitGlobals();
