// Pausing a running game through the real per-update path: the escape
// toggle and the corner button with the tune, the frozen game step, the
// icon column (quit, resume, options) and its slide, and the toy's trail.
#include <gtest/gtest.h>

#include <cmath>

#include "game/globals.h"
#include "game/objects.h"
#include "overlay_fixture.h"
#include "toolkit/sound.h"

namespace {

class Pause : public OverlayTest {
 protected:
  void StartRun() {
    vx_pell_PELL_GameType = 2;
    vx_pell_PELL_GameMode = 11;
    Update();
    ASSERT_EQ(vx_pell_PELL_GameMode, 10);
    Updates(5);
  }
  // The column sits at x = 64 once slid in, rows 128 apart around H/2.
  static float IconY(int row) { return 300.0f + 128 * (row - 1); }
  static int Column() { return vx_pell_PELL_MenuPos[41]; }
};

TEST_F(Pause, EscapeHeldPausesOnceAndAgainUnpausesWithTheTune) {
  StartRun();
  ASSERT_EQ(vx_pell_PELL_MusicPlaying, 1);
  Key(KEY_ESCAPE, true);
  Update();
  EXPECT_EQ(vx_pell_PELL_Paused, 1);
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 2);
  EXPECT_EQ(vx_audio_device->MusicState(), 2);
  Updates(10);
  EXPECT_EQ(vx_pell_PELL_Paused, 1) << "held: toggled once";

  Key(KEY_ESCAPE, false);
  Update();
  EXPECT_EQ(vx_pell_PELL_Paused, 1);
  Key(KEY_ESCAPE, true);
  Update();
  EXPECT_EQ(vx_pell_PELL_Paused, 0);
  EXPECT_EQ(vx_pell_PELL_MusicPlaying, 1);
  EXPECT_EQ(vx_audio_device->MusicState(), 1);
}

TEST_F(Pause, WhilePausedTheGameStepDoesNotRun) {
  StartRun();
  Updates(30);
  Press(KEY_ESCAPE);
  const std::vector<float> plr = vx_pell_plr, obj = vx_pell_obj;
  Key(KEY_RIGHT, true);
  Updates(30);
  EXPECT_EQ(vx_pell_plr, plr);
  EXPECT_EQ(vx_pell_obj, obj);

  Press(KEY_ESCAPE);
  ASSERT_EQ(vx_pell_PELL_Paused, 0);
  Updates(10);
  EXPECT_NE(vx_pell_plr, plr) << "running again, the character walks";
}

// Quit from the column, by the icon (acting on the first update of the
// press, without a lock) or by keys: the run ends through the banner with
// reason 2 and is recorded like any other.
TEST_F(Pause, QuitEndsTheRunWithReasonTwoAndTheRunIsRecorded) {
  for (bool icon : {true, false}) {
    SCOPED_TRACE(icon ? "quit icon" : "up to quit, then confirm");
    StartRun();
    Press(KEY_ESCAPE);
    Updates(20);
    ASSERT_EQ(Column(), 64);
    const int plays = vx_pell_PELL_Set[5];
    if (icon) {
      Pointer(64, IconY(0), true);
    } else {
      Press(KEY_UP);
      ASSERT_EQ(vx_pell_PELL_MenuPos[40], 0);
      Key(KEY_SPACE, true);
    }
    const int mark = Mark();
    Update();
    EXPECT_GT(vx_pell_PELL_EndofGame, 0);
    EXPECT_EQ(vx_pell_PELL_EndReason, 2);
    EXPECT_EQ(vx_pell_PELL_Paused, 0);
    EXPECT_EQ(SoundsSince(mark), std::vector<int>{99});
    EXPECT_EQ(vx_pell_PELL_MusicPlaying, 2) << "the banner stops the tune later";
    Pointer(64, IconY(0), false);
    Key(KEY_SPACE, false);

    for (int k = 0; k < 100 && vx_pell_PELL_GameMode != 0; ++k) Update();
    ASSERT_EQ(vx_pell_PELL_GameMode, 0);
    EXPECT_EQ(vx_pell_PELL_Set[5], plays + 1);
    EXPECT_EQ(vx_pell_PELL_LastPlay, 2);
    EXPECT_EQ(vx_pell_PELL_Score[20 * 2 + 5], static_cast<int>(vx_pell_plr[50])) << "the newest recent score";
    EXPECT_EQ(vx_pell_PELL_MusicPlaying, 0);
    Updates(80);  // the banner ends over the menu
    ASSERT_EQ(vx_pell_PELL_EndofGame, 0);
  }
}

// The corner button pauses a running game; while the run is ending it
// pauses for at most the update of the press, and the banner runs on.
TEST_F(Pause, CornerButtonPausesButNotAnEndingRun) {
  for (bool ending : {false, true}) {
    SCOPED_TRACE(ending ? "ending" : "running");
    StartRun();
    if (ending) {
      vx_pell_EndGame(0);
      Update();
    }
    const int banner = vx_pell_PELL_EndofGame;
    Pointer(10, 10, true);
    Update();
    EXPECT_EQ(vx_pell_PELL_Paused, 1) << "in the update of the press";
    Updates(2);
    EXPECT_EQ(vx_pell_PELL_Paused, ending ? 0 : 1);
    EXPECT_EQ(vx_pell_PELL_EndofGame, ending ? banner + 3 : 0);
    Pointer(10, 10, false);
    Updates(2);
    if (ending) {
      for (int k = 0; k < 200 && vx_pell_PELL_EndofGame != 0; ++k) Update();
      ASSERT_EQ(vx_pell_PELL_GameMode, 0);
    } else {
      Press(KEY_ESCAPE);
      ASSERT_EQ(vx_pell_PELL_Paused, 0);
      vx_pell_PELL_GameMode = 0;
      Update();
    }
  }
}

