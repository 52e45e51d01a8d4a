// Per-update housekeeping and control channels, driven through the real
// input device and the host's joystick seam, one update at a time as the
// delegate brackets it.
#include <AL/al.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "shell/controls.h"
#include "host_fixture.h"
#include "toolkit/globals.h"

namespace {

class ShellControls : public shell_fixture::HostFixture {
 protected:
  void Update() {
    dev.p_BeginUpdate();
    vx_pell_UpdateWorld();
    dev.p_EndUpdate();
  }
  static float Ch(int index) { return vx_pell_PELL_Control[static_cast<size_t>(index)]; }
};

// [SECTION] Axes

struct AxisCase {
  const char* name;
  int key;
  int channel;  // 21 or 22
  float sign;
};

// The merged block adds the keyboard's share into a value it carries over,
// so it climbs faster and lingers after the key is let go.
TEST_F(ShellControls, HeldKeyRampsTheKeyboardAxisAndLingersInTheMergedOne) {
  const float keyboard[] = {0.4f, 0.8f, 1, 1, 1, 1, 0.75f, 0.5f, 0.25f, 0, 0, 0, 0};
  const float merged[] = {0.4f, 0.95f, 1, 1, 1, 1, 1, 1, 1, 0.75f, 0.5f, 0.25f, 0};
  const AxisCase cases[] = {
      {"Right", KEY_RIGHT, 21, 1}, {"A", KEY_A, 21, -1}, {"S", KEY_S, 22, 1}, {"keypad 8", KEY_KP_8, 22, -1}};
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_Control.assign(500, 0.0f);
    for (int u = 0; u < 13; ++u) {
      Key(c.key, u < 6);
      Update();
      EXPECT_FLOAT_EQ(Ch(c.channel), c.sign * keyboard[u]) << "update " << u;
      EXPECT_FLOAT_EQ(Ch(100 + c.channel), c.sign * merged[u]) << "update " << u;
      EXPECT_EQ(Ch(43 - c.channel), 0) << "the other axis";
    }
  }
}

TEST_F(ShellControls, LeftAndRightTogetherHoldTheAxisWhereItWas) {
  Key(KEY_RIGHT, true);
  Update();
  Update();
  ASSERT_FLOAT_EQ(Ch(21), 0.8f);
  Key(KEY_LEFT, true);
  for (int u = 0; u < 3; ++u) {
    Update();
    EXPECT_FLOAT_EQ(Ch(21), 0.8f) << "update " << u;
    EXPECT_EQ(Ch(3), 1);
    EXPECT_EQ(Ch(5), 1);
  }
  Key(KEY_LEFT, false);
  Key(KEY_RIGHT, false);
  Update();
  EXPECT_FLOAT_EQ(Ch(21), 0.55f);
}

struct StickCase {
  const char* name;
  float lx, ly, rx, ry;
  int invert11, invert12;
  float x, y, rightX, rightY;  // channels 21, 22, 31, 32
  std::vector<int> held;       // direction channels that are 1
};

TEST_F(ShellControls, SticksPassTheDeadZoneAndOverrideTheAxes) {
  const StickCase cases[] = {
      {"inside the dead zone", 0.2f, 0.25f, 0, 0, 0, 0, 0, 0, 0, 0, {}},
      {"y outside keeps x as read", 0.2f, 0.35f, 0, 0, 0, 0, 0.2f, 0.35f, 0, 0, {8}},
      {"x at the edge overrides", 0.3f, 0, 0, 0, 0, 0, 0.3f, 0, 0, 0, {}},
      // Outside the dead zone but not past the override: the axis stays.
      {"y at the edge does not", 0, 0.3f, 0, 0, 0, 0, 0, 0, 0, 0, {}},
      {"full left", -0.9f, 0, 0, 0, 0, 0, -0.9f, 0, 0, 0, {3}},
      {"left stick y inverted", 0, 0.5f, 0, 0, 1, 0, 0, -0.5f, 0, 0, {0}},
      {"right stick", 0, 0, 0.5f, -0.1f, 0, 0, 0, 0, 0.5f, -0.1f, {}},
      {"right stick inside", 0, 0, 0.3f, 0.2f, 0, 0, 0, 0, 0, 0, {}},
      {"right stick y inverted", 0, 0, 0, 0.6f, 0, 1, 0, 0, 0, -0.6f, {}},
  };
  Connect(2);
  for (const StickCase& c : cases) {
    SCOPED_TRACE(c.name);
    vx_pell_PELL_Control.assign(500, 0.0f);
    vx_pell_PELL_Set[11] = c.invert11;
    vx_pell_PELL_Set[12] = c.invert12;
    fed.Stick(1, 0, c.lx, c.ly);
    fed.Stick(1, 1, c.rx, c.ry);
    Update();
    const int block = 200;  // joystick 1
    EXPECT_FLOAT_EQ(Ch(block + 21), c.x);
    EXPECT_FLOAT_EQ(Ch(block + 22), c.y);
    EXPECT_FLOAT_EQ(Ch(block + 31), c.rightX);
    EXPECT_FLOAT_EQ(Ch(block + 32), c.rightY);
    for (int d : {0, 3, 5, 8}) {
      bool want = false;
      for (int h : c.held) want = want || h == d;
      EXPECT_EQ(Ch(block + d), want ? 1.0f : 0.0f) << "direction channel " << d;
    }
    EXPECT_EQ(Ch(121), 0) << "joystick 1 stays out of the first player's block";
  }
}

