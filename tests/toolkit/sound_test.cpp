// Sound effects and tunes on OpenAL Soft's null backend, with the game's
// own data files.
#include <AL/al.h>
#include <gtest/gtest.h>

#include "audio/audio.h"
#include "host/glfw_game.h"
#include "host/init.h"
#include "host/random.h"
#include "shell/globals.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"

namespace {

class Sounds : public ::testing::Test {
 protected:
  void SetUp() override {
    vxInit();
    vx_pell_PELL_GameNum = 507;
    audio = new gxtkAudio();
    vx_audio_device = audio;
    ASSERT_NE(audio->alContext, nullptr) << "needs OpenAL Soft (ALSOFT_DRIVERS=null)";
    vx_pell_PELL_Set[0] = 7;
    vx_pell_PELL_Set[1] = 7;
    vx_pell_LoadSFX(3);
    vx_pell_LoadSFX(98);
    ASSERT_NE(vx_pell_PELL_SFX[3], nullptr);
    ASSERT_NE(vx_pell_PELL_SFX[98], nullptr);
  }
  float Source(int channel, ALenum what) {
    float v = -1;
    alGetSourcef(audio->channels[channel].source, what, &v);
    return v;
  }
  VxGlfwGame host;  // resolves the data folder beside the test program
  gxtkAudio* audio = nullptr;
};

TEST_F(Sounds, RandomPitchAndTheEffectsVolume) {
  vx_random_Seed = 1234;
  vx_pell_PlaySFX(3);
  const int c = vx_pell_PELL_LChan;
  EXPECT_EQ(c, 1);
  EXPECT_NEAR(Source(c, AL_GAIN), 0.99 * 0.7, 1e-4);
  // The pitch comes from the game's generator: the first draw from 1234.
  EXPECT_NEAR(Source(c, AL_PITCH), 0.7143 * 0.6 + 0.7, 1e-3);
  EXPECT_NE(vx_random_Seed, 1234);

  vx_pell_PlaySFX(98);  // shared sounds above 90 keep their pitch
  EXPECT_FLOAT_EQ(Source(vx_pell_PELL_LChan, AL_PITCH), 1.0f);

  vx_pell_PlaySFX(3, 5, 2, -3);
  const int d = vx_pell_PELL_LChan;
  EXPECT_FLOAT_EQ(Source(d, AL_PITCH), 3.0f);
  EXPECT_NEAR(Source(d, AL_GAIN), 0.99 * 0.7, 1e-4);
  float pos[3];
  alGetSourcefv(audio->channels[d].source, AL_POSITION, pos);
  EXPECT_LT(pos[0], -0.8f);  // pan clamped to -1: hard left
}

TEST_F(Sounds, ChannelsRotateAndTheThirtyThirdCutsOffTheFirst) {
  for (int i = 0; i < 32; ++i) vx_pell_PlaySFX(3);
  EXPECT_EQ(vx_pell_PELL_LChan, 0);
  EXPECT_EQ(audio->ChannelState(1), 1);
  vx_pell_PlaySFX(3);
  EXPECT_EQ(vx_pell_PELL_LChan, 1);
  EXPECT_EQ(audio->ChannelState(1), 1);  // restarted
}

TEST_F(Sounds, EmptySlotStillStepsTheGeneratorAndClampsTheSetting) {
  vx_pell_PELL_Set[1] = 12;
  vx_random_Seed = 1234;
  vx_pell_PlaySFX(40);  // nothing loaded there
  EXPECT_NE(vx_random_Seed, 1234);
  EXPECT_EQ(vx_pell_PELL_Set[1], 10);
  EXPECT_EQ(vx_pell_PELL_LChan, 0);  // no channel taken
}

TEST_F(Sounds, TuneStatesAndMusicVolume) {
  vx_pell_PlayTune("-1", 1);  // no tune yet: looks for a tune called -1
  EXPECT_EQ(vx_pell_PELL_LastTune, String("-1"));
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 1);
  EXPECT_EQ(audio->MusicState(), 0);

  vx_pell_PELL_Set[0] = 10;
  vx_pell_PlayTune("Xcited", 1);
  EXPECT_EQ(audio->MusicState(), 1);
  EXPECT_NEAR(Source(32, AL_GAIN), 0.999, 1e-6);

  vx_pell_ResumeTune();  // not paused: nothing
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 1);
  vx_pell_PauseTune();
  vx_pell_PauseTune();
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 2);
  EXPECT_EQ(audio->MusicState(), 2);
  vx_pell_ResumeTune();
  EXPECT_EQ(audio->MusicState(), 1);

  vx_pell_PlayTune("-1", 1);  // restarts the last tune
  EXPECT_EQ(vx_pell_PELL_LastTune, String("Xcited"));
  vx_pell_PELL_Set[0] = 14;
  vx_pell_PlayTune("Xcited", 0);
  EXPECT_EQ(vx_pell_PELL_Set[0], 10);
  vx_pell_StopTune();
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 0);
  EXPECT_EQ(audio->MusicState(), 0);
}

}  // namespace
