// Bitmap-font text: lays a string out along the draw state's rotation and
// scale and writes one image record per visible glyph. Measurement and
// advance differ on purpose in three places (see vx_pell_Text).
#include "toolkit/text.h"

#include <cmath>

#include "graphics/graphics.h"
#include "shell/globals.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"

namespace {

// Degrees to radians with the toolkit's float factor, the sine in double.
long double Sind(long double degrees) { return std::sin(static_cast<double>(degrees * 0.0174532924f)); }
long double Cosd(long double degrees) { return std::cos(static_cast<double>(degrees * 0.0174532924f)); }

int Kern(int code) { return vx_pell_PELL_FontKern[code - 32]; }

// Frame of the symbol written as the not sign followed by `next`.
int SymbolFrame(int next) {
  switch (next) {
    case 'J': return 112;
    case 'K': return 113;
    case 'L': return 114;
    case 'I': return 115;
    case 'U': return 116;
    case 'O': return 117;
    case 'Q': return 118;
    case 'E': return 119;
    case 'F': return 120;
    case 'W': return 121;
    case 'S': return 122;
    case 'A': return 123;
    case 'D': return 124;
    default: return next + 16;
  }
}

}  // namespace

void vx_pell_LoadFont(int slot, const String& name) {
  if (slot < 0 || slot >= static_cast<int>(vx_pell_PELL_Img.size())) return;
  const String path = slot > 69 ? "common/" + name + ".png"
                                : String::FromInt(vx_pell_PELL_GameNum) + "/" + name + ".png";
  vx_pell_PELL_Img[slot] = vx_graphics_LoadImage2(path, 64, 64, 128, c_Image::m_FlagCentre);
  vx_pell_PELL_ImgD[slot] = 128;
  vx_pell_PELL_Font = slot;
}

int vx_pell_Text(float x, float y, const String& body, float alignX, float alignY, float wavePhase,
                 float waveAmplitude) {
  const int font = vx_pell_PELL_Font;
  if (font == 0) return 0;
  // The leading space is laid out like any character: it advances, draws nothing.
  const String text = " " + body;
  const int n = text.Length();
  const float sx = vx_pell_PELL_DrawStyle[4], sy = vx_pell_PELL_DrawStyle[5];
  const int r = static_cast<int>(vx_pell_PELL_DrawStyle[6]);

  // Measured up to, not including, the last character; a symbol measures
  // 30 though it advances 56, and unknown codes measure 0 but advance 28.
  int w = 0;
  for (int i = 0; i <= n - 2; ++i) {
    const int c = text.At(i);
    if (c >= 32 && c <= 141) {
      w = static_cast<int>(w + static_cast<long double>(Kern(c)) * sx);
    } else if (c == 172) {
      w = static_cast<int>(w + 30.0L * sx);
      ++i;
    }
  }

  const float X = static_cast<float>(x + 0.5L * alignX * w * Sind(-90.0L - r) +
                                     44.0L * sx * 0.5L * (alignY - 1.0L) * Sind(-r));
  const float Y = static_cast<float>(y - 0.5L * alignX * w * Cosd(-90.0L - r) -
                                     44.0L * sy * 0.5L * (alignY - 1.0L) * Cosd(-r));
  float penX = X, penY = Y;
  int line = 0;
  const long double stepX = Sind(90.0L - r), stepY = Cosd(90.0L - r);

  for (int i = 0; i < n; ++i) {
    const int c = text.At(i);
    int frame;
    int advance;
    if (c >= 32 && c <= 141) {
      frame = c - 32;
      advance = Kern(c);
    } else if (c == 172) {
      frame = SymbolFrame(text.At(i + 1));
      advance = 56;
      ++i;
    } else if (c == 0) {
      continue;
    } else {
      frame = c - 32;
      advance = 28;
    }

    if (c == '\\' && text.At(i + 1) == 'n') {
      ++i;
      ++line;
      penX = static_cast<float>(X + 22.0L * sy * line * Sind(180.0L - r) + 38.0L * sx * Sind(90.0L - r));
      penY = static_cast<float>(Y - 38.0L * sy * line * Cosd(180.0L - r));
      continue;
    }

    if (frame >= 1 && frame <= 127 && penX > -128 && penX < vx_pell_jscrw + 128 && penY > -128 &&
        penY < vx_pell_jscrh + 128 && font >= 1 && font <= 99) {
      float drawnY = penY;
      if (waveAmplitude > 0)
        drawnY = static_cast<float>(penY + waveAmplitude * Sind(wavePhase + 0.5L * penX));
      vx_pell_DrawImg(font, penX, drawnY, frame);
    }

    penX = static_cast<float>(penX + static_cast<long double>(advance) * sx * stepX);
    penY = static_cast<float>(penY - static_cast<long double>(advance - 7) * sx * stepY);
  }
  return static_cast<int>(penX);
}

String vx_pell_rstr(const String& s, int n, const String& pad) {
  String padded;
  for (int i = 0; i < 24; ++i) padded = padded + pad;
  padded = padded + s;
  const int keep = n < padded.Length() ? n : padded.Length();
  if (keep <= 0) return String();
  return padded.Slice(padded.Length() - keep);
}