// [SECTION] Buttons and pads

struct BindingCase {
  int channel;
  std::vector<int> keys, buttons;
};

TEST_F(ShellControls, EveryKeyAndButtonReachesItsChannel) {
  const BindingCase cases[] = {
      {0, {KEY_UP, KEY_W, KEY_KP_8}, {9}},
      {3, {KEY_LEFT, KEY_A, KEY_KP_4}, {8}},
      {5, {KEY_RIGHT, KEY_D, KEY_KP_6}, {10}},
      {8, {KEY_DOWN, KEY_S, KEY_KP_2, KEY_KP_5}, {11}},
      {10, {KEY_Z, KEY_J, KEY_SPACE, KEY_ENTER}, {0}},
      {11, {KEY_X, KEY_K, KEY_CONTROL}, {1}},
      {12, {KEY_C, KEY_L, KEY_SHIFT}, {2}},
      {13, {KEY_V, KEY_I}, {3}},
      {14, {KEY_B, KEY_U}, {4}},
      {15, {KEY_N, KEY_O}, {5}},
      {20, {KEY_ESCAPE, KEY_GRAVE, KEY_DELETE, KEY_BACKSPACE}, {6, 7}},
  };
  const int channels[] = {0, 3, 5, 8, 10, 11, 12, 13, 14, 15, 20};
  auto expectOnly = [&](int block, int channel) {
    for (int k : channels) EXPECT_EQ(Ch(block + k), k == channel ? 1.0f : 0.0f) << "channel " << k;
  };
  Connect(3);
  for (const BindingCase& c : cases) {
    for (int key : c.keys) {
      SCOPED_TRACE("key " + std::to_string(key));
      Key(key, true);
      Update();
      expectOnly(0, c.channel);
      Key(key, false);
    }
    for (int b : c.buttons) {
      SCOPED_TRACE("button " + std::to_string(b));
      fed.Button(2, b, true);
      Update();
      expectOnly(300, c.channel);
      expectOnly(0, -1);
      fed.Button(2, b, false);
    }
  }
}

TEST_F(ShellControls, PadsReadTheirBlockAndMixingMergesTheKeyboardIntoTheFirst) {
  Connect(1);
  Key(KEY_SPACE, true);
  fed.Button(0, 0, true);
  Key(KEY_ESCAPE, true);
  Key(KEY_RIGHT, true);
  Update();
  EXPECT_EQ(Ch(10), 1);
  EXPECT_EQ(Ch(110), 2);
  EXPECT_EQ(vx_pell_PlayKey(10), 3) << "keyboard 1 plus the merged block's 2";
  EXPECT_EQ(vx_pell_PlayKey(10, -1), 2) << "the merged player";
  EXPECT_EQ(vx_pell_PlayKey(10, 0), 2);
  EXPECT_EQ(vx_pell_PlayKey(10, 1), 0);
  EXPECT_EQ(vx_pell_PlayKey(99, -1), 1) << "99 reads channel 20";
  EXPECT_EQ(vx_pell_PlayKey(99), 2);
  EXPECT_FLOAT_EQ(vx_pell_ControlX(-1, 0), 0.4f);
  EXPECT_EQ(vx_pell_ControlX(1, 0), 0);
  for (int pad : {-3, 4, 1000, -2147483647 - 1}) EXPECT_EQ(vx_pell_PlayKey(10, pad), 0) << "pad " << pad;
  for (int channel : {-1, 100, 2147483647}) EXPECT_EQ(vx_pell_PlayKey(channel), 0) << "channel " << channel;
  EXPECT_EQ(vx_pell_ControlX(-2, 0), 0);
  EXPECT_EQ(vx_pell_ControlX(0, 2), 0);

  vx_pell_PELL_MixControls = 0;
  vx_pell_PELL_Control.assign(500, 0.0f);
  Update();
  EXPECT_EQ(Ch(110), 1);
  EXPECT_EQ(vx_pell_PlayKey(10, -1), 1) << "the keyboard alone";
  EXPECT_EQ(vx_pell_PlayKey(10), 2);
  EXPECT_FLOAT_EQ(vx_pell_ControlX(-1, 0), 0.4f);
  EXPECT_EQ(vx_pell_ControlX(0, 0), 0);

  vx_pell_MixControls();
  EXPECT_EQ(vx_pell_PELL_MixControls, 1);
}

