// c_App registration, the delegate's bracketing of updates and renders, and
// the app module's functions.
#include "host/app.h"

#include <set>

#include "audio/audio.h"
#include "graphics/graphics.h"
#include "host/errors.h"
#include "input/input.h"
#include "input/keys.h"

// ---------------------------------------------------------------------------
// [SECTION] Application

c_App* c_App::m_new() {
  if (vx_app__app) vxError("App has already been created");
  vx_app__app = this;
  vx_app__delegate = new c_GameDelegate();
  vx_app__game->SetDelegate(vx_app__delegate);
  return this;
}

int c_App::p_OnClose() { vx_app_EndApp(); }

int c_App::p_OnBack() { vx_app_EndApp(); }

// ---------------------------------------------------------------------------
// [SECTION] Delegate

void c_GameDelegate::StartGame() {
  m_graphics = new gxtkGraphics();
  vx_graphics_device = m_graphics;
  vx_graphics_SetFont(nullptr, 32);
  m_audio = new gxtkAudio();
  vx_audio_device = m_audio;
  m_input = (new c_InputDevice())->m_new();
  vx_input_device = m_input;
  vx_app_ValidateDeviceWindow(false);
  vx_app_EnumDisplayModes();
  vx_app__app->p_OnCreate();
}

void c_GameDelegate::SuspendGame() { m_audio->Suspend(); }

void c_GameDelegate::ResumeGame() { m_audio->Resume(); }

void c_GameDelegate::UpdateGame() {
  vx_app_ValidateDeviceWindow(true);
  m_input->p_BeginUpdate();
  vx_app__app->p_OnUpdate();
  m_input->p_EndUpdate();
}

void c_GameDelegate::RenderGame() {
  vx_app_ValidateDeviceWindow(true);
  int mode = m_graphics->BeginRender();
  if (mode != 0) {
    vx_graphics_BeginRender();
    if (mode != 2) vx_app__app->p_OnRender();
    vx_graphics_EndRender();
  } else {
    vx_app__app->p_OnRender();
  }
  m_graphics->EndRender();
}

void c_GameDelegate::KeyEvent(int event, int data) {
  switch (event) {
    case EVENT_KEY_DOWN:
      m_input->p_KeyEvent(event, data);
      if (data == KEY_BACK || data == KEY_CLOSE) vx_app_EndApp();
      break;
    case EVENT_KEY_UP:
    case EVENT_KEY_CHAR:
      m_input->p_KeyEvent(event, data);
      break;
  }
}

void c_GameDelegate::MouseEvent(int event, int data, float x, float y) { m_input->p_MouseEvent(event, data, x, y); }

void c_GameDelegate::TouchEvent(int event, int data, float x, float y) { m_input->p_TouchEvent(event, data, x, y); }

void c_GameDelegate::MotionEvent(int event, int data, float x, float y, float z) {
  m_input->p_MotionEvent(event, data, x, y, z);
}

void c_GameDelegate::DiscardGraphics() { m_graphics->DiscardGraphics(); }

// ---------------------------------------------------------------------------
// [SECTION] App module

void vx_app_SetUpdateRate(int rate) {
  vx_app__updateRate = rate;
  vx_app__game->SetUpdateRate(rate);
}

int vx_app_Millisecs() { return vx_app__game->Millisecs(); }

String vx_app_LoadState() { return vx_app__game->LoadState(); }

void vx_app_SaveState(const String& state) { vx_app__game->SaveState(state); }

void vx_app_GetDate(std::vector<int>& date) { vx_app__game->GetDate(date); }

std::vector<int> vx_app_GetDate2() {
  std::vector<int> date(7, 0);
  vx_app__game->GetDate(date);
  return date;
}

int vx_app_DeviceWidth() { return vx_app__devWidth; }

int vx_app_DeviceHeight() { return vx_app__devHeight; }

void vx_app_SetDeviceWindow(int width, int height, int flags) {
  vx_app__game->SetDeviceWindow(width, height, flags);
  vx_app_ValidateDeviceWindow(false);
}

void vx_app_ValidateDeviceWindow(bool /*notify*/) {
  int w = vx_app__game->GetDeviceWidth();
  int h = vx_app__game->GetDeviceHeight();
  if (w != vx_app__devWidth || h != vx_app__devHeight) {
    vx_app__devWidth = w;
    vx_app__devHeight = h;
  }
}

c_DisplayMode* vx_app_DesktopMode() { return vx_app__desktopMode.get(); }

void vx_app_EnumDisplayModes() {
  std::vector<c_DisplayMode> modes;
  std::set<int> seen;
  for (const VxDisplayMode& m : vx_app__game->GetDisplayModes()) {
    int key = (m.width << 16) | m.height;
    if (!seen.insert(key).second) continue;
    modes.emplace_back(m.width, m.height);
  }
  vx_app__displayModes = modes;
  VxDisplayMode desktop;
  if (vx_app__game->GetDesktopMode(desktop))
    vx_app__desktopMode.reset(new c_DisplayMode(desktop.width, desktop.height));
  else
    vx_app__desktopMode.reset(new c_DisplayMode(vx_app__devWidth, vx_app__devHeight));
}

void vx_app_EndApp() { vxError(String()); }
