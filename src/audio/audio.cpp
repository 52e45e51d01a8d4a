// The OpenAL device: opening it, channels and their lazily made sources,
// playback state kept in step with OpenAL, samples and the deferred
// deletion of their buffers, and the vx_audio_ functions over the device.
// Decoding lives behind the host's LoadAudioData (host/audio_data.cpp).
#include "audio/audio.h"

#include <AL/al.h>

#include <climits>
#include <cmath>
#include <cstdlib>

#include "host/errors.h"
#include "host/game.h"

// ---------------------------------------------------------------------------
// [SECTION] Globals

gxtkAudio* gxtkAudio::audio = nullptr;
std::vector<unsigned> gxtkAudio::discarded;

// 256 MiB is about 25 minutes of 44.1 kHz stereo: far beyond any sound or
// tune of the game, and well inside what OpenAL takes in one buffer.
static const long long kMaxDecodedBytes = 256ll << 20;

gxtkAudio* vx_audio_device = nullptr;
long long vx_audio_maxDecodedBytes = kMaxDecodedBytes;

void vx_audio_InitGlobals() {
  vx_audio_device = nullptr;
  vx_audio_maxDecodedBytes = kMaxDecodedBytes;
}

// ---------------------------------------------------------------------------
// [SECTION] Helpers

// AL_INITIAL for a channel without a source (or without a context).
static ALint SourceState(unsigned source) {
  ALint state = AL_INITIAL;
  if (source) alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state;
}

// Numbers outside 0-32 are outside the contract; they are ignored rather
// than read past the table.
static gxtkChannel* ChannelAt(gxtkAudio* audio, int channel) {
  return channel >= 0 && channel <= VX_AUDIO_MUSIC ? &audio->channels[channel] : nullptr;
}

// A stopped channel no longer keeps its sample alive.
static void MarkStopped(gxtkChannel& c) {
  c.state = 0;
  c.sample.reset();
}

// ---------------------------------------------------------------------------
// [SECTION] Samples

gxtkSample::~gxtkSample() {
  if (buffer) gxtkAudio::discarded.push_back(buffer);
}

void gxtkSample::Discard() {
  if (!buffer) return;
  gxtkAudio::discarded.push_back(buffer);
  buffer = 0;
}

void gxtkSample::SetBuffer(unsigned name) {
  if (name == buffer) return;
  Discard();
  buffer = name;
}

void FlushDiscarded() {
  std::vector<unsigned>& names = gxtkAudio::discarded;
  gxtkAudio* audio = gxtkAudio::audio;
  // Sounds that ended by themselves let go of their samples first, so a
  // finished tune's buffer can go in this same pass.
  if (audio) {
    for (gxtkChannel& c : audio->channels)
      if (c.sample && c.state != 0 && SourceState(c.source) == AL_STOPPED) c.sample.reset();
  }
  if (names.empty()) return;
  if (audio) {
    for (gxtkChannel& c : audio->channels)
      if (c.state != 0 && SourceState(c.source) == AL_STOPPED) alSourcei(c.source, AL_BUFFER, 0);
  }
  size_t kept = 0;
  for (unsigned name : names) {
    ALuint n = name;
    alGetError();
    alDeleteBuffers(1, &n);
    // Still attached somewhere: try again later. A name OpenAL no longer
    // knows is dropped, or the list would only ever grow.
    if (alGetError() != AL_NO_ERROR && alIsBuffer(n)) names[kept++] = name;
  }
  names.resize(kept);
}

// ---------------------------------------------------------------------------
// [SECTION] Device and channels

unsigned gxtkChannel::AL_Source() {
  if (source) return source;
  ALuint made = 0;
  alGetError();
  alGenSources(1, &made);
  if (alGetError() == AL_NO_ERROR && made) return source = made;
  // OpenAL has no more: take the source of the first stopped sound channel.
  gxtkAudio* audio = gxtkAudio::audio;
  if (!audio) return 0;
  for (int i = 0; i < VX_AUDIO_CHANNELS; ++i) {
    gxtkChannel& donor = audio->channels[i];
    if (donor.source && audio->ChannelState(i) == 0) {
      source = donor.source;
      donor.source = 0;
      return source;
    }
  }
  return 0;
}