TEST_F(ShellControls, ADisabledJoystickIsSilentAndTheOthersAreNot) {
  Connect(2);
  vx_pell_Joy_Disable[0] = 1;
  for (int p : {0, 1}) {
    fed.Button(p, 0, true);
    fed.Stick(p, 0, 1, 0);
    fed.Stick(p, 1, 0, 1);
  }
  Update();
  for (int k = 0; k <= 32; ++k) EXPECT_EQ(Ch(100 + k), 0) << "channel " << k;
  EXPECT_EQ(Ch(210), 1);
  EXPECT_EQ(Ch(221), 1);
  EXPECT_EQ(Ch(232), 1);
}

// [SECTION] Pointer

TEST_F(ShellControls, LowestFingerDownGivesThePointerAndALeftButtonIsFingerZero) {
  vx_pell_PELL_Scale = 2;
  dev.p_MouseEvent(EVENT_MOUSE_MOVE, 0, 300, 300);
  dev.p_TouchEvent(EVENT_TOUCH_DOWN, 1, 100, 100);
  Update();
  const std::vector<float>& t = vx_pell_PELL_Touch;
  EXPECT_EQ(t[0], 0);
  EXPECT_EQ(t[10], 1);
  EXPECT_EQ(t[11], 50);
  EXPECT_EQ(t[12], 50);
  EXPECT_EQ(t[100], 1);
  EXPECT_EQ(t[101], 50);
  EXPECT_EQ(t[102], 50);
  EXPECT_EQ(vx_pell_mdAll, 1);
  EXPECT_EQ(vx_pell_mx, 50);

  dev.p_MouseEvent(EVENT_MOUSE_DOWN, 0, 300, 300);
  Update();
  EXPECT_EQ(t[0], 1);
  EXPECT_EQ(t[100], 1);
  EXPECT_EQ(t[101], 150);
  EXPECT_EQ(t[102], 150);

  dev.p_MouseEvent(EVENT_MOUSE_UP, 0, 300, 300);
  dev.p_TouchEvent(EVENT_TOUCH_UP, 1, 100, 100);
  dev.p_MouseEvent(EVENT_MOUSE_MOVE, 0, 31, 41);
  Update();
  EXPECT_EQ(t[10], 0);
  EXPECT_EQ(t[11], 50) << "a lifted finger keeps its last position";
  EXPECT_EQ(t[100], 0);
  EXPECT_FLOAT_EQ(t[101], 15.5f);
  EXPECT_EQ(vx_pell_mdAll, 0);
  EXPECT_EQ(vx_pell_mx, 15) << "truncated";
  EXPECT_EQ(vx_pell_my, 20);
}

