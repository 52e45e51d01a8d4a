// The OpenAL device on OpenAL Soft's null backend: channel states kept in
// step with OpenAL, suspend and resume, source reuse when OpenAL runs out,
// music, pan, buffer deletion, and a machine with no audio device at all.
#include <AL/al.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "audio/audio.h"
#include "fixtures.h"
#include "support/scratch.h"

using namespace fixture;

namespace {

class Device : public ::testing::Test {
 protected:
  // Each test is a process of its own, so the environment can be set
  // before OpenAL reads its configuration on the first device opened.
  static void UseNullBackend() { setenv("ALSOFT_DRIVERS", "null", 0); }

  void SetUp() override { UseNullBackend(); }

  // A 16-bit mono tone of `seconds`, written as a WAV file.
  std::string Tone(const std::string& name, double seconds, int rate = 22050) {
    const int frames = static_cast<int>(seconds * rate);
    Fmt f;
    f.channels = 1;
    f.hertz = rate;
    dir.Write(name, Wav(f, Tone16(frames, 1, rate)));
    return dir.File(name);
  }

  std::shared_ptr<gxtkSample> Load(gxtkAudio& audio, const std::string& path) {
    return audio.LoadSample(String(path.c_str()));
  }

  static ALint SourceState(unsigned source) {
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
  }

  // Waits (at most ten seconds) until OpenAL itself says the source stopped.
  static bool WaitUntilStopped(unsigned source) {
    for (int i = 0; i < 1000; ++i) {
      if (SourceState(source) == AL_STOPPED) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  ScratchDir dir;
  VxGlfwGame host;
};

TEST_F(Device, AFinishedSoundIsSeenAsStoppedAndLetGo) {
  gxtkAudio audio;
  ASSERT_NE(audio.alContext, nullptr);
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 1.0));
  ASSERT_TRUE(sample);
  ASSERT_EQ(audio.PlaySample(sample, 3, 0), 0);
  EXPECT_EQ(audio.ChannelState(3), 1);
  EXPECT_EQ(sample.use_count(), 2) << "the playing channel holds its sample";

  ASSERT_TRUE(WaitUntilStopped(audio.channels[3].source));
  EXPECT_EQ(audio.channels[3].state, 1) << "nothing has looked yet";
  EXPECT_EQ(audio.ChannelState(3), 0);
  EXPECT_EQ(audio.channels[3].state, 0);
  EXPECT_EQ(sample.use_count(), 1);
}

TEST_F(Device, PausingAFinishedSoundStopsIt) {
  gxtkAudio audio;
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.05));
  ASSERT_EQ(audio.PlaySample(sample, 0, 0), 0);
  ASSERT_TRUE(WaitUntilStopped(audio.channels[0].source));
  audio.PauseChannel(0);
  EXPECT_EQ(audio.channels[0].state, 0);
  audio.ResumeChannel(0);
  EXPECT_EQ(SourceState(audio.channels[0].source), AL_STOPPED) << "a stopped channel does not resume";
}

TEST_F(Device, PauseResumeAndStopFollowTheGame) {
  gxtkAudio audio;
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.5));
  audio.PlaySample(sample, 5, 1);
  const unsigned source = audio.channels[5].source;
  audio.PauseChannel(5);
  EXPECT_EQ(audio.ChannelState(5), 2);
  EXPECT_EQ(SourceState(source), AL_PAUSED);
  audio.PauseChannel(5);
  audio.ResumeChannel(5);
  EXPECT_EQ(audio.ChannelState(5), 1);
  EXPECT_EQ(SourceState(source), AL_PLAYING);
  EXPECT_EQ(audio.channels[5].flags, 1);
  audio.StopChannel(5);
  EXPECT_EQ(audio.ChannelState(5), 0);
  EXPECT_EQ(SourceState(source), AL_STOPPED);
  ALint buffer = 0;
  alGetSourcei(source, AL_BUFFER, &buffer);
  EXPECT_EQ(static_cast<unsigned>(buffer), sample->buffer) << "stopping leaves the buffer attached";
  EXPECT_EQ(sample.use_count(), 1);
}

