// What each asset family of the generator offers main.cpp: image makers that
// return whole sheets, the typeface used by the font and the titles, and the
// sound and tune writers. Every maker is a pure function of its arguments.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

// [SECTION] typeface (font.cpp)
struct Typeface;  // a TrueType file loaded through stb_truetype
// Loads a font file; null (with a message) when it is missing or unreadable.
Typeface* LoadTypeface(const std::string& path);
void FreeTypeface(Typeface* face);
// Coverage of one line of text, white on clear, pixelHeight = ascent - descent.
// squeeze < 1 narrows the glyphs.
Canvas RenderText(const Typeface& face, const char* text, float pixelHeight, float squeeze = 1);
// Text whose ink box is centred on (cx, cy), painted in colour.
void DrawLabel(Canvas& c, const Typeface& face, const char* text, float cx, float cy, float height, Rgba colour);

Canvas MakeBandwidthFont(const Typeface& face);     // 128 frames of 64 x 64
Canvas MakeFrameworkFont(const Typeface& mono);     // 96 padded frames in one row

// [SECTION] the city (city.cpp)
Canvas MakeBuildings(bool cracked);  // 1024 frames of 16 x 16, style = column

// [SECTION] game sprites and particles (sprites.cpp)
Canvas MakeGameSprites();  // 49 frames of 36 x 36
enum ParticleSheet { kShapeFull, kShapeLine, kSmoke, kCluster, kStars };
Canvas MakeParticles(ParticleSheet which);  // 16 frames of 32 x 32

// [SECTION] shell art (shell_art.cpp)
Canvas MakeToolkitLogo(const Typeface& face);  // 1024 x 1024
Canvas MakeButtons(const Typeface& face);  // 16 frames of 64 x 64
Canvas MakeIcons();                      // 16 frames of 128 x 128
Canvas MakeCircles();                    // 4 frames of 256 x 256
Canvas MakeTitle(const Typeface& face);  // 1024 x 512
Canvas MakeMenuPanels();                 // 4 frames of 1024 x 1024
Canvas MakeOptionIcons(const Typeface& face);  // 49 frames of 68 x 68
Canvas MakeScoreboard();                 // 256 x 256
// Controller and key symbols, shared by the font and the button sheet: kind
// 0-5 the six pad buttons, 6-7 shoulders, 8 menu, 9-12 up, down, left, right.
void DrawPadSymbol(Canvas& c, float cx, float cy, float size, int kind, const Typeface* face);

// [SECTION] sounds (sounds.cpp, tune.cpp)
// Mono 16-bit samples at kSoundRate of one effect: 96, 98, 99 or 1-6.
constexpr int kSoundRate = 44100;
std::vector<short> MakeSound(int id);
bool WriteWav(const std::string& path, const std::vector<short>& samples, int rate, int channels);
// Renders the looping tune and encodes it as Ogg Vorbis.
bool WriteTune(const std::string& path);
