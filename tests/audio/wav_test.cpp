// The WAV reader behind LoadAudioData: chunk walking, what it reports, and
// hostile or cut-off files refused without reading past what is there.
#include <gtest/gtest.h>

#include <filesystem>

#include "fixtures.h"
#include "support/scratch.h"

using namespace fixture;

namespace {

TEST(Wav, ReadsPcmChunkByChunk) {
  ScratchDir dir;
  VxGlfwGame host;
  Fmt stereo16;
  Fmt fmt18 = stereo16;
  fmt18.extra = "\x00\x00";
  Fmt mono8;
  mono8.channels = 1;
  mono8.bits = 8;
  mono8.hertz = 22050;
  const std::string info = Chunk("LIST", "INFOISFT" + Le32(6) + "tests!");
  struct Case {
    const char* name;
    std::string file;
    std::string data;  // the bytes that must come back
    int length, channels, format, hertz;
  } cases[] = {
      {"one second of 16-bit stereo", Wav(stereo16, Pattern(176400)), Pattern(176400), 44100, 2, 2, 44100},
      {"18-byte fmt, then LIST, then data", Riff(FmtChunk(fmt18) + info + Chunk("data", Pattern(400))), Pattern(400), 100,
       2, 2, 44100},
      {"8-bit mono", Wav(mono8, Pattern(1000)), Pattern(1000), 1000, 1, 1, 22050},
      {"a part frame at the end is dropped", Wav(stereo16, Pattern(11)), Pattern(8), 2, 2, 2, 44100},
      {"empty data chunk", Wav(stereo16, ""), "", 0, 2, 2, 44100},
      {"chunks after data are not needed", Wav(stereo16, Pattern(8)) + Chunk("junk", "xy"), Pattern(8), 2, 2, 2, 44100},
  };
  for (const Case& c : cases) {
    dir.Write("s.wav", c.file);
    const Decoded d = Decode(host, dir.File("s.wav"));
    ASSERT_TRUE(d.ok) << c.name;
    EXPECT_EQ(d.length, c.length) << c.name;
    EXPECT_EQ(d.channels, c.channels) << c.name;
    EXPECT_EQ(d.format, c.format) << c.name;
    EXPECT_EQ(d.hertz, c.hertz) << c.name;
    EXPECT_TRUE(d.bytes == c.data) << c.name;
  }
}

TEST(Wav, RefusesWhatItCannotPlaySafely) {
  ScratchDir dir;
  VxGlfwGame host;
  Fmt pcm;
  auto with = [&](auto change) {
    Fmt f = pcm;
    change(f);
    return Wav(f, Pattern(64));
  };
  const std::string fmt = FmtChunk(pcm);
  ExpectRefused(host, dir, "bad.wav", {
      {"empty file", ""},
      {"not RIFF", "RIFX" + Wav(pcm, Pattern(8)).substr(4)},
      {"not WAVE", Wav(pcm, Pattern(8)).replace(8, 4, "AVI ")},
      {"first chunk is not fmt", Riff(Chunk("LIST", "abcd") + fmt + Chunk("data", Pattern(8)))},
      {"floating-point samples", with([](Fmt& f) { f.format = 3; })},
      {"extensible format", with([](Fmt& f) { f.format = 0xFFFE; })},
      {"no channels", with([](Fmt& f) { f.channels = 0; })},
      {"zero bits per sample", with([](Fmt& f) { f.bits = 0; })},
      {"4 bits per sample", with([](Fmt& f) { f.bits = 4; })},
      {"12 bits per sample", with([](Fmt& f) { f.bits = 12; })},
      {"24 bits per sample", with([](Fmt& f) { f.bits = 24; })},
      {"rate 0", with([](Fmt& f) { f.hertz = 0; })},
      {"rate past 2^31", with([](Fmt& f) { f.hertz = -8000; })},
      {"fmt chunk shorter than PCM's", Riff(Chunk("fmt ", fmt.substr(8), 14) + Chunk("data", Pattern(64)))},
      {"fmt chunk claims more than the file", Riff(Chunk("fmt ", fmt.substr(8), 0x7FFFFFF0))},
      {"no data chunk", Riff(fmt + Chunk("LIST", "abcd"))},
      {"data larger than the file", Riff(fmt + Chunk("data", Pattern(64), 65))},
      {"data size near 2^31", Riff(fmt + Chunk("data", Pattern(64), 0x7FFFFFFF))},
      {"data size negative", Riff(fmt + Chunk("data", Pattern(64), -64))},
      {"data size unreadable", Riff(fmt) + "data" + "\x10\x00"},
      {"chunk size that would skip backwards", Riff(fmt + Chunk("LIST", "", -8) + Chunk("data", Pattern(64)))},
  });
}

TEST(Wav, EveryTruncationLoadsOnlyOnceTheDataIsWhole) {
  ScratchDir dir;
  VxGlfwGame host;
  Fmt fmt18;
  fmt18.extra = "\x00\x00";
  const std::string head = Riff(FmtChunk(fmt18) + Chunk("LIST", "INFO") + Chunk("data", Pattern(40)));
  const std::string file = head + Chunk("junk", Pattern(12));
  // The RIFF size is not trusted, so it does not matter that it stays.
  for (size_t cut = 0; cut < file.size(); ++cut) {
    dir.Write("cut.wav", file.substr(0, cut));
    const Decoded d = Decode(host, dir.File("cut.wav"));
    EXPECT_EQ(d.ok, cut >= head.size()) << "cut at " << cut;
    if (d.ok) {
      EXPECT_EQ(d.length, 10) << "cut at " << cut;
    }
  }
}

TEST(Wav, DataPastTheSizeLimitIsRefused) {
  ScratchDir dir;
  VxGlfwGame host;
  dir.Write("s.wav", Wav(Fmt(), Pattern(4000)));
  ExpectSizeLimitHolds(host, dir.File("s.wav"), 4000);
}

TEST(AudioData, TheReaderFollowsThePathsEndingInAnyCase) {
  ScratchDir dir;
  VxGlfwGame host;
  const std::string wav = Wav(Fmt(), Pattern(40));
  struct Case {
    const char* name;
    bool loads;
  } cases[] = {
      {"a.wav", true}, {"a.WAV", true}, {"a.Wav", true},     {"a.mp3", false},
      {"a.wave", false}, {"awav", false}, {"a.wav.bak", false}, {"a.ogg", false},  // WAV bytes are no Ogg
  };
  for (const Case& c : cases) {
    dir.Write(c.name, wav);
    EXPECT_EQ(Decode(host, dir.File(c.name)).ok, c.loads) << c.name;
  }
  EXPECT_FALSE(Decode(host, dir.File("missing.wav")).ok);
  std::filesystem::create_directory(dir.File("folder.wav"));
  EXPECT_FALSE(Decode(host, dir.File("folder.wav")).ok);
}

}  // namespace