TEST_F(Device, SuspendAndResumeLeaveWhatTheGamePausedAlone) {
  gxtkAudio audio;
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.5));
  for (int c : {0, 1, 2}) audio.PlaySample(sample, c, 1);
  audio.PlaySample(sample, VX_AUDIO_MUSIC, 1);
  audio.PauseChannel(1);

  audio.Suspend();
  for (int c : {0, 2, VX_AUDIO_MUSIC}) {
    EXPECT_EQ(SourceState(audio.channels[c].source), AL_PAUSED) << c;
    EXPECT_EQ(audio.ChannelState(c), 1) << c;
  }
  audio.PauseChannel(2);  // the game pauses one while suspended

  audio.Resume();
  for (int c : {0, VX_AUDIO_MUSIC}) EXPECT_EQ(SourceState(audio.channels[c].source), AL_PLAYING) << c;
  for (int c : {1, 2}) {
    EXPECT_EQ(SourceState(audio.channels[c].source), AL_PAUSED) << c;
    EXPECT_EQ(audio.ChannelState(c), 2) << c;
  }
}

TEST_F(Device, WithoutFreeSourcesAChannelTakesTheLowestStoppedOnesSource) {
  // Four sources: the music channel's and three for sounds.
  dir.Write("alsoft.conf", "[general]\nsources = 4\n");
  setenv("ALSOFT_CONF", dir.File("alsoft.conf").c_str(), 1);
  gxtkAudio audio;
  ASSERT_NE(audio.channels[VX_AUDIO_MUSIC].source, 0u);
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.5));
  for (int c : {0, 1, 2}) ASSERT_EQ(audio.PlaySample(sample, c, 1), 0) << c;
  const unsigned one = audio.channels[1].source, two = audio.channels[2].source;
  audio.StopChannel(2);
  audio.StopChannel(1);

  ASSERT_EQ(audio.PlaySample(sample, 9, 1), 0);
  EXPECT_EQ(audio.channels[9].source, one);
  EXPECT_EQ(audio.channels[1].source, 0u);
  audio.SetVolume(10, 0.5f);  // the setters take a source the same way
  EXPECT_EQ(audio.channels[10].source, two);
  EXPECT_EQ(audio.channels[2].source, 0u);
  ASSERT_EQ(audio.PlaySample(sample, 10, 1), 0);

  EXPECT_EQ(audio.PlaySample(sample, 11, 0), -1) << "every source is busy";
  EXPECT_EQ(audio.channels[11].source, 0u);
  EXPECT_EQ(audio.ChannelState(11), 0);
  EXPECT_EQ(SourceState(audio.channels[0].source), AL_PLAYING);
}

TEST_F(Device, MusicThatCannotLoadLeavesTheMusicStopped) {
  gxtkAudio audio;
  ASSERT_EQ(audio.PlayMusic(String(Tone("a.wav", 0.5).c_str()), 1), 0);
  EXPECT_EQ(audio.MusicState(), 1);
  EXPECT_EQ(audio.channels[VX_AUDIO_MUSIC].flags, 1);
  const unsigned source = audio.channels[VX_AUDIO_MUSIC].source;
  EXPECT_EQ(audio.PlayMusic(String(dir.File("missing.ogg").c_str()), 1), -1);
  EXPECT_EQ(audio.MusicState(), 0);
  EXPECT_EQ(SourceState(source), AL_STOPPED);
}

TEST_F(Device, PanPlacesTheSourceOnTheUnitCircle) {
  gxtkAudio audio;
  struct Case {
    float pan, x, z;
  } cases[] = {{0, 0, -1}, {1, 0.841471f, -0.540302f}, {-1, -0.841471f, -0.540302f}, {0.5f, 0.479426f, -0.877583f}};
  for (const Case& c : cases) {
    audio.SetPan(6, c.pan);
    float x = 9, y = 9, z = 9;
    alGetSource3f(audio.channels[6].source, AL_POSITION, &x, &y, &z);
    EXPECT_NEAR(x, c.x, 1e-5) << c.pan;
    EXPECT_EQ(y, 0) << c.pan;
    EXPECT_NEAR(z, c.z, 1e-5) << c.pan;
  }
  ALint model = 0;
  model = alGetInteger(AL_DISTANCE_MODEL);
  EXPECT_EQ(model, AL_NONE) << "distance never changes loudness";
}

