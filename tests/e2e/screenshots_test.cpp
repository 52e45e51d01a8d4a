// The README's screenshots, taken from the built game played the way the
// play test plays it. Disabled in the suite; `make screenshots` runs it with
// KITEMOTH_SCREENSHOTS naming the folder the PNG files go to.
#include <cstdlib>

#include "support/real_game.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {

class Screenshots : public RealGameTest {
 protected:
  std::string folder;
  // At half size, averaged over 2 x 2 pixels: the committed files stay a
  // few hundred KB in all.
  void Save(const std::string& name, const X11Image& shot) {
    const std::string path = folder + "/" + name + ".png";
    const int w = shot.width / 2, h = shot.height / 2;
    std::vector<unsigned char> half(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
      for (int i = 0; i < w; ++i)
        for (int c = 0; c < 3; ++c)
          half[(static_cast<size_t>(y) * w + i) * 3 + c] = static_cast<unsigned char>(
              (shot.At(2 * i, 2 * y)[c] + shot.At(2 * i + 1, 2 * y)[c] + shot.At(2 * i, 2 * y + 1)[c] +
               shot.At(2 * i + 1, 2 * y + 1)[c] + 2) /
              4);
    stbi_write_png_compression_level = 9;
    EXPECT_TRUE(stbi_write_png(path.c_str(), w, h, 3, half.data(), w * 3)) << path;
  }
  void SaveNow(const std::string& name) {
    X11Image shot;
    ASSERT_TRUE(x->Capture(window, &shot)) << name;
    Save(name, shot);
  }
};

TEST_F(Screenshots, DISABLED_WritesTheReadmeScreenshots) {
  const char* to = std::getenv("KITEMOTH_SCREENSHOTS");
  if (!to) GTEST_SKIP() << "KITEMOTH_SCREENSHOTS names no folder";
  folder = to;
  Launch();
  if (HasFatalFailure()) return;
  X11Image shot;
  ASSERT_TRUE(WaitForLoading(&shot));
  SleepMs(400);  // some of the loading animation
  SaveNow("loading");
  ASSERT_TRUE(WaitForMenu(&shot));
  SleepMs(1500);  // the intro settles
  SaveNow("menu");

  StartNormalRun();
  SleepMs(1500);
  keys->Key(XK_Right, true);
  // Objects fall and burst for a while; the shot is taken mid-jump.
  for (int i = 0; i < 8; ++i) {
    Tap(XK_space, 150);
    if (i == 3) keys->Key(XK_Right, false), keys->Key(XK_Left, true);
  }
  keys->Key(XK_Left, false);
  SaveNow("run");
  Tap(XK_Escape);
  SleepMs(600);  // the column slides in
  SaveNow("pause");
  Tap(XK_Down);  // resume row to options
  Tap(XK_Return);
  SleepMs(800);
  SaveNow("options");
  Tap(XK_Escape);  // back to the pause overlay
  SleepMs(400);
  Tap(XK_Up);
  Tap(XK_Up);
  Tap(XK_Return);  // quit the run
  SleepMs(700);
  SaveNow("gameover");
  ASSERT_TRUE(WaitForPlayCount(1, 30));
  ASSERT_TRUE(WaitForMenu(&shot));
  SleepMs(1000);
  SaveNow("difficulty");  // with the run on the scoreboard

  Tap(XK_Escape);
  SleepMs(300);
  Tap(XK_Down);
  Tap(XK_Down);
  Tap(XK_Return);
  SleepMs(1500);
  SaveNow("credits");
  Tap(XK_F4);
  EXPECT_EQ(Finish().status, 0);
}

}  // namespace
