// The generated sounds: every effect is a short 16-bit PCM WAV that starts
// and ends without a click and differs from the others; the tune decodes to
// over a minute and loops without a jump at the seam.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "sheets.h"

namespace {

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<short> samples;
  std::string error;
};

unsigned Le(const std::string& b, size_t at, int bytes) {
  unsigned v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | (unsigned char)b[at + size_t(i)];
  return v;
}

// Walks the RIFF chunks as the game's reader does: "fmt " first, then any
// chunks up to "data".
Wav ReadWav(const std::string& path) {
  Wav w;
  std::ifstream in(path, std::ios::binary);
  std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 4, "WAVE") || b.compare(12, 4, "fmt ")) {
    w.error = "not a RIFF WAVE file with a leading fmt chunk";
    return w;
  }
  size_t fmt = Le(b, 16, 4);
  w.format = int(Le(b, 20, 2)), w.channels = int(Le(b, 22, 2)), w.rate = int(Le(b, 24, 4)), w.bits = int(Le(b, 34, 2));
  for (size_t at = 20 + fmt; at + 8 <= b.size();) {
    size_t size = Le(b, at + 4, 4);
    if (b.compare(at, 4, "data") == 0) {
      if (at + 8 + size > b.size()) {
        w.error = "data chunk runs past the end";
        return w;
      }
      for (size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(short(Le(b, at + 8 + i, 2)));
      return w;
    }
    at += 8 + size;
  }
  w.error = "no data chunk";
  return w;
}

TEST(DataSounds, EveryEffectIsAShortCleanMonoOrStereoPcmWav) {
  const char* files[] = {"common/096.wav", "common/098.wav", "common/099.wav", "507/sfx/001.wav", "507/sfx/002.wav",
                         "507/sfx/003.wav", "507/sfx/004.wav", "507/sfx/005.wav", "507/sfx/006.wav"};
  std::vector<std::vector<short>> seen;
  for (const char* f : files) {
    Wav w = ReadWav(DataFile(f));
    ASSERT_EQ(w.error, "") << f;
    EXPECT_EQ(w.format, 1) << f;
    EXPECT_EQ(w.bits, 16) << f;
    ASSERT_TRUE(w.channels == 1 || w.channels == 2) << f;
    ASSERT_GE(w.rate, 8000) << f;
    double seconds = double(w.samples.size()) / w.channels / w.rate;
    EXPECT_GT(seconds, 0.01) << f;
    EXPECT_LT(seconds, 2.0) << f;
    int peak = 0;
    for (short v : w.samples) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 3000) << f << " is nearly silent";
    EXPECT_LT(peak, 32767) << f << " clips";
    // The first and last samples sit at rest, so starting or cutting off a
    // sound makes no click.
    EXPECT_LT(std::abs(int(w.samples.front())), 200) << f;
    EXPECT_LT(std::abs(int(w.samples.back())), 200) << f;
    for (const auto& other : seen) EXPECT_NE(other, w.samples) << f << " repeats another effect";
    seen.push_back(w.samples);
  }
}

TEST(DataSounds, TheTuneLastsOverAMinuteAndLoopsWithoutAJump) {
  OggVorbis_File vf;
  ASSERT_EQ(ov_fopen(DataFile("507/sfx/Xcited.ogg").c_str(), &vf), 0);
  vorbis_info* info = ov_info(&vf, -1);
  ASSERT_NE(info, nullptr);
  const int channels = info->channels;
  const long rate = info->rate;
  EXPECT_EQ(channels, 2);
  std::vector<short> pcm;
  char buf[16384];
  int section = 0;
  for (long n; (n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) != 0;) {
    ASSERT_GT(n, 0) << "decode error";
    const short* s = reinterpret_cast<const short*>(buf);
    pcm.insert(pcm.end(), s, s + n / 2);
  }
  ov_clear(&vf);
  size_t frames = pcm.size() / size_t(channels);
  EXPECT_GE(frames, size_t(60 * rate));
  ASSERT_GT(frames, 2u);
  // A click is a step larger than any the music takes around it: compare
  // the step across the seam with the steps in the 10 ms on either side.
  auto at = [&](size_t i, int c) { return int(pcm[(i % frames) * size_t(channels) + size_t(c)]); };
  for (int c = 0; c < channels; ++c) {
    int around = 0;
    for (size_t i = 1; i <= size_t(rate / 100); ++i)
      around = std::max({around, std::abs(at(i, c) - at(i - 1, c)), std::abs(at(frames - i, c) - at(frames - i - 1, c))});
    EXPECT_LE(std::abs(at(0, c) - at(frames - 1, c)), around) << "channel " << c;
  }
}

}  // namespace