TEST_F(Device, SamplesBecomeBuffersOfTheirFormat) {
  gxtkAudio audio;
  struct Case {
    int channels, bits;
  } cases[] = {{1, 8}, {2, 8}, {1, 16}, {2, 16}};
  for (const Case& c : cases) {
    Fmt f;
    f.channels = c.channels;
    f.bits = c.bits;
    f.hertz = 11025;
    dir.Write("f.wav", Wav(f, Pattern(1000)));
    std::shared_ptr<gxtkSample> sample = Load(audio, dir.File("f.wav"));
    ASSERT_TRUE(sample);
    ALint channels = 0, bits = 0, hertz = 0, size = 0;
    alGetBufferi(sample->buffer, AL_CHANNELS, &channels);
    alGetBufferi(sample->buffer, AL_BITS, &bits);
    alGetBufferi(sample->buffer, AL_FREQUENCY, &hertz);
    alGetBufferi(sample->buffer, AL_SIZE, &size);
    EXPECT_EQ(channels, c.channels);
    EXPECT_EQ(bits, c.bits);
    EXPECT_EQ(hertz, 11025);
    EXPECT_EQ(size, 1000 / (c.channels * c.bits / 8) * (c.channels * c.bits / 8));
  }
  EXPECT_FALSE(Load(audio, dir.File("missing.wav")));
}

TEST_F(Device, AReleasedSampleKeepsItsBufferUntilItsChannelHasStopped) {
  gxtkAudio audio;
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.3));
  std::shared_ptr<gxtkSample> other = Load(audio, Tone("u.wav", 0.1));
  const unsigned buffer = sample->buffer;
  audio.PlaySample(sample, 4, 0);
  sample.reset();
  audio.PlaySample(other, 5, 0);  // a play flushes what is discarded
  EXPECT_TRUE(alIsBuffer(buffer)) << "still playing";

  ASSERT_TRUE(WaitUntilStopped(audio.channels[4].source));
  audio.PlaySample(other, 5, 0);
  EXPECT_FALSE(alIsBuffer(buffer));
  EXPECT_TRUE(gxtkAudio::discarded.empty());
}

TEST_F(Device, ADiscardedBufferWaitsWhileASourceStillHasIt) {
  gxtkAudio audio;
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.3));
  const unsigned buffer = sample->buffer;
  audio.PlaySample(sample, 4, 1);
  sample->Discard();
  EXPECT_EQ(sample->buffer, 0u);
  FlushDiscarded();
  EXPECT_TRUE(alIsBuffer(buffer));
  EXPECT_EQ(SourceState(audio.channels[4].source), AL_PLAYING);
  ASSERT_EQ(gxtkAudio::discarded.size(), 1u);

  audio.PlaySample(Load(audio, Tone("u.wav", 0.1)), 4, 0);  // the source lets go of it
  FlushDiscarded();
  EXPECT_FALSE(alIsBuffer(buffer));
  EXPECT_TRUE(gxtkAudio::discarded.empty());
}

TEST_F(Device, ReplacedTunesDoNotPileUp) {
  gxtkAudio audio;
  const String tune(Tone("tune.wav", 0.5).c_str());
  // OpenAL hands out freed names again, so count the buffers alive.
  auto buffers = [] {
    int n = 0;
    for (unsigned name = 1; name < 100; ++name) n += alIsBuffer(name) ? 1 : 0;
    return n;
  };
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(audio.PlayMusic(tune, 1), 0);
    EXPECT_LE(gxtkAudio::discarded.size(), 1u) << i;
    EXPECT_LE(buffers(), 2) << "the playing tune and at most the one before it";
  }
}

