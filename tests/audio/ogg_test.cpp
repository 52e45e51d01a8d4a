// The Ogg Vorbis reader behind LoadAudioData, on streams encoded here:
// lengths, interleaving, chained streams, and damaged files.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "support/scratch.h"

using namespace fixture;

namespace {

TEST(Ogg, MonoDecodesToItsFrameCountAndSound) {
  ScratchDir dir;
  VxGlfwGame host;
  const int frames = 33075;  // 1.5 s at 22.05 kHz
  dir.Write("t.ogg", EncodeOgg(frames, 1, 22050));
  const Decoded d = Decode(host, dir.File("t.ogg"));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.length, frames);
  EXPECT_EQ(d.channels, 1);
  EXPECT_EQ(d.format, 2);
  EXPECT_EQ(d.hertz, 22050);
  // 0.4 of full scale as a sine: RMS 0.4 / sqrt 2 of 32767, give or take the codec.
  EXPECT_NEAR(Rms(d.bytes, 1, 0), 0.4 * 32767 / std::sqrt(2.0), 600);
}

TEST(Ogg, StereoStaysInterleaved) {
  ScratchDir dir;
  VxGlfwGame host;
  dir.Write("s.ogg", EncodeOgg(8000, 2, 44100));
  const Decoded d = Decode(host, dir.File("s.ogg"));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.length, 8000);
  EXPECT_EQ(d.channels, 2);
  EXPECT_GT(Rms(d.bytes, 2, 0), 5000);  // the tone is on the left only
  EXPECT_LT(Rms(d.bytes, 2, 1), 500);
}

TEST(Ogg, EndingIsMatchedInAnyCase) {
  ScratchDir dir;
  VxGlfwGame host;
  const std::string ogg = EncodeOgg(2000, 1, 22050);
  for (const char* name : {"t.OGG", "t.Ogg"}) {
    dir.Write(name, ogg);
    EXPECT_EQ(Decode(host, dir.File(name)).length, 2000) << name;
  }
  dir.Write("t.mp3", ogg);
  EXPECT_FALSE(Decode(host, dir.File("t.mp3")).ok);
}

TEST(Ogg, ChainedFilesAreRefused) {
  ScratchDir dir;
  VxGlfwGame host;
  ExpectRefused(host, dir, "chain.ogg", {
      {"two links alike", EncodeOgg(30000, 1, 22050, 1) + EncodeOgg(20000, 1, 22050, 2)},
      {"mono then stereo", EncodeOgg(3000, 1, 22050, 1) + EncodeOgg(3000, 2, 22050, 2)},
      {"22.05 kHz then 44.1 kHz", EncodeOgg(3000, 1, 22050, 1) + EncodeOgg(3000, 1, 44100, 2)},
  });
}

TEST(Ogg, DecodingPastTheSizeLimitGivesNothing) {
  ScratchDir dir;
  VxGlfwGame host;
  dir.Write("t.ogg", EncodeOgg(30000, 1, 22050));
  ExpectSizeLimitHolds(host, dir.File("t.ogg"), 60000);
}

TEST(Ogg, DamagedFilesGiveNothingOrLess) {
  ScratchDir dir;
  VxGlfwGame host;
  const int frames = 22050;
  const std::string ogg = EncodeOgg(frames, 2, 22050);
  auto check = [&](const std::string& file, const std::string& what) {
    dir.Write("d.ogg", file);
    const Decoded d = Decode(host, dir.File("d.ogg"));
    if (d.ok) {
      EXPECT_LE(d.length, frames) << what;
      EXPECT_EQ(d.channels, 2) << what;
    }
  };
  for (size_t cut = 0; cut < ogg.size(); cut += 37) check(ogg.substr(0, cut), "cut at " + std::to_string(cut));
  unsigned seed = 12345;
  for (int i = 0; i < 300; ++i) {
    seed = seed * 1103515245u + 12345u;
    const size_t at = (seed >> 8) % ogg.size();
    std::string flipped = ogg;
    flipped[at] = static_cast<char>(flipped[at] ^ (1 << (seed & 7)));
    check(flipped, "bit flipped at " + std::to_string(at));
  }
  check(Pattern(5000), "not Ogg at all");
  check("OggS" + Pattern(5000), "an Ogg capture pattern and noise");
}

}  // namespace
