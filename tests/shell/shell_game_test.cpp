// The real game binary on an X server of its own, watched and played the way
// a person would: screenshots of its window, keys typed through the X test
// extension, the state file it leaves in its working folder.
#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

#include "host/game.h"
#include "host/init.h"
#include "shell/globals.h"
#include "shell/persist.h"
#include "support/child.h"
#include "support/scratch.h"
#include "support/x11.h"
#include "support/xtest.h"

namespace {

struct Colour {
  int r, g, b;
};
const Colour kLoadingBackdrop = {180, 160, 120};
// The menu's backdrop green at the left edge, where no panel reaches: under
// the closed olive triangle at alpha 0.75 on the main list, bare once the
// triangles have parted for the difficulty list.
const Colour kMenuBackdrop = {95, 110, 20};
const Colour kMenuGreen = {80, 140, 80};

bool Near(const unsigned char* p, const Colour& c, int tolerance = 6) {
  return std::abs(p[0] - c.r) <= tolerance && std::abs(p[1] - c.g) <= tolerance && std::abs(p[2] - c.b) <= tolerance;
}

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Fields of the saved record.
std::vector<std::string> Fields(const std::string& record) {
  std::vector<std::string> out;
  std::stringstream in(record);
  for (std::string f; std::getline(in, f, '|');) out.push_back(f);
  return out;
}

class RealGame : public ::testing::Test {
 protected:
  void SetUp() override {
    server = std::make_unique<PrivateXServer>();
    ASSERT_TRUE(server->ok()) << "could not start Xvfb";
  }
  void TearDown() override {
    game.reset();
    server.reset();
  }

  // Starts the game in the scratch folder and puts the pointer over its
  // window, so that typed keys reach it.
  void Launch() {
    ChildOptions options;
    options.cwd = scratch.path();
    options.timeout = 60;
    game = std::make_unique<ChildProcess>(std::vector<std::string>{BuiltProgram("kitemoth")}, options);
    x = std::make_unique<X11Session>();
    ASSERT_TRUE(x->FindWindow("Kitemoth", &window, 20)) << "no window";
    keys = std::make_unique<XTestInput>();
    ASSERT_TRUE(keys->ok());
    keys->MoveTo(window.x + window.width - 8, window.y + window.height / 2);
  }

  ChildResult Finish() {
    ChildResult r = game->Finish();
    keys.reset();
    x.reset();
    return r;
  }

  // Screenshots until one shows what is wanted.
  bool WaitForScreen(const std::function<bool(const X11Image&)>& wanted, X11Image* shot, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (std::chrono::steady_clock::now() < end) {
      if (x->Capture(window, shot) && shot->width > 8 && shot->height > 12 && wanted(*shot)) return true;
      Sleep(20);
    }
    return false;
  }
  // The pixel near the bottom-left corner: the loading backdrop, later the
  // menu's.
  static const unsigned char* Corner(const X11Image& s) { return s.At(4, s.height - 10); }
  bool WaitForMenu(X11Image* shot, double seconds = 15) {
    return WaitForScreen(
        [](const X11Image& s) { return Near(Corner(s), kMenuBackdrop) || Near(Corner(s), kMenuGreen); }, shot,
        seconds);
  }

  // Held across a few updates, then released for a few.
  void Tap(unsigned long keysym) {
    keys->Key(keysym, true);
    Sleep(120);
    keys->Key(keysym, false);
    Sleep(120);
  }
  void QuitFromTheMainList() {
    for (int i = 0; i < 3; ++i) Tap(XK_Down);
    Tap(XK_Return);
  }

  // The play count of the saved record; -1 without one.
  int PlayCount() const {
    if (access(scratch.File(".quibexstate").c_str(), F_OK) != 0) return -1;
    const std::vector<std::string> f = Fields(scratch.Read(".quibexstate"));
    return f.size() > 6 ? std::atoi(f[6].c_str()) : -1;
  }
  bool WaitForPlayCount(int count, double seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
      if (PlayCount() == count) return true;
      Sleep(50);
    }
    return false;
  }

  ScratchDir scratch;
  std::unique_ptr<PrivateXServer> server;
  std::unique_ptr<ChildProcess> game;
  std::unique_ptr<X11Session> x;
  std::unique_ptr<XTestInput> keys;
  X11Window window;
};

TEST_F(RealGame, ShowsTheLoadingScreenThenTheMenuAndQuits) {
  Launch();
  if (HasFatalFailure()) return;
  X11Image loading, menu;
  ASSERT_TRUE(WaitForScreen([](const X11Image& s) { return Near(Corner(s), kLoadingBackdrop); }, &loading, 10))
      << "no loading screen";
  ASSERT_TRUE(WaitForMenu(&menu)) << "no menu after loading";
  ASSERT_EQ(menu.rgb.size(), loading.rgb.size());
  size_t differ = 0;
  for (size_t i = 0; i < menu.rgb.size(); i += 3)
    if (!Near(&menu.rgb[i], {loading.rgb[i], loading.rgb[i + 1], loading.rgb[i + 2]}, 8)) ++differ;
  EXPECT_GT(differ, menu.rgb.size() / 3 / 2) << "most of the window changes";

  Sleep(500);  // the intro settles
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
    Launch();
    if (HasFatalFailure()) return;
    X11Image menu;
    ASSERT_TRUE(WaitForMenu(&menu));
    Sleep(500);
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
    Launch();
    if (HasFatalFailure()) return;
    X11Image shot;
    ASSERT_TRUE(WaitForMenu(&shot));
    Sleep(500);
    Tap(XK_Return);  // Start Game
    Tap(XK_Return);  // Normal
    Sleep(1000);
    // Quit the run from the pause overlay: pause, up to its quit row, confirm.
    Tap(XK_Escape);
    Tap(XK_Up);
    Tap(XK_Return);
    if (!WaitForPlayCount(start, 6)) {
      ASSERT_EQ(start, 1) << "the first start's run was recorded, the second's was not";
      x->RequestClose(window);
      Finish();
      GTEST_SKIP() << "the run could not be ended from the keyboard, so nothing was recorded";
    }
    ASSERT_TRUE(WaitForMenu(&shot)) << "back in the menu after the run";
    Sleep(300);
    Tap(XK_Escape);  // from the difficulty list back to the main list
    QuitFromTheMainList();
    const ChildResult r = Finish();
    EXPECT_EQ(r.status, 0) << r.out << r.err;

    const std::vector<std::string> f = Fields(scratch.Read(".quibexstate"));
    ASSERT_GT(f.size(), 101u);
    EXPECT_EQ(f[0], "PELL_v2.0");
    EXPECT_EQ(f[1 + 5], std::to_string(start)) << "play count, carried on from the last start";
    EXPECT_EQ(f[1 + 100], "1") << "loading screen's mark";
  }
}

}  // namespace
