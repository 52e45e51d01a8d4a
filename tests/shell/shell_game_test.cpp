// The real game binary on an X server of its own, watched and played the way
// a person would: screenshots of its window, keys typed through the X test
// extension, the state file it leaves in its working folder.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "host/game.h"
#include "host/init.h"
#include "shell/globals.h"
#include "shell/persist.h"
#include "support/real_game.h"

namespace {

using RealGame = RealGameTest;

TEST_F(RealGame, ShowsTheLoadingScreenThenTheMenuAndQuits) {
  Launch();
  if (HasFatalFailure()) return;
  X11Image loading, menu;
  ASSERT_TRUE(WaitForLoading(&loading, 10)) << "no loading screen";
  ASSERT_TRUE(WaitForMenu(&menu, 15)) << "no menu after loading";
  ASSERT_EQ(menu.rgb.size(), loading.rgb.size());
  EXPECT_GT(Difference(menu, loading), 0.5) << "most of the window changes";

  SleepMs(500);  // the intro settles
  QuitFromTheMainList();
  const ChildResult r = Finish();
  ASSERT_TRUE(r.exited) << "did not end by itself";
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// The frame-rate display is a setting; a record that has it on, written by
// the game's own writer, shows the frame-rate line at the next start.
TEST_F(RealGame, ReadsTheSavedSettingsAtStart) {
  // White text at the bottom left, where the frame-rate line goes.
  auto whiteAtBottomLeft = [](const X11Image& s) {
    int white = 0;
    for (int y = s.height - 30; y < s.height - 2; ++y)
      for (int i = 8; i < 150 && i < s.width; ++i) {
        const unsigned char* p = s.At(i, y);
        if (p[0] >= 220 && p[1] >= 220 && p[2] >= 220) ++white;
      }
    return white;
  };
  const auto shownAfterStart = [&](int* white) {
    LaunchToTheMenu();
    if (HasFatalFailure()) return;
    X11Image menu;
    ASSERT_TRUE(x->Capture(window, &menu));
    *white = whiteAtBottomLeft(menu);
    QuitFromTheMainList();
    const ChildResult r = Finish();
    EXPECT_EQ(r.status, 0) << r.out << r.err;
  };

  int without = 0, with = 0;
  shownAfterStart(&without);
  if (HasFatalFailure()) return;
  EXPECT_LT(without, 20) << "no frame-rate line by default";

  {
    VxGame writer;
    vxInit();
    vx_pell_PELL_GameNum = 507;
    vx_pell_SetDefaults();
    vx_pell_PELL_Set[22] = 1;
    vx_pell_Save();
  }
  ASSERT_FALSE(scratch.Read(".quibexstate").empty());
  shownAfterStart(&with);
  EXPECT_GT(with, 100) << "the frame-rate line";
}

// A run recorded by one start is read back by the next: its record carries
// the play count on, and the loading screen's mark.
TEST_F(RealGame, RecordedRunSurvivesARestart) {
  for (int start = 1; start <= 2; ++start) {
    SCOPED_TRACE(start);
    LaunchToTheMenu();
    if (HasFatalFailure()) return;
    StartNormalRun();
    SleepMs(1000);
    QuitTheRun();
    if (!WaitForPlayCount(start, 6)) {
      ASSERT_EQ(start, 1) << "the first start's run was recorded, the second's was not";
      x->RequestClose(window);
      Finish();
      GTEST_SKIP() << "the run could not be ended from the keyboard, so nothing was recorded";
    }
    X11Image shot;
    ASSERT_TRUE(WaitForMenu(&shot)) << "back in the menu after the run";
    SleepMs(300);
    QuitFromTheDifficultyList();
    const ChildResult r = Finish();
    EXPECT_EQ(r.status, 0) << r.out << r.err;

    const StateRecord record = State();
    ASSERT_EQ(record.problem, "");
    EXPECT_EQ(record.Setting(5), start) << "play count, carried on from the last start";
    EXPECT_EQ(record.Setting(100), 1) << "loading screen's mark";
  }
}

}  // namespace
