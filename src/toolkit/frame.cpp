// Frame composition: at the end of an update the sprite list is handed to
// the render side; each render scales the 800-unit virtual screen to the
// window, clears it by drawing and replays (and consumes) the records.
#include "toolkit/frame.h"

#include <cmath>
#include <cstring>

#include "game/particles.h"
#include "graphics/graphics.h"
#include "host/app.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/text.h"

namespace {
constexpr int kRecordFloats = 20;
constexpr int kHandOverAbove = 25;  // a list this short leaves the last one on screen
}  // namespace

void vx_pell_Buffer() {
  vx_pell_DoParticles();

  if (vx_pell_PELL_DebugMode == 1) {
    const int u = static_cast<int>(vx_pell_PELL_Data[1]);
    const int r = static_cast<int>(vx_pell_PELL_Data[2]);
    const int s = static_cast<int>(vx_pell_PELL_Data[3]);
    vx_pell_ResetDraw();
    vx_pell_PELL_DrawStyle[4] = vx_pell_PELL_DrawStyle[5] = 0.5f;
    if (vx_pell_PELL_Font != 0) {
      vx_pell_Text(16, static_cast<float>(vx_pell_jscrh - 32),
                   "Update " + String::FromInt(u) + " - Render " + String::FromInt(r) + " (" +
                       String::FromInt(s) + " sprites)",
                   0, 0, 0, 0);
    }
    const float mx = static_cast<float>(vx_pell_mx), my = static_cast<float>(vx_pell_my);
    vx_pell_SetCol(255, 255, 255, -100);
    vx_pell_Line(mx - 8, my, mx + 8, my);
    vx_pell_Line(mx, my - 8, mx, my + 8);
    vx_pell_SetCol(0, 0, 0, -100);
    vx_pell_Line(mx - 7, my - 7, mx + 7, my + 7);
    vx_pell_Line(mx - 7, my + 7, mx + 7, my - 7);
  }

  // Only the records in use are copied: nothing reads past the count.
  if (vx_pell_Sprtup > kHandOverAbove) {
    std::memcpy(vx_pell_PELL_Buffer.data(), vx_pell_PELL_Draw.data(),
                sizeof(float) * kRecordFloats * static_cast<size_t>(vx_pell_Sprtup));
    vx_pell_Bufferup = vx_pell_Sprtup;
  }
}

