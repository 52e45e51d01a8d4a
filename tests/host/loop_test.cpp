// The host loop's scheduling, driven by a fake clock: sleeps, catch-up,
// backlog dropping and focus suspend/resume, without a real window.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host/glfw_game.h"

namespace {

class Recorder : public VxGameDelegate {
 public:
  int updates = 0, renders = 0, suspends = 0, resumes = 0;
  std::function<void()> onUpdate;
  void UpdateGame() override {
    ++updates;
    if (onUpdate) onUpdate();
  }
  void RenderGame() override { ++renders; }
  void SuspendGame() override { ++suspends; }
  void ResumeGame() override { ++resumes; }
};

class FakeHost : public VxGlfwGame {
 public:
  double now = 100.0;
  bool focused = true;
  std::vector<double> sleeps;
  std::vector<bool> pumps;  // whether each pump blocked

  FakeHost() {
    SetDelegate(&recorder);
    StartGame();
  }
  double GetTime() override { return now; }
  void Sleep(double seconds) override {
    sleeps.push_back(seconds);
    now += seconds;
  }
  double Next() const { return nextUpdate; }
  void NeverFocused() { hadFocus = false; }
  Recorder recorder;

 protected:
  void PumpEvents(bool wait) override { pumps.push_back(wait); }
  bool WindowFocused() override { return focused; }
  bool WindowClosing() override { return false; }
  void SwapBuffers() override {}
};

TEST(Loop, FirstPassRunsOneUpdateWithoutSleeping) {
  FakeHost host;
  host.SetUpdateRate(60);
  host.RunPass();
  EXPECT_TRUE(host.sleeps.empty());
  EXPECT_EQ(host.recorder.updates, 1);
  EXPECT_EQ(host.recorder.renders, 1);
  EXPECT_DOUBLE_EQ(host.Next(), 100.0 + 1.0 / 60);
  // The next pass sleeps until that update is due, then runs it.
  host.RunPass();
  ASSERT_EQ(host.sleeps.size(), 1u);
  EXPECT_NEAR(host.sleeps[0], 1.0 / 60, 1e-9);
  EXPECT_EQ(host.recorder.updates, 2);
}

TEST(Loop, StallRunsFourUpdatesThenDropsTheBacklog) {
  FakeHost host;
  host.SetUpdateRate(60);
  host.RunPass();
  host.now += 1.0;  // a one-second stall
  host.RunPass();
  EXPECT_EQ(host.recorder.updates, 1 + 4);
  EXPECT_EQ(host.Next(), 0.0);
  // The schedule restarts: no sleep, one update.
  host.RunPass();
  EXPECT_TRUE(host.sleeps.empty());
  EXPECT_EQ(host.recorder.updates, 6);
  EXPECT_DOUBLE_EQ(host.Next(), host.now + 1.0 / 60);
}

TEST(Loop, RateChangeInsideAnUpdateEndsTheCatchUp) {
  FakeHost host;
  host.SetUpdateRate(60);
  host.RunPass();
  host.now += 1.0;
  host.recorder.onUpdate = [&] {
    if (host.recorder.updates == 3) host.SetUpdateRate(30);
  };
  host.RunPass();
  EXPECT_EQ(host.recorder.updates, 3);  // one, then two of the catch-up
  EXPECT_EQ(host.Next(), 0.0);
  host.recorder.onUpdate = nullptr;
  host.RunPass();
  EXPECT_TRUE(host.sleeps.empty());
  EXPECT_EQ(host.recorder.updates, 4);
  EXPECT_DOUBLE_EQ(host.Next(), host.now + 1.0 / 30);
}

TEST(Loop, RateZeroGivesOneUpdatePerPassAndNeverSleeps) {
  FakeHost host;
  host.SetUpdateRate(0);
  for (int i = 0; i < 5; ++i) {
    host.RunPass();
    host.now += (i == 2) ? 3.0 : 0.001;
  }
  EXPECT_EQ(host.recorder.updates, 5);
  EXPECT_TRUE(host.sleeps.empty());
}

TEST(Loop, LosingFocusSuspendsAndRegainingItResumesAtOnce) {
  FakeHost host;
  host.SetUpdateRate(60);
  host.RunPass();
  host.focused = false;
  host.RunPass();  // this pass sees the focus gone: no update
  EXPECT_EQ(host.recorder.suspends, 1);
  EXPECT_EQ(host.recorder.updates, 1);
  host.RunPass();
  host.RunPass();
  EXPECT_EQ(host.recorder.suspends, 1);
  EXPECT_EQ(host.recorder.updates, 1);
  EXPECT_EQ(host.recorder.renders, 4);  // still one render per pass
  EXPECT_EQ(host.pumps, (std::vector<bool>{false, false, true, true}));

  host.now += 5.0;
  host.focused = true;
  const size_t sleptBefore = host.sleeps.size();
  host.RunPass();
  EXPECT_EQ(host.recorder.resumes, 1);
  EXPECT_EQ(host.recorder.updates, 2);  // at once: the schedule restarted
  EXPECT_EQ(host.sleeps.size(), sleptBefore);
}

TEST(Loop, WindowNeverFocusedIsNotSuspended) {
  FakeHost host;
  host.SetUpdateRate(60);
  host.NeverFocused();
  host.focused = false;
  host.RunPass();
  host.RunPass();
  EXPECT_EQ(host.recorder.suspends, 0);
  EXPECT_EQ(host.recorder.updates, 2);
}

TEST(Loop, MillisecsTruncatesTheClock) {
  FakeHost host;
  host.now = 1.9999;
  EXPECT_EQ(host.Millisecs(), 1999);
  host.now = 2147483.6475;
  EXPECT_EQ(host.Millisecs(), 2147483647);
}

}  // namespace