// In over 16 updates, still for about nine seconds, out over 32; a key
// move brings it back.
TEST_F(Pause, ColumnSlidesOutAfterNineIdleSeconds) {
  StartRun();
  Key(KEY_ESCAPE, true);
  const struct {
    int update, x;
  } checkpoints[] = {{1, -56}, {15, 56}, {16, 64}, {581, 64}, {582, 60}, {612, -60}, {613, -64}, {700, -64}};
  int u = 0;
  for (const auto& c : checkpoints) {
    while (u < c.update) {
      Update();
      if (++u == 1) Key(KEY_ESCAPE, false);
    }
    EXPECT_EQ(Column(), c.x) << "after " << u << " paused updates";
  }
  ASSERT_EQ(vx_pell_PELL_Paused, 1);

  const int mark = Mark();
  Press(KEY_DOWN);
  EXPECT_EQ(vx_pell_PELL_MenuPos[40], 2) << "on options";
  EXPECT_EQ(SoundsSince(mark), std::vector<int>{98});
  EXPECT_EQ(Column(), -48);
}

// Options from the column replaces the pause overlay and keeps the game
// paused; leaving it shows the pause overlay again.
TEST_F(Pause, OptionsFromTheColumnKeepTheGamePaused) {
  StartRun();
  Press(KEY_ESCAPE);
  Press(KEY_DOWN);
  Press(KEY_SPACE);
  EXPECT_EQ(vx_pell_PELL_OptCred, 1);
  EXPECT_EQ(vx_pell_PELL_Paused, 1);
  const std::vector<float> plr = vx_pell_plr;
  Updates(10);
  Press(KEY_ESCAPE);
  EXPECT_EQ(vx_pell_PELL_OptCred, 0);
  EXPECT_EQ(vx_pell_PELL_Paused, 1) << "the escape that left the options does not unpause";
  EXPECT_EQ(vx_pell_plr, plr);
  const int x = Column();
  Update();
  EXPECT_EQ(Column(), x + 8) << "the pause overlay runs again";
}

// Resume from the column resumes a paused tune and starts none.
TEST_F(Pause, ResumeFromTheColumnResumesOnlyAPausedTune) {
  for (bool music : {true, false}) {
    SCOPED_TRACE(music ? "tune playing" : "no tune");
    StartRun();
    if (!music) vx_pell_StopTune();
    Press(KEY_ESCAPE);
    EXPECT_EQ(vx_pell_PELL_MusicPlaying, music ? 2 : 0);
    ASSERT_EQ(vx_pell_PELL_MenuPos[40], 1) << "each run starts on resume";
    Press(KEY_SPACE);
    EXPECT_EQ(vx_pell_PELL_Paused, 0);
    EXPECT_EQ(vx_pell_PELL_MusicPlaying, music ? 1 : 0);
    vx_pell_PELL_GameMode = 0;
    Update();
  }
}

// Each bounce off the paddle counts once, however many of its points the
// ball touches, and leaves a trail point up to hit 899; the rally goes on.
TEST_F(Pause, ToyTrailStopsRecordingAt899Hits) {
  StartRun();
  Press(KEY_ESCAPE);
  std::vector<float>& toy = vx_pell_paused;
  // The paddle's middle point is the top of the ring, at angle 0.
  auto BallOnPaddle = [&] {
    toy[0] = 0;
    toy[1] = 800 - 256;
    toy[2] = 300 - 196;
    toy[6] = 0;
  };
  auto Lines = [] { return Sprites([](const Sprite& s) { return s.kind == 5; }).size(); };
  for (int e = 5 * 899 + 10; e < 5 * 900 + 13; ++e) toy[static_cast<size_t>(e)] = 123;
  toy[8] = 898;
  toy[9] = 0;

  BallOnPaddle();
  int mark = Mark();
  Update();
  EXPECT_EQ(toy[8], 899);
  EXPECT_EQ(SoundsSince(mark), std::vector<int>{98});
  EXPECT_EQ(toy[5 * 899 + 10], 0) << "hit at the top of the ring";
  EXPECT_EQ(toy[5 * 899 + 12], 20 * 899);
  EXPECT_EQ(Lines(), 899u);

  BallOnPaddle();
  mark = Mark();
  Update();
  EXPECT_EQ(toy[8], 900);
  EXPECT_EQ(SoundsSince(mark), std::vector<int>{98});
  for (int e = 5 * 900 + 10; e < 5 * 900 + 13; ++e) EXPECT_EQ(toy[static_cast<size_t>(e)], 123) << e;
  EXPECT_EQ(Lines(), 899u);

  // A serve after a lost ball keeps the rally as the best.
  toy[1] = -100;
  Update();
  EXPECT_EQ(toy[8], 0);
  EXPECT_EQ(toy[9], 900);
  EXPECT_EQ(TextOn(600 - 8 - 11, 400), "0:900");
}

}  // namespace
