// The input device on its own: key flags and hits over updates, the two
// queues at their limits, the left-button / touch-0 pointer, and reads and
// events outside the key range. No host: joysticks are simply absent.
#include <gtest/gtest.h>

#include <vector>

#include "host/game.h"
#include "input/input.h"

namespace {

struct Ev {
  int event, key;
};
const int D = EVENT_KEY_DOWN, U = EVENT_KEY_UP;

struct Expect {
  int key;
  bool down;
  int hits;
};

struct SequenceCase {
  const char* name;
  std::vector<Ev> events;  // all between two updates
  std::vector<Expect> expect;
};

TEST(InputDevice, KeySequencesBetweenTwoUpdates) {
  const SequenceCase cases[] = {
      {"auto-repeat", {{D, KEY_A}, {D, KEY_A}, {D, KEY_A}}, {{KEY_A, true, 1}}},
      {"press and release", {{D, KEY_A}, {U, KEY_A}}, {{KEY_A, false, 1}}},
      {"pressed twice", {{D, KEY_A}, {U, KEY_A}, {D, KEY_A}}, {{KEY_A, true, 2}}},
      {"release alone", {{U, KEY_A}}, {{KEY_A, false, 0}}},
      {"keys apart", {{D, KEY_A}, {D, KEY_B}, {U, KEY_B}}, {{KEY_A, true, 1}, {KEY_B, false, 1}}},
      {"left button is touch 0", {{D, KEY_MOUSE_LEFT}}, {{KEY_MOUSE_LEFT, true, 1}, {KEY_TOUCH_BASE, true, 1}}},
      {"touch 0 is the left button", {{D, KEY_TOUCH_BASE}}, {{KEY_MOUSE_LEFT, true, 1}, {KEY_TOUCH_BASE, true, 1}}},
      {"touch 0 up releases the button",
       {{D, KEY_MOUSE_LEFT}, {U, KEY_TOUCH_BASE}},
       {{KEY_MOUSE_LEFT, false, 1}, {KEY_TOUCH_BASE, false, 1}}},
      {"button up releases touch 0",
       {{D, KEY_TOUCH_BASE}, {U, KEY_MOUSE_LEFT}},
       {{KEY_MOUSE_LEFT, false, 1}, {KEY_TOUCH_BASE, false, 1}}},
      {"right button is not mirrored", {{D, KEY_MOUSE_RIGHT}}, {{KEY_MOUSE_RIGHT, true, 1}, {KEY_TOUCH_BASE + 1, false, 0}}},
      {"touch 1 is not mirrored", {{D, KEY_TOUCH_BASE + 1}}, {{KEY_TOUCH_BASE + 1, true, 1}, {KEY_MOUSE_RIGHT, false, 0}}},
  };
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    c_InputDevice dev;
    dev.m_new();
    for (const Ev& e : c.events) dev.p_KeyEvent(e.event, e.key);
    dev.p_BeginUpdate();
    for (const Expect& x : c.expect) {
      EXPECT_EQ(dev.p_KeyDown(x.key), x.down) << "key " << x.key;
      EXPECT_EQ(dev.p_KeyHit(x.key), x.hits) << "key " << x.key;
    }
    dev.p_EndUpdate();
    // Hits last one update; down flags last until the release.
    for (const Expect& x : c.expect) {
      EXPECT_EQ(dev.p_KeyHit(x.key), 0) << "key " << x.key << " next update";
      EXPECT_EQ(dev.p_KeyDown(x.key), x.down) << "key " << x.key << " next update";
    }
  }
}