void vx_pell_RenderWorld() {
  vx_pell_PELL_Orientation = vx_pell_jscrw < vx_pell_jscrh ? 1 : 0;
  for (int i = 0; i < 100; ++i)
    if (vx_pell_PELL_ImgD[i] < 1) vx_pell_PELL_ImgD[i] = 1;
  if (vx_pell_Sprtup > 4999) vx_pell_Sprtup = 4999;

  vx_pell_CountFrame(49, 9, 7, 2);
  std::vector<float>& data = vx_pell_PELL_Data;

  const int W = vx_app__devWidth, H = vx_app__devHeight;
  vx_pell_RealW = vx_pell_WRealW = W;
  vx_pell_RealH = vx_pell_WRealH = H;

  // A minimised (zero-sized) window keeps the previous virtual screen and
  // draws nothing; its records are still consumed.
  const bool visible = W > 0 && H > 0;
  long double aspect = 0;
  if (visible) {
    // Extended precision on purpose: 1920 x 1080 gives 799 x 449.
    const long double T = vx_pell_PELL_TargetSize;
    const long double qw = W / T, qh = H / T;
    const long double scale = qw > qh ? qw : qh;
    vx_pell_jscrw = static_cast<int>(W / scale);
    vx_pell_jscrh = static_cast<int>(H / scale);
    vx_pell_PELL_Scale = static_cast<float>(scale);
    aspect = static_cast<long double>(H) / W;

    if (vx_pell_PELL_Paused == 1) {
      vx_graphics_SetColor(0, 0, 0);
      vx_graphics_SetAlpha(1);
    } else {
      vx_graphics_SetColor(vx_pell_PELL_DrawStyle[11], vx_pell_PELL_DrawStyle[12], vx_pell_PELL_DrawStyle[13]);
      vx_graphics_SetAlpha(vx_pell_PELL_DrawStyle[14]);
    }
    vx_graphics_DrawRect(-128, -128, static_cast<float>(W + 256), static_cast<float>(H + 256));

    // The overscan border is forced to 0 on load, so s is normally the scale.
    const long double o = vx_pell_PELL_Set[21];
    const float s = static_cast<float>((1.0L - (o / 101.0L) * 2.0L) * scale);
    c_GraphicsContext* ctx = vx_graphics_context;
    ctx->m_matA = s;
    ctx->m_matB = 0;
    ctx->m_matC = 0;
    ctx->m_matD = s;
    ctx->m_matTx = 0;
    ctx->m_matTy = 0;
    ctx->m_matrixDirty = 1;
    ctx->m_transformed = s != 1.0f ? 1 : 0;
    vx_graphics_Transform(1, 0, 0, 1, static_cast<float>(10 * o), static_cast<float>(10 * o * aspect));
    vx_graphics_SetBlend(0);
  }

  for (int k = 0; k < vx_pell_Bufferup; ++k) {
    float* rec = &vx_pell_PELL_Buffer[k * kRecordFloats];
    if (visible) {
      vx_graphics_SetAlpha(rec[0]);
      vx_graphics_SetColor(rec[1], rec[2], rec[3]);
      switch (static_cast<int>(rec[9])) {
        case 1: {
          // An empty slot (its file failed to load) is skipped.
          const int slot = static_cast<int>(rec[10]);
          c_Image* image = (slot >= 0 && slot < 150) ? vx_pell_PELL_Img[slot] : nullptr;
          if (image) vx_graphics_DrawImage2(image, rec[11], rec[12], rec[6], rec[4], rec[5], static_cast<int>(rec[13]));
          break;
        }
        case 2:
          vx_graphics_context->p_Validate();
          vx_graphics_renderDevice->DrawRect(rec[11], rec[12], rec[13], rec[14]);
          break;
        case 4:
          vx_graphics_context->p_Validate();
          vx_graphics_renderDevice->DrawPoly(rec + 11, 6);
          break;
        case 5:
          vx_graphics_DrawLine(rec[11], rec[12], rec[13], rec[14]);
          break;
      }
    }
    // Drawn visibly once: a second replay of the same list shows nothing.
    rec[0] = 0;
  }

  vx_pell_ResetDraw();
  data[3] = static_cast<float>(vx_pell_Sprtup);
  vx_pell_Sprtup = 0;

  vx_pell_PELL_ScrollX = static_cast<float>((static_cast<long double>(vx_pell_scrx) - vx_pell_aimx) * 0.125L);
  vx_pell_scrx -= vx_pell_PELL_ScrollX;
  vx_pell_PELL_ScrollY = static_cast<float>((static_cast<long double>(vx_pell_scry) - vx_pell_aimy) * 0.125L);
  vx_pell_scry -= vx_pell_PELL_ScrollY;
}

void vx_pell_CountFrame(int total, int counting, int since, int perSecond) {
  std::vector<float>& data = vx_pell_PELL_Data;
  data[total] += 1;
  data[counting] += 1;
  const int now = vx_app_Millisecs();
  if (std::fabs(static_cast<long double>(now) - data[since]) >= 1000) {
    data[perSecond] = data[counting];
    data[counting] = 0;
    data[since] = static_cast<float>(vx_app_Millisecs());
  }
}

void vx_pell_FullscreenFlip() {
  vx_pell_PELL_Fullscreen = 1 - vx_pell_PELL_Fullscreen;
  if (vx_pell_PELL_Fullscreen == 1) {
    c_DisplayMode* desktop = vx_app_DesktopMode();
    const int w = desktop ? desktop->p_Width() : vx_app_DeviceWidth();
    const int h = desktop ? desktop->p_Height() : vx_app_DeviceHeight();
    vx_app_SetDeviceWindow(w, h, 1);
  } else {
    vx_app_SetDeviceWindow(640, 480, 6);
  }
}