TEST_F(Device, ChannelNumbersOutsideTheTableAreIgnored) {
  gxtkAudio audio;
  std::shared_ptr<gxtkSample> sample = Load(audio, Tone("t.wav", 0.1));
  for (int c : {-1, 33, 1000}) {
    EXPECT_EQ(audio.PlaySample(sample, c, 0), -1) << c;
    audio.SetVolume(c, 1);
    audio.SetPan(c, 1);
    audio.SetRate(c, 1);
    audio.PauseChannel(c);
    audio.ResumeChannel(c);
    audio.StopChannel(c);
    EXPECT_EQ(audio.ChannelState(c), 0) << c;
  }
  EXPECT_EQ(audio.PlaySample(nullptr, 0, 0), -1);
}

TEST_F(Device, ModuleFunctionsReachTheDevice) {
  vx_audio_InitGlobals();
  const String path(Tone("t.wav", 0.5).c_str());
  // Before the device exists nothing happens.
  EXPECT_EQ(vx_audio_LoadSound(path), nullptr);
  EXPECT_EQ(vx_audio_PlayMusic(path, 1), -1);
  vx_audio_PlaySound(nullptr, 0, 0);
  vx_audio_StopMusic();

  gxtkAudio audio;
  vx_audio_SetAudioDevice(&audio);
  c_Sound* sound = vx_audio_LoadSound(path);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(vx_audio_LoadSound(String(dir.File("missing.wav").c_str())), nullptr);
  vx_audio_PlaySound(sound, 7, 1);
  EXPECT_EQ(audio.ChannelState(7), 1);
  vx_audio_SetChannelVolume(7, 0.25f);
  vx_audio_SetChannelRate(7, 1.5f);
  vx_audio_SetChannelPan(7, 1);
  float gain = 0, pitch = 0, x = 0, y = 0, z = 0;
  alGetSourcef(audio.channels[7].source, AL_GAIN, &gain);
  alGetSourcef(audio.channels[7].source, AL_PITCH, &pitch);
  alGetSource3f(audio.channels[7].source, AL_POSITION, &x, &y, &z);
  EXPECT_FLOAT_EQ(gain, 0.25f);
  EXPECT_FLOAT_EQ(pitch, 1.5f);
  EXPECT_NEAR(x, 0.841471f, 1e-5);
  vx_audio_StopChannel(7);
  EXPECT_EQ(audio.ChannelState(7), 0);

  EXPECT_EQ(vx_audio_PlayMusic(path, 1), 0);
  vx_audio_SetMusicVolume(0.5f);
  alGetSourcef(audio.channels[VX_AUDIO_MUSIC].source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.5f);
  vx_audio_PauseMusic();
  EXPECT_EQ(audio.MusicState(), 2);
  vx_audio_ResumeMusic();
  EXPECT_EQ(audio.MusicState(), 1);
  vx_audio_StopMusic();
  EXPECT_EQ(audio.MusicState(), 0);
  delete sound;
}

TEST_F(Device, WithNoAudioDeviceTheGameRunsSilently) {
  setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
  testing::internal::CaptureStdout();
  gxtkAudio audio;
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "OpenAl error: alcOpenDevice failed\n");
  EXPECT_EQ(audio.alDevice, nullptr);
  EXPECT_EQ(audio.alContext, nullptr);
  const String path(Tone("t.wav", 0.1).c_str());
  std::shared_ptr<gxtkSample> sample = audio.LoadSample(path);
  ASSERT_TRUE(sample) << "decoding needs no device";
  EXPECT_EQ(audio.PlaySample(sample, 0, 1), -1);
  EXPECT_EQ(audio.ChannelState(0), 0);
  audio.SetVolume(0, 1);
  audio.SetPan(0, 1);
  audio.SetRate(0, 1);
  audio.PauseChannel(0);
  audio.ResumeChannel(0);
  EXPECT_EQ(audio.PlayMusic(path, 1), -1);
  EXPECT_EQ(audio.MusicState(), 0);
  audio.Suspend();
  audio.Resume();
  sample->Discard();
  FlushDiscarded();
}

}  // namespace