TEST(InputDevice, HitsBeyondTheThirtyThirdOfAnUpdateAreLostWhole) {
  c_InputDevice dev;
  dev.m_new();
  for (int i = 0; i < 34; ++i) dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_JOY_BASE + i);
  EXPECT_EQ(dev.m_keyHitPut, 33);
  EXPECT_EQ(dev.p_KeyHit(KEY_JOY_BASE + 32), 1);
  EXPECT_EQ(dev.m_keyHitQueue[32], KEY_JOY_BASE + 32);
  // The 34th is down but has no hit, and is not queued either.
  EXPECT_TRUE(dev.p_KeyDown(KEY_JOY_BASE + 33));
  EXPECT_EQ(dev.p_KeyHit(KEY_JOY_BASE + 33), 0);
  // A second press of a queued key is lost as well, not counted twice.
  dev.p_KeyEvent(EVENT_KEY_UP, KEY_JOY_BASE);
  dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_JOY_BASE);
  EXPECT_EQ(dev.p_KeyHit(KEY_JOY_BASE), 1);
  // Releases still work with a full queue.
  dev.p_KeyEvent(EVENT_KEY_UP, KEY_JOY_BASE + 33);
  EXPECT_FALSE(dev.p_KeyDown(KEY_JOY_BASE + 33));

  // A count without a queue entry would never be cleared again.
  dev.p_EndUpdate();
  for (int key = 1; key < 512; ++key) ASSERT_EQ(dev.m_keyHit[key], 0) << "key " << key;
  EXPECT_EQ(dev.m_keyHitPut, 0);
  dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_A);
  EXPECT_EQ(dev.p_KeyHit(KEY_A), 1);
}

TEST(InputDevice, LeftClickAsTheLastFreeHitLosesOnlyItsMirror) {
  c_InputDevice dev;
  dev.m_new();
  for (int i = 0; i < 32; ++i) dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_JOY_BASE + i);
  dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_MOUSE_LEFT);
  EXPECT_EQ(dev.p_KeyHit(KEY_MOUSE_LEFT), 1);
  EXPECT_EQ(dev.p_KeyHit(KEY_TOUCH_BASE), 0);
  EXPECT_TRUE(dev.p_KeyDown(KEY_TOUCH_BASE));
}

TEST(InputDevice, TheThirtyThirdCharacterOfAnUpdateIsDropped) {
  c_InputDevice dev;
  dev.m_new();
  for (int i = 0; i < 33; ++i) dev.p_KeyEvent(EVENT_KEY_CHAR, 'a' + i);
  EXPECT_EQ(dev.m_charPut, 32);
  EXPECT_EQ(dev.m_charQueue[0], 'a');
  EXPECT_EQ(dev.m_charQueue[31], 'a' + 31);
  dev.p_EndUpdate();
  EXPECT_EQ(dev.m_charPut, 0);
  EXPECT_EQ(dev.m_charGet, 0);
  dev.p_KeyEvent(EVENT_KEY_CHAR, 0x1F600);
  EXPECT_EQ(dev.m_charPut, 1);
  EXPECT_EQ(dev.m_charQueue[0], 0x1F600);
}

TEST(InputDevice, MouseEventsMoveThePointerAndTouchZero) {
  c_InputDevice dev;
  dev.m_new();
  dev.p_MouseEvent(EVENT_MOUSE_MOVE, -1, 12.5f, 7.25f);
  EXPECT_EQ(dev.p_MouseX(), 12.5f);
  EXPECT_EQ(dev.p_MouseY(), 7.25f);
  EXPECT_EQ(dev.p_TouchX(0), 12.5f);
  EXPECT_EQ(dev.p_TouchY(0), 7.25f);

  dev.p_MouseEvent(EVENT_MOUSE_DOWN, 0, 100, 200);
  EXPECT_TRUE(dev.p_KeyDown(KEY_MOUSE_LEFT));
  EXPECT_TRUE(dev.p_KeyDown(KEY_TOUCH_BASE));
  EXPECT_EQ(dev.p_MouseX(), 100);
  EXPECT_EQ(dev.p_TouchY(0), 200);

  // A release does not move the pointer.
  dev.p_MouseEvent(EVENT_MOUSE_UP, 0, 300, 400);
  EXPECT_FALSE(dev.p_KeyDown(KEY_MOUSE_LEFT));
  EXPECT_FALSE(dev.p_KeyDown(KEY_TOUCH_BASE));
  EXPECT_EQ(dev.p_MouseX(), 100);
  EXPECT_EQ(dev.p_MouseY(), 200);

  dev.p_MouseEvent(EVENT_MOUSE_DOWN, 1, 5, 6);
  dev.p_MouseEvent(EVENT_MOUSE_DOWN, 2, 5, 6);
  EXPECT_TRUE(dev.p_KeyDown(KEY_MOUSE_RIGHT));
  EXPECT_TRUE(dev.p_KeyDown(KEY_MOUSE_MIDDLE));
  EXPECT_FALSE(dev.p_KeyDown(KEY_TOUCH_BASE));
}

