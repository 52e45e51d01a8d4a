// Joysticks through the desktop host's mapping tables and into the input
// device's ports. No joystick exists on the test machines, so the host is
// fed axis and button arrays in place of GLFW's.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "host/glfw_game.h"
#include "host/init.h"
#include "input/input.h"

namespace {

struct Pad {
  std::vector<float> axes;
  std::vector<unsigned char> buttons;
  bool gone = false;  // still listed, but its reads give nothing
};

// Arrays exactly as long as the pad reports, so a read past a count is
// caught by the address sanitizer. Like GLFW, a pad without axes or buttons
// still gives an (empty) array.
template <typename T>
const T* Array(const std::vector<T>& v) {
  static const T none{};
  return v.empty() ? &none : v.data();
}

struct FedJoysticks : VxJoystickSource {
  std::map<int, Pad> pads;
  bool Present(int id) override { return pads.count(id) != 0; }
  const float* Axes(int id, int* count) override {
    auto it = pads.find(id);
    *count = 0;
    if (it == pads.end() || it->second.gone) return nullptr;
    *count = static_cast<int>(it->second.axes.size());
    return Array(it->second.axes);
  }
  const unsigned char* Buttons(int id, int* count) override {
    auto it = pads.find(id);
    *count = 0;
    if (it == pads.end() || it->second.gone) return nullptr;
    *count = static_cast<int>(it->second.buttons.size());
    return Array(it->second.buttons);
  }
};

Pad MakePad(std::vector<float> axes, int buttonCount, std::vector<int> pressed) {
  Pad p;
  p.axes = std::move(axes);
  p.buttons.assign(static_cast<size_t>(buttonCount), GLFW_RELEASE);
  for (int b : pressed) p.buttons[static_cast<size_t>(b)] = GLFW_PRESS;
  return p;
}

class Joysticks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(glfwInit());
    host = new VxQuibexGame();
    host->SetJoystickSource(&fed);
    vxInit();
  }
  void TearDown() override {
    delete host;
    glfwTerminate();
  }

  struct Read {
    bool ok;
    c_JoyState s;
  };
  Read Poll(int port) {
    Read r;
    // Stale values, so that every output is seen to be written.
    for (bool& b : r.s.m_buttons) b = true;
    for (int i = 0; i < 2; ++i) r.s.m_axisX[i] = r.s.m_axisY[i] = r.s.m_trigger[i] = 9;
    r.ok = host->PollJoystick(port, r.s.m_axisX, r.s.m_axisY, r.s.m_trigger, r.s.m_buttons);
    return r;
  }

  FedJoysticks fed;
  VxQuibexGame* host = nullptr;
};

struct MappingCase {
  const char* name;
  Pad pad;
  float x0, y0, z0, x1, y1, z1;
  std::vector<int> down;  // output buttons expected pressed
};

TEST_F(Joysticks, EachLayoutGoesThroughItsTables) {
  const std::vector<float> five = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
  const std::vector<float> six = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
  const MappingCase cases[] = {
      // Inverted stick 0 y, triggers from axis 2; device button 13 is
      // output 8, device 8 is output 12.
      {"5 axes, 14 buttons", MakePad(five, 14, {0, 8, 13}), 0.1f, -0.2f, 0.3f, 0.5f, -0.4f, -0.3f, {0, 8, 12}},
      // Triggers from buttons 6 and 7; outputs 0-2 are device 1, 2, 0 and
      // device 15 is output 8.
      {"6 axes, 16 buttons", MakePad(six, 16, {1, 6, 15}), 0.1f, 0.2f, 1.0f, 0.3f, -0.4f, 0.0f, {0, 8}},
      {"5 axes, 13 buttons", MakePad(five, 13, {0, 7}), 0.1f, 0.2f, 0.0f, 0.3f, -0.4f, 1.0f, {2}},
      {"4 axes, 14 buttons", MakePad({0.1f, 0.2f, 0.3f, 0.4f}, 14, {13}), 0.1f, 0.2f, 0.0f, 0.3f, -0.4f, 0.0f, {10}},
      // Indices the device lacks read as centred and released.
      {"2 axes, 3 buttons", MakePad({-1.0f, 1.0f}, 3, {0, 1, 2}), -1.0f, 1.0f, 0.0f, 0.0f, -0.0f, 0.0f, {0, 1, 2}},
      {"nothing", MakePad({}, 0, {}), 0, 0, 0, 0, 0, 0, {}},
  };
  for (const MappingCase& c : cases) {
    SCOPED_TRACE(c.name);
    fed.pads = {{0, c.pad}};
    Read r = Poll(0);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.s.m_axisX[0], c.x0);
    EXPECT_EQ(r.s.m_axisY[0], c.y0);
    EXPECT_EQ(r.s.m_trigger[0], c.z0);
    EXPECT_EQ(r.s.m_axisX[1], c.x1);
    EXPECT_EQ(r.s.m_axisY[1], c.y1);
    EXPECT_EQ(r.s.m_trigger[1], c.z1);
    for (int b = 0; b < 32; ++b) {
      bool want = false;
      for (int d : c.down) want = want || d == b;
      EXPECT_EQ(r.s.m_buttons[b], want) << "output button " << b;
    }
  }
}