TEST_F(ShellControls, DragStepsBeginOnTheSecondUpdateOfAPressAndOutliveIt) {
  vx_pell_PELL_Scale = 1;
  vx_pell_msx = 7;
  vx_pell_msy = 8;
  vx_pell_mdis[0] = 1;
  Update();
  EXPECT_EQ(vx_pell_mwx, -100);
  EXPECT_EQ(vx_pell_mdis[0], 0) << "released pointer clears its lock";

  dev.p_MouseEvent(EVENT_MOUSE_DOWN, 0, 50, 60);
  vx_pell_mdis[0] = 1;
  Update();
  EXPECT_EQ(vx_pell_msx, 7) << "no step on the first update";
  EXPECT_EQ(vx_pell_msy, 8);
  EXPECT_EQ(vx_pell_mwx, 50);
  EXPECT_EQ(vx_pell_mdis[0], 1) << "held pointer keeps its lock";

  dev.p_MouseEvent(EVENT_MOUSE_MOVE, 0, 55, 57);
  Update();
  EXPECT_EQ(vx_pell_msx, 5);
  EXPECT_EQ(vx_pell_msy, -3);

  dev.p_MouseEvent(EVENT_MOUSE_UP, 0, 55, 57);
  Update();
  EXPECT_EQ(vx_pell_mwx, -100);
  EXPECT_EQ(vx_pell_mwy, -100);
  EXPECT_EQ(vx_pell_msx, 5);
  EXPECT_EQ(vx_pell_msy, -3);
}

// Touch positions are whatever the window system sends; none may turn
// into undefined behaviour on the way to int.
TEST_F(ShellControls, PointerPositionsFarOutsideTheIntRangeAreBounded) {
  vx_pell_PELL_Scale = 1;
  struct Case {
    float x, y;
    int mx, my;
  } cases[] = {{1e30f, -1e30f, 2147483647, -2147483647 - 1}, {NAN, -2.9f, 0, -2}};
  for (const Case& c : cases) {
    dev.p_TouchEvent(EVENT_TOUCH_DOWN, 0, c.x, c.y);
    Update();
    EXPECT_EQ(vx_pell_mx, c.mx);
    EXPECT_EQ(vx_pell_my, c.my);
    dev.p_TouchEvent(EVENT_TOUCH_MOVE, 0, 10, 10);
    Update();  // a step from the bound back in saturates too
    dev.p_TouchEvent(EVENT_TOUCH_UP, 0, 0, 0);
    Update();
  }
}