TEST(InputDevice, TouchZeroMovesTheMouseOtherTouchesDoNot) {
  c_InputDevice dev;
  dev.m_new();
  dev.p_TouchEvent(EVENT_TOUCH_DOWN, 3, 40, 50);
  EXPECT_TRUE(dev.p_KeyDown(KEY_TOUCH_BASE + 3));
  EXPECT_EQ(dev.p_TouchX(3), 40);
  EXPECT_EQ(dev.p_TouchY(3), 50);
  EXPECT_EQ(dev.p_MouseX(), 0);

  dev.p_TouchEvent(EVENT_TOUCH_MOVE, 0, 8, 9);
  EXPECT_EQ(dev.p_MouseX(), 8);
  EXPECT_EQ(dev.p_MouseY(), 9);
  EXPECT_FALSE(dev.p_KeyDown(KEY_MOUSE_LEFT));  // moving is not pressing

  dev.p_TouchEvent(EVENT_TOUCH_UP, 3, 0, 0);
  EXPECT_FALSE(dev.p_KeyDown(KEY_TOUCH_BASE + 3));
  EXPECT_EQ(dev.p_TouchX(3), 40);
}

// Every flag set and every position filled, so a read that strays past an
// array's end would see something.
void FillEverything(c_InputDevice& dev) {
  for (int k = 0; k < 512; ++k) {
    dev.m_keyDown[k] = true;
    dev.m_keyHit[k] = 7;
  }
  for (int t = 0; t < 32; ++t) dev.m_touchX[t] = dev.m_touchY[t] = 7;
  for (c_JoyState& s : dev.m_joyStates) s.m_axisX[0] = s.m_axisX[1] = s.m_axisY[0] = s.m_axisY[1] = 7;
}

TEST(InputDevice, ReadsOutsideTheRangesGiveNothing) {
  c_InputDevice dev;
  dev.m_new();
  FillEverything(dev);
  vx_input_SetInputDevice(&dev);
  struct {
    const char* what;
    float got;
  } reads[] = {
      {"KeyHit(0)", static_cast<float>(dev.p_KeyHit(0))},
      {"KeyHit(512)", static_cast<float>(dev.p_KeyHit(512))},
      {"KeyHit(-1)", static_cast<float>(dev.p_KeyHit(-1))},
      {"KeyDown(-1)", static_cast<float>(dev.p_KeyDown(-1))},
      {"KeyDown(0)", static_cast<float>(dev.p_KeyDown(0))},
      {"KeyDown(512)", static_cast<float>(dev.p_KeyDown(512))},
      {"TouchX(32)", dev.p_TouchX(32)},
      {"TouchY(-1)", dev.p_TouchY(-1)},
      {"JoyX(2, 0)", dev.p_JoyX(2, 0)},
      {"JoyY(0, 4)", dev.p_JoyY(0, 4)},
      {"JoyX(-1, 0)", dev.p_JoyX(-1, 0)},
      {"vx KeyHit(512)", static_cast<float>(vx_input_KeyHit(512))},
      {"vx KeyDown(0)", static_cast<float>(vx_input_KeyDown(0))},
      {"vx MouseDown(-1)", static_cast<float>(vx_input_MouseDown(-1))},
      {"vx MouseDown(511)", static_cast<float>(vx_input_MouseDown(511))},
      {"vx TouchDown(128)", static_cast<float>(vx_input_TouchDown(128))},
      {"vx TouchDown(-384)", static_cast<float>(vx_input_TouchDown(-384))},
      {"vx TouchDown(INT_MAX)", static_cast<float>(vx_input_TouchDown(2147483647))},
      {"vx JoyDown(-1, 0)", static_cast<float>(vx_input_JoyDown(-1, 0))},
      {"vx JoyDown(0, -1)", static_cast<float>(vx_input_JoyDown(0, -1))},
      {"vx JoyDown(0, 16)", static_cast<float>(vx_input_JoyDown(0, 16))},
      {"vx JoyDown(0, INT_MAX)", static_cast<float>(vx_input_JoyDown(0, 2147483647))},
      {"vx TouchX(32)", vx_input_TouchX(32)},
      {"vx JoyY(0, -1)", vx_input_JoyY(0, -1)},
  };
  for (const auto& r : reads) EXPECT_EQ(r.got, 0.0f) << r.what;
  vx_input_SetInputDevice(nullptr);
}