TEST_F(Joysticks, PresentIdsBecomePortsInOrderAndAreCountedOnce) {
  fed.pads = {{0, MakePad({0.25f}, 1, {})}, {3, MakePad({-0.75f}, 1, {})}};
  EXPECT_TRUE(Poll(0).ok);
  Read second = Poll(1);
  ASSERT_TRUE(second.ok);
  EXPECT_EQ(second.s.m_axisX[0], -0.75f);
  EXPECT_FALSE(Poll(2).ok);
  EXPECT_FALSE(Poll(-1).ok);
  EXPECT_EQ(host->CountJoysticks(false), 2);

  // One plugged in later is not seen until the joysticks are counted anew.
  fed.pads[1] = MakePad({0.5f}, 1, {});
  EXPECT_EQ(host->CountJoysticks(false), 2);
  EXPECT_EQ(Poll(1).s.m_axisX[0], -0.75f);
  EXPECT_EQ(host->CountJoysticks(true), 3);
  EXPECT_EQ(Poll(1).s.m_axisX[0], 0.5f);
}

TEST_F(Joysticks, AtMostFourAreTaken) {
  for (int id : {1, 2, 5, 9, 12, 15}) fed.pads[id] = MakePad({static_cast<float>(id) / 16}, 1, {});
  EXPECT_EQ(host->CountJoysticks(false), 4);
  EXPECT_EQ(Poll(3).s.m_axisX[0], 9.0f / 16);
  EXPECT_FALSE(Poll(4).ok);
}

TEST_F(Joysticks, AJoystickThatWentAwayFailsItsPoll) {
  fed.pads = {{0, MakePad({0.5f}, 2, {0})}};
  EXPECT_TRUE(Poll(0).ok);
  fed.pads[0].gone = true;
  EXPECT_FALSE(Poll(0).ok);
}

// The device's side: buttons become keys 256 + 32 * port + b.
TEST_F(Joysticks, AHeldButtonIsOneHitAndItsReleaseNeedsNoEvent) {
  fed.pads = {{0, MakePad({0, 0}, 16, {})}, {4, MakePad({0, 0}, 16, {})}};
  c_InputDevice dev;
  dev.m_new();
  const int key = KEY_JOY_BASE + 32 * 1 + 2;  // port 1, output 2 = device button 0
  fed.pads[4].buttons[0] = GLFW_PRESS;
  int hits = 0;
  for (int update = 0; update < 5; ++update) {
    dev.p_BeginUpdate();
    EXPECT_TRUE(dev.p_KeyDown(key));
    hits += dev.p_KeyHit(key);
    dev.p_EndUpdate();
  }
  EXPECT_EQ(hits, 1);
  EXPECT_EQ(dev.m_keyHitPut, 0);

  fed.pads[4].buttons[0] = GLFW_RELEASE;
  dev.p_BeginUpdate();
  EXPECT_FALSE(dev.p_KeyDown(key));
  EXPECT_EQ(dev.p_KeyHit(key), 0);
}

TEST_F(Joysticks, DeviceWithoutJoysticksStaysAtRest) {
  c_InputDevice dev;
  dev.m_new();
  dev.p_BeginUpdate();
  EXPECT_EQ(dev.m_keyHitPut, 0);
  for (int key = KEY_JOY_BASE; key < KEY_TOUCH_BASE; ++key) ASSERT_FALSE(dev.p_KeyDown(key));
  EXPECT_EQ(dev.p_JoyX(0, 0), 0);
}

// Pulling a joystick out mid-press must not leave its stick pushed and its
// buttons held, for that port or any later one no longer polled.
TEST_F(Joysticks, PortsNoLongerReadGoBackToRest) {
  fed.pads = {{0, MakePad({-1, 0}, 16, {1})}, {1, MakePad({1, 0}, 16, {1})}};
  c_InputDevice dev;
  dev.m_new();
  dev.p_BeginUpdate();
  ASSERT_TRUE(dev.p_KeyDown(KEY_JOY_BASE + 0));
  ASSERT_TRUE(dev.p_KeyDown(KEY_JOY_BASE + 32));
  ASSERT_EQ(dev.p_JoyX(0, 1), 1.0f);
  dev.p_EndUpdate();

  fed.pads[0].gone = true;
  dev.p_BeginUpdate();
  EXPECT_FALSE(dev.p_KeyDown(KEY_JOY_BASE + 0));
  EXPECT_FALSE(dev.p_KeyDown(KEY_JOY_BASE + 32));
  EXPECT_EQ(dev.p_JoyX(0, 0), 0);
  EXPECT_EQ(dev.p_JoyX(0, 1), 0);

  // Back at the same id, it is read again.
  fed.pads[0].gone = false;
  dev.p_BeginUpdate();
  EXPECT_TRUE(dev.p_KeyDown(KEY_JOY_BASE + 0));
  EXPECT_EQ(dev.p_KeyHit(KEY_JOY_BASE + 0), 1);
}

// The device stops at the first port that fails; later ports are not asked.
struct CountingHost : VxGame {
  int present = 0;
  std::vector<int> asked;
  bool PollJoystick(int port, float*, float*, float*, bool*) override {
    asked.push_back(port);
    return port < present;
  }
};

TEST(JoystickPorts, PollingStopsAtTheFirstFailure) {
  for (int present : {0, 2, 4}) {
    CountingHost host;
    host.present = present;
    vxInit();
    c_InputDevice dev;
    dev.m_new();
    dev.p_BeginUpdate();
    std::vector<int> want;
    for (int p = 0; p <= present && p < 4; ++p) want.push_back(p);
    EXPECT_EQ(host.asked, want) << present << " present";
  }
}

}  // namespace