TEST_F(ShellControls, PointerTestsSeeOnlyFingersThatAreDown) {
  vx_pell_PELL_Scale = 1;
  dev.p_TouchEvent(EVENT_TOUCH_DOWN, 3, 10, 20);
  Update();
  struct Case {
    const char* name;
    int got, want;
  } cases[] = {
      {"box edges are inside", vx_pell_MouseIn(10, 20, 0, 0), 1},
      {"box far edge", vx_pell_MouseIn(5, 15, 5, 5), 1},
      {"box left of the finger", vx_pell_MouseIn(10.5f, 20, 5, 5), 0},
      {"centred box", vx_pell_MouseIn_Centered(15, 25, 10, 10), 1},
      {"centred box just past", vx_pell_MouseIn_Centered(15.5f, 25, 10, 10), 0},
      {"radius at the distance", vx_pell_MouseIn_Radius(13, 24, 5), 1},
      {"radius short of it", vx_pell_MouseIn_Radius(13, 24, 4.99f), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
  EXPECT_EQ(vx_pell_Dist(0, 0, 3, 4), 5);
  EXPECT_EQ(vx_pell_Dist(1, 1, 1, 1), 0);

  // The pointer record alone (elements 100-102) is not a finger.
  dev.p_TouchEvent(EVENT_TOUCH_UP, 3, 10, 20);
  Update();
  vx_pell_PELL_Touch[100] = 1;
  vx_pell_PELL_Touch[101] = 10;
  vx_pell_PELL_Touch[102] = 20;
  EXPECT_EQ(vx_pell_MouseIn(0, 0, 100, 100), 0);
  EXPECT_EQ(vx_pell_MouseIn_Radius(10, 20, 1), 0);
}

// [SECTION] Housekeeping

TEST_F(ShellControls, FunctionKeysToggleOnAHitNotWhileHeld) {
  Key(KEY_F1, true);
  Update();
  EXPECT_EQ(vx_pell_PELL_DebugMode, 1);
  EXPECT_EQ(vx_pell_PELL_Set[22], 1);
  Update();
  EXPECT_EQ(vx_pell_PELL_DebugMode, 1) << "still held: no new hit";
  Key(KEY_F1, false);
  Tap(KEY_F1);
  Update();
  EXPECT_EQ(vx_pell_PELL_DebugMode, 0);
  EXPECT_EQ(vx_pell_PELL_Set[22], 0);

  Tap(KEY_F2);
  Update();
  EXPECT_EQ(vx_pell_PELL_ScreenshotMode, 1);
  EXPECT_EQ(vx_pell_PELL_Set[23], 1);
  Tap(KEY_F2);
  Update();
  EXPECT_EQ(vx_pell_PELL_ScreenshotMode, 0);
  EXPECT_EQ(vx_pell_PELL_Set[23], 0);

  // A value loaded from a hand-edited record still toggles without overflow.
  vx_pell_PELL_DebugMode = -2147483647 - 1;
  Tap(KEY_F1);
  Update();
  EXPECT_EQ(vx_pell_PELL_DebugMode, -2147483647);
}

TEST_F(ShellControls, F4EndsTheProgramAtOnceWithStatusZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        Tap(KEY_F4);
        Update();
        std::exit(3);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ShellControls, VolumesAreClampedAndTheMusicGainFollows) {
  setenv("ALSOFT_DRIVERS", "null", 0);
  gxtkAudio audio;
  vx_audio_SetAudioDevice(&audio);
  struct Case {
    int music, effects, musicAfter, effectsAfter;
    float gain;
  } cases[] = {{12, 11, 10, 10, 0.999f}, {10, 10, 10, 10, 0.999f}, {5, 0, 5, 0, 0.4995f}, {-3, -1, 0, 0, 0}};
  for (const Case& c : cases) {
    vx_pell_PELL_Set[0] = c.music;
    vx_pell_PELL_Set[1] = c.effects;
    Update();
    EXPECT_EQ(vx_pell_PELL_Set[0], c.musicAfter) << c.music;
    EXPECT_EQ(vx_pell_PELL_Set[1], c.effectsAfter) << c.effects;
    float gain = -1;
    alGetSourcef(audio.channels[VX_AUDIO_MUSIC].source, AL_GAIN, &gain);
    EXPECT_FLOAT_EQ(gain, c.gain) << c.music;
  }
  vx_audio_SetAudioDevice(nullptr);
}

TEST_F(ShellControls, UpdatesAreCountedPerSecondEvenWhenTheClockGoesBack) {
  const struct {
    double seconds;
    float perSecond, counting, start;
  } steps[] = {
      {0.2, 0, 1, 0}, {0.5, 0, 2, 0}, {1.0, 3, 0, 1000}, {1.5, 3, 1, 1000}, {0.0, 2, 0, 0},
  };
  for (const auto& s : steps) {
    host->now = s.seconds;
    Update();
    EXPECT_EQ(vx_pell_PELL_Data[1], s.perSecond) << s.seconds;
    EXPECT_EQ(vx_pell_PELL_Data[8], s.counting) << s.seconds;
    EXPECT_EQ(vx_pell_PELL_Data[6], s.start) << s.seconds;
  }
  EXPECT_EQ(vx_pell_PELL_Data[48], 5);
}

TEST_F(ShellControls, EachUpdateEasesTheBackgroundAndClosesPauseOutsideAGame) {
  std::vector<float>& style = vx_pell_PELL_DrawStyle;
  style[11] = 0;
  style[12] = 255;
  style[13] = 16;
  style[15] = 160;
  style[16] = 0;
  style[17] = 16;
  vx_pell_PELL_Paused = 1;
  vx_pell_PELL_GameMode = 10;
  Update();
  EXPECT_EQ(vx_pell_PELL_Paused, 1) << "a running game keeps its pause";
  EXPECT_EQ(vx_pell_PELL_MenuPos[40], 0);
  EXPECT_FLOAT_EQ(style[11], 10);
  EXPECT_FLOAT_EQ(style[12], 239.0625f);
  EXPECT_FLOAT_EQ(style[13], 16);
  vx_pell_PELL_GameMode = 0;
  Update();
  EXPECT_FLOAT_EQ(style[11], 19.375f);
  EXPECT_EQ(vx_pell_PELL_Paused, 0);
  EXPECT_EQ(vx_pell_PELL_MenuPos[40], 1);
}

TEST_F(ShellControls, LockKeysLocksEveryInputAndOuyaOffersQuit) {
  vx_pell_LockKeys();
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(vx_pell_kdis[static_cast<size_t>(i)], 1);
    EXPECT_EQ(vx_pell_mdis[static_cast<size_t>(i)], 1);
  }
  vx_pell_SetOUYA(0);
  EXPECT_EQ(vx_pell_HasQuit, 0);
  vx_pell_SetOUYA(1);
  EXPECT_EQ(vx_pell_isOuya, 1);
  EXPECT_EQ(vx_pell_HasQuit, 1);
}

}  // namespace
