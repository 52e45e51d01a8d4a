// Bitmap-font text written as glyph records into the sprite list.
#pragma once

#include "host/string.h"

void vx_pell_LoadFont(int slot, const String& name);
// Returns the final pen x, truncated; 0 without a font.
int vx_pell_Text(float x, float y, const String& text, float alignX, float alignY, float wavePhase,
                 float waveAmplitude);
String vx_pell_rstr(const String& s, int n, const String& pad);