TEST(InputDevice, ModuleFunctionsReadTheSetDevice) {
  EXPECT_FALSE(vx_input_KeyDown(KEY_A));  // no device yet
  EXPECT_EQ(vx_input_MouseX(), 0);
  c_InputDevice dev;
  dev.m_new();
  vx_input_SetInputDevice(&dev);
  dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_MOUSE_MIDDLE);
  dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_TOUCH_BASE + 2);
  dev.p_KeyEvent(EVENT_KEY_DOWN, KEY_JOY_BASE + 32 * 1 + 2);
  dev.p_MouseEvent(EVENT_MOUSE_MOVE, -1, 3, 4);
  dev.m_joyStates[2].m_axisY[1] = -0.5f;
  EXPECT_EQ(vx_input_KeyHit(KEY_MOUSE_MIDDLE), 1);
  EXPECT_TRUE(vx_input_MouseDown(2));
  EXPECT_FALSE(vx_input_MouseDown(0));
  EXPECT_TRUE(vx_input_TouchDown(2));
  EXPECT_TRUE(vx_input_JoyDown(2, 1));
  EXPECT_FALSE(vx_input_JoyDown(2, 0));
  // The code is or-ed together: button 34 of unit 0 is button 2 of unit 1.
  EXPECT_TRUE(vx_input_JoyDown(34, 0));
  EXPECT_EQ(vx_input_MouseY(), 4);
  EXPECT_EQ(vx_input_TouchX(0), 3);
  EXPECT_EQ(vx_input_JoyY(1, 2), -0.5f);
  vx_input_SetInputDevice(nullptr);
}

TEST(InputDevice, EventsOutsideTheRangesChangeNothing) {
  c_InputDevice dev;
  dev.m_new();
  dev.p_KeyEvent(EVENT_KEY_DOWN, 0);
  dev.p_KeyEvent(EVENT_KEY_DOWN, 512);
  dev.p_KeyEvent(EVENT_KEY_DOWN, -1);
  dev.p_KeyEvent(EVENT_KEY_DOWN, 2147483647);
  dev.p_KeyEvent(EVENT_KEY_UP, -100000);
  dev.p_MouseEvent(EVENT_MOUSE_UP, 2147483647, 1, 1);
  // Touch 32 would be the back key.
  dev.p_TouchEvent(EVENT_TOUCH_DOWN, 32, 9, 9);
  dev.p_TouchEvent(EVENT_TOUCH_DOWN, -1, 9, 9);
  dev.p_TouchEvent(EVENT_TOUCH_MOVE, 1000, 9, 9);
  // Codes of other kinds are ignored by each handler.
  dev.p_KeyEvent(EVENT_MOUSE_DOWN, KEY_A);
  dev.p_MouseEvent(EVENT_KEY_DOWN, 0, 9, 9);
  dev.p_TouchEvent(EVENT_MOUSE_MOVE, 0, 9, 9);
  dev.p_MotionEvent(EVENT_KEY_DOWN, 0, 9, 9, 9);

  EXPECT_EQ(dev.m_keyHitPut, 0);
  for (int key = 0; key < 512; ++key) ASSERT_FALSE(dev.m_keyDown[key]) << "key " << key;
  EXPECT_EQ(dev.m_charPut, 0);
  EXPECT_EQ(dev.p_TouchX(0), 0);
  EXPECT_EQ(dev.p_MouseX(), 0);
  EXPECT_EQ(dev.m_accelX, 0);
  // A press of a button without a key code still moves the pointer.
  dev.p_MouseEvent(EVENT_MOUSE_DOWN, 2147483647, 1, 2);
  dev.p_MouseEvent(EVENT_MOUSE_DOWN, -1, 1, 2);
  EXPECT_EQ(dev.p_MouseY(), 2);
  EXPECT_EQ(dev.m_keyHitPut, 0);

  dev.p_MotionEvent(EVENT_MOTION_ACCEL, 0, 0.1f, 0.2f, 0.3f);
  EXPECT_EQ(dev.m_accelZ, 0.3f);
}

}  // namespace
