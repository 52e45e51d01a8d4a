// The shell's tests run on the real desktop host and a real input device.
// The host's clock is set by the test, and joysticks are fed through the
// host's joystick source, since no joystick exists on the test machines.
#pragma once

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "host/glfw_game.h"
#include "host/init.h"
#include "input/input.h"
#include "shell/globals.h"

namespace shell_fixture {

class ClockHost : public VxQuibexGame {
 public:
  double now = 0;  // seconds
  double GetTime() override { return now; }
};

// Joysticks in the host's default layout (4 axes, 16 buttons): stick 0 is
// axes 0 and 1, stick 1 is axis 2 and axis 3 inverted; game button b comes
// from device button kDeviceButton[b].
struct FedPads : VxJoystickSource {
  static constexpr int kDeviceButton[14] = {1, 2, 0, 3, 4, 5, 8, 9, 15, 12, 13, 14, 10, 11};
  struct Pad {
    float axes[4] = {0, 0, 0, 0};
    unsigned char buttons[16] = {};
  };
  std::map<int, Pad> pads;

  bool Present(int id) override { return pads.count(id) != 0; }
  const float* Axes(int id, int* count) override {
    *count = 4;
    return pads.at(id).axes;
  }
  const unsigned char* Buttons(int id, int* count) override {
    *count = 16;
    return pads.at(id).buttons;
  }

  // What the input device will read as stick values and game buttons.
  void Stick(int pad, int stick, float x, float y) {
    float* a = pads[pad].axes;
    if (stick == 0) {
      a[0] = x;
      a[1] = y;
    } else {
      a[2] = x;
      a[3] = -y;
    }
  }
  void Button(int pad, int button, bool down) {
    pads[pad].buttons[kDeviceButton[button]] = down ? GLFW_PRESS : GLFW_RELEASE;
  }
};

class HostFixture : public ::testing::Test {
 protected:
  // Joysticks are counted on the first update, so a test that uses them
  // plugs them in (Connect) before that.
  void SetUp() override {
    ASSERT_TRUE(glfwInit());
    host = new ClockHost();
    host->SetJoystickSource(&fed);
    vxInit();
    dev.m_new();
    vx_input_SetInputDevice(&dev);
    vx_pell_PELL_GameNum = 507;
  }
  void TearDown() override {
    vx_input_SetInputDevice(nullptr);
    delete host;
    glfwTerminate();
  }

  void Connect(int pads) {
    for (int p = 0; p < pads; ++p) fed.pads[p];
  }
  void Key(int key, bool down) { dev.p_KeyEvent(down ? EVENT_KEY_DOWN : EVENT_KEY_UP, key); }
  void Tap(int key) {
    Key(key, true);
    Key(key, false);
  }

  FedPads fed;
  ClockHost* host = nullptr;
  c_InputDevice dev;
};

}  // namespace shell_fixture
