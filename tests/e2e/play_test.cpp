// Whole sessions of the built game played through X input events: a run
// from the loading screen to the menu and out, read back by a second start,
// and the same under the faults a player's machine can have.
#include <sys/stat.h>

#include <fstream>
#include <random>

#include "e2e/real_game.h"

// After gtest: Xlib's macros would break its templates.
#include <X11/Xlib.h>

namespace {

// Loading, menu, run, pause; back at the menu with the run recorded; out by
// F4. Then a second start in the same folder plays again and the first
// run's score is still in the table, one place down.
TEST_F(RealGameTest, PlaysARunAndTheNextStartReadsItBack) {
  int firstScore = 0;
  for (int start = 1; start <= 2; ++start) {
    SCOPED_TRACE(start);
    Launch();
    if (HasFatalFailure()) return;
    X11Image loading, menu, run, paused, after;
    if (start == 1) {
      ASSERT_TRUE(WaitForLoading(&loading)) << "no loading screen";
    }
    ASSERT_TRUE(WaitForMenu(&menu)) << "no menu";
    SleepMs(500);  // the intro settles
    ASSERT_TRUE(x->Capture(window, &menu));
    StartNormalRun();
    ASSERT_TRUE(WaitForChange(menu, &run, 0.3)) << "no run on screen";
    Play();
    ASSERT_TRUE(x->Capture(window, &run));
    Tap(XK_Escape);
    SleepMs(400);  // the pause column slides in
    ASSERT_TRUE(x->Capture(window, &paused));
    if (start == 1) {
      EXPECT_GT(Difference(loading, menu), 0.3);
      EXPECT_GT(Difference(loading, run), 0.3);
    }
    EXPECT_GT(Difference(menu, run), 0.3);
    EXPECT_GT(Difference(run, paused), 0.02) << "the pause overlay shows";

    Tap(XK_Up);  // resume row to quit row
    Tap(XK_Return);
    // The banner plays out before the run is recorded and the menu returns.
    ASSERT_TRUE(WaitForPlayCount(start, 30)) << "the run was not recorded";
    ASSERT_TRUE(WaitForMenu(&after)) << "back at the menu";
    SleepMs(300);
    Tap(XK_F4);
    const ChildResult r = Finish();
    ASSERT_TRUE(r.exited) << "F4 did not end it";
    EXPECT_EQ(r.status, 0) << r.out << r.err;

    const StateRecord record = State();
    ASSERT_EQ(record.problem, "");
    EXPECT_EQ(record.Setting(5), start) << "play count";
    EXPECT_EQ(record.Setting(6), 507);
    EXPECT_EQ(record.Setting(100), 1) << "loading screen's mark";
    // Normal owns scores 40-59: best five, then the recent five.
    const int newest = record.Score(45);
    EXPECT_GE(newest, 0);
    EXPECT_GE(record.Score(40), newest) << "the best is at least the newest";
    if (start == 1) firstScore = newest;
    if (start == 2) {
      EXPECT_EQ(record.Score(46), firstScore) << "the first run, one place down";
    }
    for (int m : {25, 26, 65, 66}) EXPECT_EQ(record.Score(m), 0) << "Easy and Hard were not played";
  }
}

// [SECTION] Faults

// No data folder beside the program: nothing loads, yet the screens'
// backdrops are drawn, and F4 ends it.
TEST_F(RealGameTest, RunsWithoutADataFolder) {
  const std::string bin = scratch.File("bin");
  ASSERT_EQ(mkdir(bin.c_str(), 0755), 0);
  {
    std::ifstream from(BuiltProgram("kitemoth"), std::ios::binary);
    std::ofstream to(bin + "/kitemoth", std::ios::binary);
    to << from.rdbuf();
  }
  ASSERT_EQ(chmod((bin + "/kitemoth").c_str(), 0755), 0);
  Launch(bin + "/kitemoth");
  if (HasFatalFailure()) return;
  X11Image loading, menu;
  ASSERT_TRUE(WaitForLoading(&loading)) << "the loading backdrop";
  ASSERT_TRUE(WaitForMenu(&menu)) << "the menu backdrop";
  SleepMs(300);
  Tap(XK_F4);
  const ChildResult r = Finish();
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// OpenAL finds no device: the game plays silently, records the run and
// quits from its own menu.
TEST_F(RealGameTest, PlaysWithoutAnAudioDevice) {
  ChildOptions options;
  options.set = {"ALSOFT_DRIVERS=no-such-driver"};
  Launch(BuiltProgram("kitemoth"), options);
  if (HasFatalFailure()) return;
  X11Image menu, run;
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(500);
  StartNormalRun();
  Play();
  QuitTheRun();
  ASSERT_TRUE(WaitForPlayCount(1, 30));
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(300);
  QuitFromTheDifficultyList();
  const ChildResult r = Finish();
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// The window taken off the screen and given back in the middle of a run,
// as minimising and restoring does. With no window manager on the test's
// server the window is unmapped and mapped again directly.
TEST_F(RealGameTest, SurvivesBeingMinimisedAndRestored) {
  Launch();
  if (HasFatalFailure()) return;
  X11Image menu, back;
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(500);
  StartNormalRun();
  SleepMs(500);
  Display* d = XOpenDisplay(nullptr);
  ASSERT_NE(d, nullptr);
  XUnmapWindow(d, window.id);
  XFlush(d);
  SleepMs(1500);
  XMapWindow(d, window.id);
  XSync(d, False);
  SleepMs(200);
  // Restoring gives the keyboard back, as a window manager would.
  XSetInputFocus(d, window.id, RevertToPointerRoot, CurrentTime);
  XSync(d, False);
  XCloseDisplay(d);
  ASSERT_TRUE(WaitForScreen([](const X11Image&) { return true; }, &back, 10)) << "the window came back";
  keys->MoveTo(window.x + window.width - 8, window.y + window.height / 2);
  Play();
  QuitTheRun();
  ASSERT_TRUE(WaitForPlayCount(1, 30)) << "the run went on and was recorded";
  ASSERT_TRUE(WaitForMenu(&back));
  SleepMs(300);
  Tap(XK_F4);
  const ChildResult r = Finish();
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// The new record cannot be written: its temporary file leads to a device
// that is always full. The old file stays as it was, the game goes on, and
// the next save, which can be written, carries the first run's count.
TEST_F(RealGameTest, AFailedSaveLeavesTheOldFileAndKeepsTheRun) {
  const std::string old = "an older record, kept as it is";
  scratch.Write(".quibexstate", old);
  ASSERT_EQ(symlink("/dev/full", scratch.File(".quibexstate.tmp").c_str()), 0);
  Launch();
  if (HasFatalFailure()) return;
  X11Image menu;
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(500);
  StartNormalRun();
  Play();
  QuitTheRun();
  ASSERT_TRUE(WaitForMenu(&menu, 30)) << "back at the menu after the failed save";
  SleepMs(500);
  EXPECT_EQ(scratch.Read(".quibexstate"), old);

  // A second run; its save has a file to write to (the failed one took its
  // temporary name away, or it is taken away here).
  unlink(scratch.File(".quibexstate.tmp").c_str());
  StartNormalRun();
  Play();
  QuitTheRun();
  ASSERT_TRUE(WaitForPlayCount(2, 30)) << "both runs counted";
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(300);
  Tap(XK_F4);
  const ChildResult r = Finish();
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(State().problem, "");
}

// Random bytes where the record should be: the game starts on defaults and
// writes a sound record over it after the run.
TEST_F(RealGameTest, StartsOverAStateFileOfRandomBytes) {
  std::mt19937 random(11);
  std::string junk(20000, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  scratch.Write(".quibexstate", junk);
  Launch();
  if (HasFatalFailure()) return;
  X11Image menu;
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(500);
  StartNormalRun();
  Play();
  QuitTheRun();
  ASSERT_TRUE(WaitForPlayCount(1, 30));
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(300);
  Tap(XK_F4);
  const ChildResult r = Finish();
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  const StateRecord record = State();
  EXPECT_EQ(record.problem, "");
  EXPECT_EQ(record.Setting(0), 7) << "default music volume";
}

}  // namespace
