// The advance table the game's text layout uses, in font pixels at scale 1,
// for character codes 32-143. The glyphs of the font sheet are fitted to it;
// the tests read it to check that neighbouring glyphs never collide.
#pragma once

constexpr int kFontFirstCode = 32;

constexpr int FontKern(int code) {
  switch (code) {
    case 32: return 24;
    case 33: case 39: case 44: case 46: case 58: case 59: case 96: case 108: case 124: return 9;
    case 34: return 17;
    case 40: case 41: case 91: case 93: return 15;
    case 42: return 23;
    case 105: return 11;
    case 106: case 123: case 125: return 18;
    default: return code >= 35 && code <= 126 ? 22 : 0;
  }
}
