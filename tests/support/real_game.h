// The built game binary on an X server of its own, driven only through X
// input events and watched through its window's pixels and the state file
// it leaves; shared by the end-to-end tests and the shell's.
#pragma once

#include <X11/keysym.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/child.h"
#include "support/scratch.h"
#include "support/x11.h"
#include "support/xtest.h"

inline void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

struct Rgb {
  int r, g, b;
};
inline bool Near(const unsigned char* p, const Rgb& c, int tolerance = 6) {
  return std::abs(p[0] - c.r) <= tolerance && std::abs(p[1] - c.g) <= tolerance && std::abs(p[2] - c.b) <= tolerance;
}
const Rgb kLoadingBackdrop = {180, 160, 120};
// The menu's left edge: the backdrop under the closed triangle on the main
// list, bare green once they have parted for the difficulty list.
const Rgb kMenuBackdrop = {95, 110, 20};
const Rgb kMenuGreen = {80, 140, 80};

// Share of pixels that differ by more than a little between two shots.
inline double Difference(const X11Image& a, const X11Image& b) {
  if (a.rgb.size() != b.rgb.size() || a.rgb.empty()) return 1;
  size_t differ = 0;
  for (size_t i = 0; i < a.rgb.size(); i += 3)
    if (!Near(&a.rgb[i], {b.rgb[i], b.rgb[i + 1], b.rgb[i + 2]}, 8)) ++differ;
  return static_cast<double>(differ) / static_cast<double>(a.rgb.size() / 3);
}

// [SECTION] The state record, checked without the game's own code

struct StateRecord {
  std::vector<std::string> fields;
  std::string problem;  // empty when the header, length and every checksum hold
  int Number(size_t f) const { return f < fields.size() ? std::atoi(fields[f].c_str()) : 0; }
  int Setting(int i) const { return Number(1 + static_cast<size_t>(i)); }
  // Scores lie in blocks of 32 each followed by its checksum.
  int Score(int m) const { return Number(221 + static_cast<size_t>(m + m / 32)); }
};

inline StateRecord ReadRecord(const std::string& text) {
  StateRecord r;
  std::stringstream in(text);
  for (std::string f; std::getline(in, f, '|');) r.fields.push_back(f);
  const int game = 507, M = game + 1000, K = 23 * game + 1237;
  if (text.empty() || text.back() != '|') return r.problem = "no closing |", r;
  if (r.fields.size() != 10533) return r.problem = "fields: " + std::to_string(r.fields.size()), r;
  if (r.fields[0] != "PELL_v2.0") return r.problem = "header: " + r.fields[0], r;
  int s = 0;
  for (int i = 0; i <= 200; ++i) s = (s + r.Setting(i)) % M;
  if (s != r.Number(202)) return r.problem = "settings checksum", r;
  int u = 0;
  for (int f = 203; f <= 218; ++f) u = (u + r.Number(static_cast<size_t>(f))) % M;
  if ((u + r.Number(219)) % M != r.Number(220)) return r.problem = "name checksum", r;
  int c = 0;
  for (int m = 0; m < 10000; ++m) {
    c = (m + 1 + r.Score(m) + game + c) % K;
    if (m % 32 != 31) continue;
    if (c != r.Number(static_cast<size_t>(221 + m + m / 32 + 1)))
      return r.problem = "score block " + std::to_string(m / 32) + " checksum", r;
    c = 0;
  }
  return r;
}

// [SECTION] Fixture

class RealGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    server = std::make_unique<PrivateXServer>();
    ASSERT_TRUE(server->ok()) << "could not start Xvfb";
  }
  // A test that stopped half-way leaves the game running: it is asked to
  // close rather than waited out.
  void TearDown() override {
    if (game) {
      if (x) x->RequestClose(window);
      Finish();
    }
    server.reset();
  }

  // Starts the game in the scratch folder and puts the pointer over its
  // window's right edge, where no button lies, so typed keys reach it.
  void Launch(const std::string& program = BuiltProgram("kitemoth"), const ChildOptions& extra = {}) {
    ChildOptions options = extra;
    options.cwd = folder.empty() ? scratch.path() : scratch.File(folder);
    options.timeout = 120;
    game = std::make_unique<ChildProcess>(std::vector<std::string>{program}, options);
    x = std::make_unique<X11Session>();
    ASSERT_TRUE(x->ok()) << "no connection to the test's X server " << server->display();
    ASSERT_TRUE(x->FindWindow("Kitemoth", &window, 30)) << "no window";
    keys = std::make_unique<XTestInput>();
    ASSERT_TRUE(keys->ok());
    keys->MoveTo(window.x + window.width - 8, window.y + window.height / 2);
  }
  // Launched and waited for until the menu has settled.
  void LaunchToTheMenu(const ChildOptions& extra = {}) {
    Launch(BuiltProgram("kitemoth"), extra);
    if (HasFatalFailure()) return;
    X11Image menu;
    ASSERT_TRUE(WaitForMenu(&menu)) << "no menu";
    SleepMs(500);  // the intro settles
  }
  ChildResult Finish() {
    ChildResult r = game->Finish();
    game.reset();
    keys.reset();
    x.reset();
    return r;
  }

  bool WaitForScreen(const std::function<bool(const X11Image&)>& wanted, X11Image* shot, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (std::chrono::steady_clock::now() < end) {
      if (x->Capture(window, shot) && shot->width > 8 && shot->height > 12 && wanted(*shot)) return true;
      SleepMs(20);
    }
    return false;
  }
  static const unsigned char* Corner(const X11Image& s) { return s.At(4, s.height - 10); }
  bool WaitForLoading(X11Image* shot, double seconds = 20) {
    return WaitForScreen([](const X11Image& s) { return Near(Corner(s), kLoadingBackdrop); }, shot, seconds);
  }
  bool WaitForMenu(X11Image* shot, double seconds = 30) {
    return WaitForScreen(
        [](const X11Image& s) { return Near(Corner(s), kMenuBackdrop) || Near(Corner(s), kMenuGreen); }, shot,
        seconds);
  }
  // A screen that has stopped matching `before` by at least this share.
  bool WaitForChange(const X11Image& before, X11Image* shot, double share = 0.2, double seconds = 20) {
    return WaitForScreen([&](const X11Image& s) { return Difference(s, before) > share; }, shot, seconds);
  }

  // Held across a few updates, then released for a few, even when updates
  // run slower than 60 a second.
  void Tap(unsigned long keysym, int ms = 150) {
    keys->Key(keysym, true);
    SleepMs(ms);
    keys->Key(keysym, false);
    SleepMs(ms);
  }
  void Hold(unsigned long keysym, int ms) {
    keys->Key(keysym, true);
    SleepMs(ms);
    keys->Key(keysym, false);
  }

  // A few seconds of play: walking both ways and jumping twice in the air.
  void Play() {
    keys->Key(XK_Right, true);
    for (int i = 0; i < 3; ++i) {
      Tap(XK_space, 120);
      Tap(XK_space, 120);
    }
    keys->Key(XK_Right, false);
    keys->Key(XK_Left, true);
    for (int i = 0; i < 3; ++i) Tap(XK_space, 200);
    keys->Key(XK_Left, false);
  }
  // From the main list: "Start Game", then "Normal", where the difficulty
  // list's cursor starts.
  void StartNormalRun() {
    Tap(XK_Return);
    SleepMs(300);
    Tap(XK_Return);
  }
  // Down the main list to "Quit".
  void QuitFromTheMainList() {
    for (int i = 0; i < 3; ++i) Tap(XK_Down);
    Tap(XK_Return);
  }
  // Back from the difficulty list to the main list, down to "Quit".
  void QuitFromTheDifficultyList() {
    Tap(XK_Escape);
    SleepMs(300);
    QuitFromTheMainList();
  }
  // Pause, up from the resume row to the quit row, confirm.
  void QuitTheRun() {
    Tap(XK_Escape);
    SleepMs(300);
    Tap(XK_Up);
    Tap(XK_Return);
  }
  // A run started from the main list, played and quit from the pause
  // overlay; the banner plays out and the menu returns on its own.
  void PlayARun() {
    StartNormalRun();
    Play();
    QuitTheRun();
  }
  // Once the menu is back, F4 must end the game with status 0.
  void EndByF4AtTheMenu() {
    X11Image menu;
    ASSERT_TRUE(WaitForMenu(&menu)) << "back at the menu";
    SleepMs(300);
    Tap(XK_F4);
    const ChildResult r = Finish();
    ASSERT_TRUE(r.exited) << "F4 did not end it";
    EXPECT_EQ(r.status, 0) << r.out << r.err;
  }

  std::string InFolder(const std::string& name) const { return folder.empty() ? name : folder + "/" + name; }
  bool HasState() const { return access(scratch.File(InFolder(".quibexstate")).c_str(), F_OK) == 0; }
  StateRecord State() const {
    return ReadRecord(HasState() ? scratch.Read(InFolder(".quibexstate")) : std::string());
  }
  bool WaitForPlayCount(int count, double seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
      if (HasState() && State().Setting(5) == count) return true;
      SleepMs(50);
    }
    return false;
  }

  // A run whose save cannot be written, then one whose save can once
  // `makeRoom` has taken the obstacle away. The old file must stay byte for
  // byte with no temporary left beside it, and the second save must carry
  // both runs, the first kept in memory.
  void FailASaveThenSaveAgain(const std::string& old, const std::function<void()>& makeRoom) {
    LaunchToTheMenu();
    if (HasFatalFailure()) return;
    PlayARun();
    X11Image menu;
    ASSERT_TRUE(WaitForMenu(&menu, 30)) << "back at the menu after the failed save";
    SleepMs(500);
    EXPECT_EQ(scratch.Read(InFolder(".quibexstate")), old);
    EXPECT_NE(access(scratch.File(InFolder(".quibexstate.tmp")).c_str(), F_OK), 0) << "a temporary was left";
    makeRoom();
    PlayARun();
    ASSERT_TRUE(WaitForPlayCount(2, 30)) << "both runs counted";
    EndByF4AtTheMenu();
    if (HasFatalFailure()) return;
    EXPECT_EQ(State().problem, "");
  }

  ScratchDir scratch;
  std::string folder;  // the game's working folder inside the scratch one; "" is the scratch folder
  std::unique_ptr<PrivateXServer> server;
  std::unique_ptr<ChildProcess> game;
  std::unique_ptr<X11Session> x;
  std::unique_ptr<XTestInput> keys;
  X11Window window;
};
