// The sprite list's writers and the draw state. Every writer copies style
// slots 0-8 into a fixed 20-float record; nothing is allocated.
#include "toolkit/draw.h"

#include <cmath>

#include "graphics/graphics.h"
#include "shell/globals.h"

namespace {

constexpr int kRecordFloats = 20;
constexpr int kLastRecord = 5000;  // records 0..5000 may exist

float Clamp(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The next record with the draw state copied in, or null when the list is
// full (later records of the update are dropped).
float* NewRecord(int kind) {
  if (vx_pell_Sprtup > kLastRecord) return nullptr;
  float* r = &vx_pell_PELL_Draw[vx_pell_Sprtup * kRecordFloats];
  for (int i = 0; i < 9; ++i) r[i] = vx_pell_PELL_DrawStyle[i];
  r[9] = static_cast<float>(kind);
  ++vx_pell_Sprtup;
  return r;
}

// Channel k of the hue wheel: the cosine in double, its factors rounded to
// float first, the whole expression then rounded once when stored.
float HueChannel(float hue, float saturation, float brightness, int k) {
  const float half = saturation * 0.5f;
  const float lift = brightness - 1.0f;
  const double radians = static_cast<double>((static_cast<long double>(hue) + 120.0L * k) * 0.0174532924f);
  long double v = (std::cos(radians) * static_cast<long double>(half) + 0.5L + lift) * 255.0L;
  return Clamp(static_cast<float>(v), 0.0f, 255.0f);
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Draw state

void vx_pell_ResetDraw() {
  static const float defaults[9] = {1, 255, 255, 255, 1, 1, 0, 0, 0};
  for (int i = 0; i < 9; ++i) vx_pell_PELL_DrawStyle[i] = defaults[i];
}

void vx_pell_SetCol(float r, float g, float b, float a) {
  vx_pell_PELL_DrawStyle[1] = Clamp(r, 0, 255);
  vx_pell_PELL_DrawStyle[2] = Clamp(g, 0, 255);
  vx_pell_PELL_DrawStyle[3] = Clamp(b, 0, 255);
  if (a != -100.0f) vx_pell_PELL_DrawStyle[0] = Clamp(a, 0, 1);
}

void vx_pell_Alpha(float a) { vx_pell_PELL_DrawStyle[0] = Clamp(a, 0, 1); }

void vx_pell_SetRot(float degrees) { vx_pell_PELL_DrawStyle[6] = degrees; }

void vx_pell_SetSize(float sx, float sy) {
  vx_pell_PELL_DrawStyle[4] = sx;
  vx_pell_PELL_DrawStyle[5] = (sy == -37171.0f) ? sx : sy;
}

void vx_pell_Ink(int index, float brightness) {
  static const float palette[10][3] = {
      {0.3f, 0.3f, 0.3f}, {1, 0.1f, 0.1f}, {1, 0.5f, 0.1f}, {1, 1, 0.1f}, {0.1f, 1, 0.1f},
      {0.1f, 1, 1},       {0.1f, 0.1f, 1}, {0.5f, 0.1f, 1}, {1, 0.1f, 0.5f}, {1, 1, 1},
  };
  const float* f = (index >= 1 && index <= 9) ? palette[index] : palette[0];
  for (int k = 0; k < 3; ++k) {
    long double v = static_cast<long double>(f[k]) * brightness * 255.0L;
    vx_pell_PELL_DrawStyle[1 + k] = Clamp(static_cast<float>(v), 0, 255);
  }
}

void vx_pell_InkRot(float hue, float saturation, float brightness) {
  for (int k = 0; k < 3; ++k) vx_pell_PELL_DrawStyle[1 + k] = HueChannel(hue, saturation, brightness, k);
}

void vx_pell_SetCLSCol(int r, int g, int b, float a) {
  vx_pell_PELL_DrawStyle[15] = Clamp(static_cast<float>(r), 0, 255);
  vx_pell_PELL_DrawStyle[16] = Clamp(static_cast<float>(g), 0, 255);
  vx_pell_PELL_DrawStyle[17] = Clamp(static_cast<float>(b), 0, 255);
  vx_pell_PELL_DrawStyle[14] = Clamp(a, 0, 1);
}

void vx_pell_BGRot(float hue, float saturation, float brightness) {
  for (int k = 0; k < 3; ++k) vx_pell_PELL_DrawStyle[15 + k] = HueChannel(hue, saturation, brightness, k);
  vx_pell_PELL_DrawStyle[14] = 1;
}

// ---------------------------------------------------------------------------
// [SECTION] Records

void vx_pell_Rect(float x, float y, float w, float h, float handleX, float handleY) {
  float* r = NewRecord(2);
  if (!r) return;
  r[11] = static_cast<float>(x - static_cast<long double>(w) * (handleX * 0.5L));
  r[12] = static_cast<float>(y - static_cast<long double>(h) * (handleY * 0.5L));
  r[13] = w;
  r[14] = h;
}

void vx_pell_Line(float x1, float y1, float x2, float y2) {
  float* r = NewRecord(5);
  if (!r) return;
  r[11] = x1;
  r[12] = y1;
  r[13] = x2;
  r[14] = y2;
}

void vx_pell_Triangle(float x1, float y1, float x2, float y2, float x3, float y3) {
  float* r = NewRecord(4);
  if (!r) return;
  r[11] = x1;
  r[12] = y1;
  r[13] = x2;
  r[14] = y2;
  r[15] = x3;
  r[16] = y3;
}

void vx_pell_DrawImg(int slot, float x, float y, int frame) {
  if (slot < 1 || slot > 99) return;
  float* r = NewRecord(1);
  if (!r) return;
  // A slot never loaded has a count of 0 until the first render raises it;
  // it counts as one frame here rather than dividing by zero.
  const int count = vx_pell_PELL_ImgD[slot] >= 1 ? vx_pell_PELL_ImgD[slot] : 1;
  r[10] = static_cast<float>(slot);
  r[11] = x;
  r[12] = y;
  r[13] = static_cast<float>(frame % count);
}

// ---------------------------------------------------------------------------
// [SECTION] Image slots

void vx_pell_LoadImg(int slot, const String& name, int frameWidth, int frameHeight, int frameCount) {
  if (slot < 0 || slot >= static_cast<int>(vx_pell_PELL_Img.size())) return;
  vx_pell_PELL_ImgD[slot] = frameCount;
  vx_pell_PELL_ImgW[slot] = static_cast<float>(frameWidth);
  vx_pell_PELL_ImgH[slot] = static_cast<float>(frameHeight);
  const String path = slot > 69 ? "common/" + name + ".png"
                                : String::FromInt(vx_pell_PELL_GameNum) + "/" + name + ".png";
  vx_pell_PELL_Img[slot] = vx_graphics_LoadImage2(path, frameWidth, frameHeight, frameCount, c_Image::m_FlagCentre);
}