gxtkAudio::gxtkAudio() {
  audio = this;
  // The two fallback names are those of another OpenAL; OpenAL Soft either
  // opens its default device or none, so no further names are tried.
  alDevice = alcOpenDevice(nullptr);
  if (!alDevice) alDevice = alcOpenDevice("Generic Hardware");
  if (!alDevice) alDevice = alcOpenDevice("Generic Software");
  if (!alDevice) {
    vxPrint("OpenAl error: alcOpenDevice failed");
  } else {
    alContext = alcCreateContext(alDevice, nullptr);
    if (!alContext)
      vxPrint("OpenAl error: alcCreateContext failed");
    else if (!alcMakeContextCurrent(alContext))
      vxPrint("OpenAl error: alcMakeContextCurrent failed");
  }
  // Positions only steer panning; distance never changes loudness.
  alDistanceModel(AL_NONE);
  channels[VX_AUDIO_MUSIC].AL_Source();
}

// The game never closes OpenAL; only a test makes a device and drops it.
gxtkAudio::~gxtkAudio() {
  if (audio == this) audio = nullptr;
}

void gxtkAudio::Suspend() {
  for (gxtkChannel& c : channels)
    if (c.state == 1 && SourceState(c.source) == AL_PLAYING) alSourcePause(c.source);
}

// Channels the game paused itself (state 2) were left alone by Suspend and
// stay paused here.
void gxtkAudio::Resume() {
  for (gxtkChannel& c : channels)
    if (c.state == 1 && SourceState(c.source) == AL_PAUSED) alSourcePlay(c.source);
}

std::shared_ptr<gxtkSample> gxtkAudio::LoadSample(const String& path) {
  FlushDiscarded();
  auto sample = std::make_shared<gxtkSample>();
  if (!LoadSample__UNSAFE__(sample.get(), path)) return nullptr;
  return sample;
}

// A combination OpenAL has no format for (more than two channels) still
// loads, into a buffer OpenAL leaves empty, so it plays nothing.
bool gxtkAudio::LoadSample__UNSAFE__(gxtkSample* sample, const String& path) {
  if (!sample || !VxGame::_game) return false;
  int length = 0, chans = 0, format = 0, hertz = 0;
  unsigned char* data = VxGame::_game->LoadAudioData(path, &length, &chans, &format, &hertz);
  if (!data) return false;
  const long long bytes = static_cast<long long>(chans) * length * format;
  if (bytes < 0 || bytes > INT_MAX) {
    std::free(data);
    return false;
  }
  ALenum alFormat = 0;
  if (format == 1 && chans == 1) alFormat = AL_FORMAT_MONO8;
  if (format == 1 && chans == 2) alFormat = AL_FORMAT_STEREO8;
  if (format == 2 && chans == 1) alFormat = AL_FORMAT_MONO16;
  if (format == 2 && chans == 2) alFormat = AL_FORMAT_STEREO16;
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  if (buffer) alBufferData(buffer, alFormat, data, static_cast<ALsizei>(bytes), hertz);
  std::free(data);
  sample->SetBuffer(buffer);
  return true;
}

int gxtkAudio::PlaySample(const std::shared_ptr<gxtkSample>& sample, int channel, int flags) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (!c || !sample) return -1;
  FlushDiscarded();
  const ALuint source = c->AL_Source();
  if (!source) return -1;
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, static_cast<ALint>(sample->buffer));
  alSourcei(source, AL_LOOPING, flags != 0 ? AL_TRUE : AL_FALSE);
  alSourcePlay(source);
  c->sample = sample;
  c->state = 1;
  c->flags = flags;
  return 0;
}

// The buffer stays attached; the next play replaces it.
void gxtkAudio::StopChannel(int channel) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (!c || c->state == 0) return;
  alSourceStop(c->source);
  MarkStopped(*c);
}

