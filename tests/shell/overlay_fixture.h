// The overlay screens' tests: the whole game, loaded and on its menu, with
// ways to read back what an update played (sound slots, from the samples
// left on the channels) and which text it drew (font glyphs on one line).
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "game_fixture.h"
#include "shell/controls.h"

class OverlayTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Start();
    FinishLoading();
    Update();
  }

  // As the screens that open an overlay leave things: every input locked.
  static void Open(int overlay) {
    vx_pell_LockKeys();
    vx_pell_PELL_OptCred = overlay;
  }

  // The channel a later SoundsSince counts from.
  static int Mark() { return vx_pell_PELL_LChan; }

  // Slots of the sounds played since the mark, in order (fewer than 32).
  static std::vector<int> SoundsSince(int mark) {
    std::vector<int> out;
    for (int c = mark; c != vx_pell_PELL_LChan;) {
      c = (c + 1) % 32;
      const gxtkChannel& ch = vx_audio_device->channels[c];
      int slot = -1;
      for (int n = 0; n < 100 && slot < 0; ++n)
        if (vx_pell_PELL_SFX[n] && ch.sample == vx_pell_PELL_SFX[n]->m_sample) slot = n;
      out.push_back(slot);
    }
    return out;
  }

  // The characters drawn with glyph centres on line y between two x,
  // left to right (spaces draw nothing, so they do not appear). Near y:
  // aligned text drifts off its line by a rounding of the cosine of -90.
  static std::string TextOn(float y, float fromX = -1e9f, float toX = 1e9f) {
    std::vector<std::pair<float, char>> glyphs;
    for (const Sprite& s : Images(vx_pell_PELL_Font))
      if (std::fabs(s.y - y) < 0.01f && s.x >= fromX && s.x <= toX)
        glyphs.push_back({s.x, static_cast<char>(s.frame + 32)});
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const std::pair<float, char>& a, const std::pair<float, char>& b) { return a.first < b.first; });
    std::string out;
    for (const auto& g : glyphs) out += g.second;
    return out;
  }
};
