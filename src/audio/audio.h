// Audio module: the OpenAL device with its 32 sound channels and the music
// channel, loaded samples, and the vx_audio_ functions game code calls.
// Samples are shared: a channel holds the one it plays, so a released tune
// lives until its channel stops; its buffer is then deleted lazily.
#pragma once

#include <AL/alc.h>

#include <memory>
#include <vector>

#include "host/string.h"

// One OpenAL buffer of decoded sound. When it goes (Discard or the last
// holder letting go) the buffer name waits in gxtkAudio::discarded, since
// OpenAL refuses to delete a buffer a source still has attached.
class gxtkSample {
 public:
  unsigned buffer = 0;  // OpenAL buffer name; 0 = none

  gxtkSample() = default;
  explicit gxtkSample(unsigned buffer) : buffer(buffer) {}
  gxtkSample(const gxtkSample&) = delete;
  gxtkSample& operator=(const gxtkSample&) = delete;
  virtual ~gxtkSample();
  virtual void Discard();
  // Takes the buffer; a previous one is discarded.
  void SetBuffer(unsigned buffer);
};

struct gxtkChannel {
  unsigned source = 0;                  // OpenAL source name; 0 until first use
  std::shared_ptr<gxtkSample> sample;   // what it last played, held until it is seen to stop
  int flags = 0;                        // flags of the last start (non-zero = looping)
  int state = 0;                        // 0 stopped, 1 playing, 2 paused, as last known

  // The channel's source, made or taken from a stopped sound channel when
  // it has none yet; 0 when OpenAL has none to give.
  unsigned AL_Source();
};

constexpr int VX_AUDIO_CHANNELS = 32;  // sound channels 0-31
constexpr int VX_AUDIO_MUSIC = 32;     // the music channel's entry

class gxtkAudio {
 public:
  static gxtkAudio* audio;                 // the one device, set by the constructor
  static std::vector<unsigned> discarded;  // buffer names waiting for deletion

  ALCdevice* alDevice = nullptr;    // null when no device could be opened
  ALCcontext* alContext = nullptr;  // null when none could be made
  gxtkChannel channels[VX_AUDIO_CHANNELS + 1];  // 0-31 sounds, 32 music

  // Opens the default device (with fallbacks). Without one the device
  // stays silent: every call below then does nothing useful, and never fails.
  gxtkAudio();
  virtual ~gxtkAudio();

  virtual void Suspend();
  virtual void Resume();
  virtual std::shared_ptr<gxtkSample> LoadSample(const String& path);
  virtual bool LoadSample__UNSAFE__(gxtkSample* sample, const String& path);
  // 0, or -1 when no source can be had for the channel.
  virtual int PlaySample(const std::shared_ptr<gxtkSample>& sample, int channel, int flags);
  virtual void StopChannel(int channel);
  virtual void PauseChannel(int channel);
  virtual void ResumeChannel(int channel);
  virtual int ChannelState(int channel);
  virtual void SetVolume(int channel, float volume);
  virtual void SetPan(int channel, float pan);
  virtual void SetRate(int channel, float rate);
  // 0, or -1 when the tune cannot be loaded or played.
  virtual int PlayMusic(const String& path, int flags);
  virtual void StopMusic();
  virtual void PauseMusic();
  virtual void ResumeMusic();
  virtual int MusicState();
  virtual void SetMusicVolume(float volume);
};

// Deletes the discarded buffers no source holds any more; the rest wait.
void FlushDiscarded();

class c_Sound {
 public:
  std::shared_ptr<gxtkSample> m_sample;
  c_Sound* m_new(std::shared_ptr<gxtkSample> sample) {
    m_sample = std::move(sample);
    return this;
  }
};

extern gxtkAudio* vx_audio_device;  // the audio device, set by the delegate at start
// Largest decoded sound, in bytes, the loaders accept (a guard against files
// that claim or unpack to absurd sizes); set by vx_audio_InitGlobals.
extern long long vx_audio_maxDecodedBytes;

void vx_audio_InitGlobals();
void vx_audio_SetAudioDevice(gxtkAudio* device);
// Null when the file cannot be loaded. Bare paths are data paths.
c_Sound* vx_audio_LoadSound(const String& path);
void vx_audio_PlaySound(c_Sound* sound, int channel, int flags);
void vx_audio_StopChannel(int channel);
void vx_audio_SetChannelVolume(int channel, float volume);
void vx_audio_SetChannelPan(int channel, float pan);
void vx_audio_SetChannelRate(int channel, float rate);
int vx_audio_PlayMusic(const String& path, int flags);
void vx_audio_StopMusic();
void vx_audio_PauseMusic();
void vx_audio_ResumeMusic();
void vx_audio_SetMusicVolume(float volume);
