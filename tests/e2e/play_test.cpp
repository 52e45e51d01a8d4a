// Whole sessions of the built game played through X input events: a run
// from the loading screen to the menu and out, read back by a second start,
// and the same under the faults a player's machine can have.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include <fstream>
#include <random>

#include "support/real_game.h"

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
    X11Image loading, menu, run, paused;
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
    EndByF4AtTheMenu();
    if (HasFatalFailure()) return;

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
  LaunchToTheMenu(options);
  if (HasFatalFailure()) return;
  PlayARun();
  X11Image menu;
  ASSERT_TRUE(WaitForPlayCount(1, 30));
  ASSERT_TRUE(WaitForMenu(&menu));
  SleepMs(300);
  QuitFromTheDifficultyList();
  const ChildResult r = Finish();
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

// Minimised and restored through a window manager in the middle of a run.
// After a restore twm leaves the keyboard following the pointer rather than
// on the window (GLFW's window sets no input hint), and the game stays
// suspended while it is not the focus, so the test gives it the focus.
TEST_F(RealGameTest, SurvivesBeingMinimisedAndRestored) {
  scratch.Write("twmrc", "RandomPlacement\nUsePPosition \"on\"\nNoTitle\nIconifyByUnmapping\n");
  WindowManager twm(scratch.File("twmrc"));
  ASSERT_TRUE(twm.ok()) << "twm did not start on the test's X server (Debian package twm)";
  LaunchToTheMenu();
  if (HasFatalFailure()) return;
  StartNormalRun();
  SleepMs(500);
  const auto waitForState = [&](int wanted) {
    for (int i = 0; i < 200 && x->WmState(window) != wanted; ++i) SleepMs(50);
    return x->WmState(window);
  };
  x->Iconify(window);
  ASSERT_EQ(waitForState(3), 3) << "iconic while minimised";
  SleepMs(1500);
  x->Restore(window);
  ASSERT_EQ(waitForState(1), 1) << "normal once restored";
  X11Image back;
  ASSERT_TRUE(WaitForScreen([](const X11Image&) { return true; }, &back, 10)) << "the window came back";
  x->Focus(window);
  SleepMs(200);
  Play();
  QuitTheRun();
  ASSERT_TRUE(WaitForPlayCount(1, 30)) << "the run went on and was recorded";
  EndByF4AtTheMenu();
}

// [SECTION] Saves that cannot be written

const char kOldRecord[] = "an older record, kept as it is";

// The temporary file leads to a device that is always full. The game
// removes the temporary, which takes the link away for the next save.
TEST_F(RealGameTest, AFailedSaveLeavesTheOldFileAndKeepsTheRun) {
  scratch.Write(".quibexstate", kOldRecord);
  ASSERT_EQ(symlink("/dev/full", scratch.File(".quibexstate.tmp").c_str()), 0);
  FailASaveThenSaveAgain(kOldRecord, [&] { unlink(scratch.File(".quibexstate.tmp").c_str()); });
}

// A real filesystem that fills up: a small tmpfs, mounted in a mount
// namespace of this test process's own so the host never sees it, and
// filled to the last block before the game starts in it.
class SmallFilesystem {
 public:
  explicit SmallFilesystem(const std::string& dir) : dir_(dir) {
    if (unshare(CLONE_NEWNS) != 0) {
      refused_ = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
      return;
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      refused_ = std::string("making the mounts private: ") + std::strerror(errno);
      return;
    }
    // Room for the old record and a whole new one side by side, since the
    // new one is written in full before it replaces the old.
    const std::string options = "size=" + std::to_string(kBytes);
    if (mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) != 0)
      refused_ = std::string("mount -t tmpfs: ") + std::strerror(errno);
    else
      mounted_ = true;
  }
  // Lazily, since a game left running by a failed test still has its
  // working folder in it; the scratch folder can go either way.
  ~SmallFilesystem() {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  }
  const std::string& refused() const { return refused_; }

  // Writes a filler file until the filesystem has no block left.
  bool Fill() {
    const int fd = open(Filler().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const std::string block(4096, 'x');
    ssize_t n = 0;
    while ((n = write(fd, block.data(), block.size())) > 0) {
    }
    const bool full = n < 0 && errno == ENOSPC;
    close(fd);
    return full;
  }
  void Free() { unlink(Filler().c_str()); }

 private:
  static constexpr long kBytes = 256 * 1024;
  std::string Filler() const { return dir_ + "/filler"; }
  std::string dir_, refused_;
  bool mounted_ = false;
};

TEST_F(RealGameTest, ASaveOnAFullFilesystemLeavesTheOldFileAndKeepsTheRun) {
  folder = "small";
  ASSERT_EQ(mkdir(scratch.File(folder).c_str(), 0755), 0);
  SmallFilesystem fs(scratch.File(folder));
  if (!fs.refused().empty()) GTEST_SKIP() << "needs root and mount namespaces: " << fs.refused();
  scratch.Write(InFolder(".quibexstate"), kOldRecord);
  ASSERT_TRUE(fs.Fill()) << "the filesystem did not fill";
  FailASaveThenSaveAgain(kOldRecord, [&] { fs.Free(); });
}

// Random bytes where the record should be: the game starts on defaults and
// writes a sound record over it after the run.
TEST_F(RealGameTest, StartsOverAStateFileOfRandomBytes) {
  std::mt19937 random(11);
  std::string junk(20000, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  scratch.Write(".quibexstate", junk);
  LaunchToTheMenu();
  if (HasFatalFailure()) return;
  PlayARun();
  ASSERT_TRUE(WaitForPlayCount(1, 30));
  EndByF4AtTheMenu();
  if (HasFatalFailure()) return;
  const StateRecord record = State();
  EXPECT_EQ(record.problem, "");
  EXPECT_EQ(record.Setting(0), 7) << "default music volume";
}

}  // namespace
