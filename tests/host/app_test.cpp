// The guarded event operations, the app module's cached device size and
// the display-mode list.
#include <gtest/gtest.h>

#include "host/app.h"
#include "host/init.h"

namespace {

class Counter : public VxGameDelegate {
 public:
  int starts = 0, suspends = 0, resumes = 0, updates = 0, renders = 0, keys = 0;
  void StartGame() override { ++starts; }
  void SuspendGame() override { ++suspends; }
  void ResumeGame() override { ++resumes; }
  void UpdateGame() override { ++updates; }
  void RenderGame() override { ++renders; }
  void KeyEvent(int, int) override { ++keys; }
};

TEST(GuardedEvents, EachOperationRunsOnlyInTheStateThatAllowsIt) {
  VxGame host;
  Counter c;
  host.SetDelegate(&c);
  host.KeyEvent(EVENT_KEY_DOWN, 65);  // before the start: dropped
  host.UpdateGame();
  host.RenderGame();
  host.ResumeGame();
  EXPECT_EQ(c.keys + c.updates + c.renders + c.resumes, 0);

  host.StartGame();
  host.StartGame();
  EXPECT_EQ(c.starts, 1);
  host.ResumeGame();  // not suspended
  EXPECT_EQ(c.resumes, 0);
  host.SuspendGame();
  host.SuspendGame();
  EXPECT_EQ(c.suspends, 1);
  host.UpdateGame();  // suspended: no update, but renders and keys go on
  host.RenderGame();
  host.KeyEvent(EVENT_KEY_DOWN, 65);
  EXPECT_EQ(c.updates, 0);
  EXPECT_EQ(c.renders, 1);
  EXPECT_EQ(c.keys, 1);
  host.ResumeGame();
  host.UpdateGame();
  EXPECT_EQ(c.resumes, 1);
  EXPECT_EQ(c.updates, 1);
}

// A host whose size and modes the test sets.
class SizedHost : public VxGame {
 public:
  int w = 640, h = 480;
  bool hasDesktop = true;
  std::vector<VxDisplayMode> modes;
  int GetDeviceWidth() override { return w; }
  int GetDeviceHeight() override { return h; }
  std::vector<VxDisplayMode> GetDisplayModes() override { return modes; }
  bool GetDesktopMode(VxDisplayMode& m) override {
    m.width = 1920;
    m.height = 1080;
    return hasDesktop;
  }
};

VxDisplayMode Mode(int w, int h) {
  VxDisplayMode m;
  m.width = w;
  m.height = h;
  return m;
}

TEST(AppModule, DeviceSizeFollowsTheHostOnlyWhenValidated) {
  SizedHost host;
  vxInit();
  vx_app_ValidateDeviceWindow(false);
  EXPECT_EQ(vx_app_DeviceWidth(), 640);
  host.w = 1024;
  host.h = 700;
  EXPECT_EQ(vx_app_DeviceWidth(), 640);  // not before the next update or render
  vx_app_ValidateDeviceWindow(true);
  EXPECT_EQ(vx_app_DeviceWidth(), 1024);
  EXPECT_EQ(vx_app_DeviceHeight(), 700);
}

TEST(AppModule, DisplayModesKeepTheFirstOfEachSize) {
  SizedHost host;
  vxInit();
  host.modes = {Mode(800, 600), Mode(1024, 768), Mode(800, 600), Mode(640, 480), Mode(1024, 768)};
  vx_app_EnumDisplayModes();
  ASSERT_EQ(vx_app__displayModes.size(), 3u);
  EXPECT_EQ(vx_app__displayModes[0].p_Width(), 800);
  EXPECT_EQ(vx_app__displayModes[1].p_Width(), 1024);
  EXPECT_EQ(vx_app__displayModes[2].p_Height(), 480);
  EXPECT_EQ(vx_app_DesktopMode()->p_Width(), 1920);

  // No modes at all still gives a desktop mode; without one, the window size.
  host.modes.clear();
  host.hasDesktop = false;
  vx_app_ValidateDeviceWindow(false);
  vx_app_EnumDisplayModes();
  EXPECT_TRUE(vx_app__displayModes.empty());
  EXPECT_EQ(vx_app_DesktopMode()->p_Width(), 640);
  EXPECT_EQ(vx_app_DesktopMode()->p_Height(), 480);
}

TEST(AppModule, InitGivesTheStartValues) {
  SizedHost host;
  vx_random_Seed = 99;
  vxInit();
  EXPECT_EQ(vx_random_Seed, 1234);
  EXPECT_EQ(vx_app__game, VxGame::_game);
  EXPECT_EQ(vx_app__game, &host);
  EXPECT_EQ(vx_app__app, nullptr);
  EXPECT_EQ(vx_app_DesktopMode(), nullptr);
}

}  // namespace
