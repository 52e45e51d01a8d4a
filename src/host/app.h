// The application side of the host: c_App with its hooks, the delegate that
// owns the renderer, audio and input devices and brackets each update and
// render, display-mode records, and the vx_app_ functions game code uses to
// reach the host.
#pragma once

#include <vector>

#include "host/game.h"
#include "host/globals.h"

class gxtkGraphics;
class gxtkAudio;
class c_InputDevice;

class c_App {
 public:
  virtual ~c_App() = default;
  // Registers this object as the one application; a second is an error.
  c_App* m_new();
  virtual int p_OnCreate() { return 0; }
  virtual int p_OnUpdate() { return 0; }
  virtual int p_OnRender() { return 0; }
  int p_OnLoading() { return 0; }
  int p_OnResize() { return 0; }
  int p_OnSuspend() { return 0; }
  int p_OnResume() { return 0; }
  int p_OnClose();
  int p_OnBack();
};

class c_GameDelegate : public VxGameDelegate {
 public:
  gxtkGraphics* m_graphics = nullptr;
  gxtkAudio* m_audio = nullptr;
  c_InputDevice* m_input = nullptr;

  void StartGame() override;
  void SuspendGame() override;
  void ResumeGame() override;
  void UpdateGame() override;
  void RenderGame() override;
  void KeyEvent(int event, int data) override;
  void MouseEvent(int event, int data, float x, float y) override;
  void TouchEvent(int event, int data, float x, float y) override;
  void MotionEvent(int event, int data, float x, float y, float z) override;
  void DiscardGraphics() override;
};

void vx_app_SetUpdateRate(int rate);
int vx_app_Millisecs();
String vx_app_LoadState();
void vx_app_SaveState(const String& state);
void vx_app_GetDate(std::vector<int>& date);
std::vector<int> vx_app_GetDate2();
int vx_app_DeviceWidth();
int vx_app_DeviceHeight();
void vx_app_SetDeviceWindow(int width, int height, int flags);
void vx_app_ValidateDeviceWindow(bool notify);
c_DisplayMode* vx_app_DesktopMode();
void vx_app_EnumDisplayModes();
[[noreturn]] void vx_app_EndApp();
