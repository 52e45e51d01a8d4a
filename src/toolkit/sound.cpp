// Sound effects by slot number and tunes by name, with the settings'
// volumes. Every rate -1 play steps the game's random generator, so sound
// calls take part in the game's random sequence.
#include "toolkit/sound.h"

#include "audio/audio.h"
#include "host/random.h"
#include "shell/globals.h"
#include "toolkit/globals.h"

namespace {
float Clamp(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }
}  // namespace

void vx_pell_LoadSFX(int n) {
  if (n < 0 || n > 99) return;
  delete vx_pell_PELL_SFX[n];
  vx_pell_PELL_SFX[n] = nullptr;
  const String num = String::FromInt(n);
  String path;
  if (n < 10)
    path = String::FromInt(vx_pell_PELL_GameNum) + "/sfx/00" + num + ".wav";
  else if (n <= 69)
    path = String::FromInt(vx_pell_PELL_GameNum) + "/sfx/0" + num + ".wav";
  else
    path = "common/0" + num + ".wav";
  vx_pell_PELL_SFX[n] = vx_audio_LoadSound(path);
}

void vx_pell_PlaySFX(int n, float rate, float volume, float pan) {
  if (rate == -1.0f) {
    const float r = vx_random_Rnd();
    rate = n <= 90 ? static_cast<float>(r * 0.59999996L + 0.7L) : 1.0f;
  } else {
    rate = Clamp(rate, 0.4f, 3.0f);
  }
  volume = Clamp(volume, 0.0f, 0.99f);
  pan = Clamp(pan, -1.0f, 1.0f);
  int& effects = vx_pell_PELL_Set[1];
  effects = effects < 0 ? 0 : (effects > 10 ? 10 : effects);
  if (n < 0 || n > 99 || !vx_pell_PELL_SFX[n]) return;

  vx_pell_PELL_LChan = (vx_pell_PELL_LChan + 1) % 32;
  const int c = vx_pell_PELL_LChan;
  if (vx_audio_device && vx_audio_device->ChannelState(c) != 0) vx_audio_StopChannel(c);
  vx_audio_PlaySound(vx_pell_PELL_SFX[n], c, 0);
  vx_audio_SetChannelRate(c, rate);
  vx_audio_SetChannelVolume(c, static_cast<float>(volume * (effects * 0.1L)));
  vx_audio_SetChannelPan(c, pan);
}

void vx_pell_PlayTune(const String& requested, int flags) {
  String name = requested;
  if (name == String("-1") && !vx_pell_PELL_LastTune.Empty()) name = vx_pell_PELL_LastTune;
  if (name.Empty()) return;
  vx_pell_PELL_LastTune = name;
  if (vx_pell_PELL_MusicPlaying != 0) {
    vx_audio_StopMusic();
    vx_pell_PELL_MusicPlaying = 0;
  }
  vx_audio_PlayMusic(String::FromInt(vx_pell_PELL_GameNum) + "/sfx/" + name + ".ogg", flags);
  // Playing even when the tune failed to load: pause and resume then act
  // on a silent channel harmlessly.
  vx_pell_PELL_MusicPlaying = 1;
  int& music = vx_pell_PELL_Set[0];
  float volume;
  if (music < 0) {
    music = 0;
    volume = 0;
  } else if (music <= 10) {
    volume = static_cast<float>(music * 0.0999L);
  } else {
    music = 10;
    volume = 0.999f;
  }
  vx_audio_SetMusicVolume(volume);
}

void vx_pell_PauseTune() {
  if (vx_pell_PELL_MusicPlaying != 1) return;
  vx_pell_PELL_MusicPlaying = 2;
  vx_audio_PauseMusic();
}

void vx_pell_ResumeTune() {
  if (vx_pell_PELL_MusicPlaying != 2) return;
  vx_pell_PELL_MusicPlaying = 1;
  vx_audio_ResumeMusic();
}

void vx_pell_StopTune() {
  vx_audio_StopMusic();
  vx_pell_PELL_MusicPlaying = 0;
}