void gxtkAudio::PauseChannel(int channel) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (!c || c->state != 1) return;
  if (SourceState(c->source) == AL_STOPPED) {
    MarkStopped(*c);
    return;
  }
  alSourcePause(c->source);
  c->state = 2;
}

void gxtkAudio::ResumeChannel(int channel) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (!c || c->state != 2) return;
  alSourcePlay(c->source);
  c->state = 1;
}

int gxtkAudio::ChannelState(int channel) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (!c) return 0;
  if (c->state == 1 && SourceState(c->source) == AL_STOPPED) MarkStopped(*c);
  return c->state;
}

void gxtkAudio::SetVolume(int channel, float volume) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (c && c->AL_Source()) alSourcef(c->source, AL_GAIN, volume);
}

// The pan is an angle in radians on the unit circle in front of the
// listener: 0 ahead, positive to the right. Only mono buffers are placed.
void gxtkAudio::SetPan(int channel, float pan) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (c && c->AL_Source()) alSource3f(c->source, AL_POSITION, std::sin(pan), 0.0f, -std::cos(pan));
}

void gxtkAudio::SetRate(int channel, float rate) {
  gxtkChannel* c = ChannelAt(this, channel);
  if (c && c->AL_Source()) alSourcef(c->source, AL_PITCH, rate);
}

// Tunes are decoded whole and played from one buffer, not streamed.
int gxtkAudio::PlayMusic(const String& path, int flags) {
  StopMusic();
  std::shared_ptr<gxtkSample> sample = LoadSample(path);
  if (!sample) return -1;
  return PlaySample(sample, VX_AUDIO_MUSIC, flags);
}

void gxtkAudio::StopMusic() { StopChannel(VX_AUDIO_MUSIC); }
void gxtkAudio::PauseMusic() { PauseChannel(VX_AUDIO_MUSIC); }
void gxtkAudio::ResumeMusic() { ResumeChannel(VX_AUDIO_MUSIC); }
int gxtkAudio::MusicState() { return ChannelState(VX_AUDIO_MUSIC); }
void gxtkAudio::SetMusicVolume(float volume) { SetVolume(VX_AUDIO_MUSIC, volume); }

// ---------------------------------------------------------------------------
// [SECTION] Audio module
// Before the delegate has made the device, these do nothing.

void vx_audio_SetAudioDevice(gxtkAudio* device) { vx_audio_device = device; }

c_Sound* vx_audio_LoadSound(const String& path) {
  if (!vx_audio_device) return nullptr;
  std::shared_ptr<gxtkSample> sample = vx_audio_device->LoadSample(vx_data_FixDataPath(path));
  if (!sample) return nullptr;
  return (new c_Sound())->m_new(std::move(sample));
}

void vx_audio_PlaySound(c_Sound* sound, int channel, int flags) {
  if (vx_audio_device && sound && sound->m_sample) vx_audio_device->PlaySample(sound->m_sample, channel, flags);
}

void vx_audio_StopChannel(int channel) {
  if (vx_audio_device) vx_audio_device->StopChannel(channel);
}

void vx_audio_SetChannelVolume(int channel, float volume) {
  if (vx_audio_device) vx_audio_device->SetVolume(channel, volume);
}

void vx_audio_SetChannelPan(int channel, float pan) {
  if (vx_audio_device) vx_audio_device->SetPan(channel, pan);
}

void vx_audio_SetChannelRate(int channel, float rate) {
  if (vx_audio_device) vx_audio_device->SetRate(channel, rate);
}

int vx_audio_PlayMusic(const String& path, int flags) {
  if (!vx_audio_device) return -1;
  return vx_audio_device->PlayMusic(vx_data_FixDataPath(path), flags);
}

void vx_audio_StopMusic() {
  if (vx_audio_device) vx_audio_device->StopMusic();
}

void vx_audio_PauseMusic() {
  if (vx_audio_device) vx_audio_device->PauseMusic();
}

void vx_audio_ResumeMusic() {
  if (vx_audio_device) vx_audio_device->ResumeMusic();
}

void vx_audio_SetMusicVolume(float volume) {
  if (vx_audio_device) vx_audio_device->SetMusicVolume(volume);
}
