// Text decoding of files and the per-unit UTF-8 encoding.
#include <gtest/gtest.h>

#include <cstdio>

#include "host/string.h"
#include "support/scratch.h"

namespace {

String LoadBytes(const ScratchDir& dir, const std::string& bytes) {
  dir.Write("t.txt", bytes);
  FILE* f = std::fopen(dir.File("t.txt").c_str(), "rb");
  String s = String::Load(f);
  std::fclose(f);
  return s;
}

TEST(StringLoad, DecodesByteOrderMarksUtf8AndLatin1Fallback) {
  ScratchDir dir;
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string expected;
  } cases[] = {
      {"empty", "", u""},
      {"ascii", "PELL_v2.0|", u"PELL_v2.0|"},
      {"two-byte utf8", "\xC3\xA9", u"\u00E9"},
      {"three-byte utf8", "\xE2\x82\xAC", u"\u20AC"},
      {"utf8 bom skipped", "\xEF\xBB\xBF" "a", u"a"},
      {"lone latin-1 byte", "\xE9", u"\u00E9"},
      {"bom then latin-1", "\xEF\xBB\xBF\xE9", u"\u00E9"},
      {"bad sequence makes the whole text latin-1", "a\xC3\xA9z\xFF", u"a\u00C3\u00A9z\u00FF"},
      {"cut-off sequence", "ab\xE2\x82", u"ab\u00E2\u0082"},
      {"four-byte lead", "\xF0\x9F\x98\x80", u"\u00F0\u009F\u0098\u0080"},
      {"overlong accepted", "\xC0\x81", u"\u0001"},
      {"utf16 le bom only", "\xFF\xFE", u""},
      {"utf16 le", std::string("\xFF\xFE" "A\0\xAC\x20", 6), u"A\u20AC"},
      {"utf16 be with odd byte", std::string("\xFE\xFF\0A\x20\xAC" "x", 7), u"A\u20AC"},
      {"two bytes EF BB are not a bom", "\xEF\xBB", u"\u00EF\u00BB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadBytes(dir, c.bytes).Units(), c.expected) << c.name;
  }
}

TEST(StringLoad, ReadsFilesAcrossTheBlockBoundary) {
  ScratchDir dir;
  for (size_t size : {4095u, 4096u, 4097u, 8192u, 10000u}) {
    std::string bytes(size, 'x');
    bytes.back() = 'y';
    String s = LoadBytes(dir, bytes);
    ASSERT_EQ(s.Length(), static_cast<int>(size));
    EXPECT_EQ(s.At(s.Length() - 1), 'y');
  }
}

TEST(StringUtf8, EncodesEachUnitOnItsOwn) {
  EXPECT_EQ(String(u"\u00E9").ToUtf8(), "\xC3\xA9");
  EXPECT_EQ(String(u"\u20AC").ToUtf8(), "\xE2\x82\xAC");
  // A character above U+FFFF is two surrogates of three bytes each.
  EXPECT_EQ(String(u"\U0001F600").ToUtf8(), "\xED\xA0\xBD\xED\xB8\x80");
  EXPECT_EQ(String(u"\u007F\u0080\u07FF\u0800").ToUtf8(), "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80");
  // And the surrogates read back as the same two units.
  const std::string enc = String(u"\U0001F600").ToUtf8();
  EXPECT_EQ(String::FromUtf8(reinterpret_cast<const unsigned char*>(enc.data()), enc.size()).Units(),
            u"\U0001F600");
}

TEST(StringOps, SliceFindAndReplaceClampLikeTheGameExpects) {
  String s("Hello|World|");
  EXPECT_EQ(s.Slice(0, 5), String("Hello"));
  EXPECT_EQ(s.Slice(-6), String("World|"));
  EXPECT_EQ(s.Slice(8, 100), String("rld|"));
  EXPECT_EQ(s.Slice(7, 3), String());
  EXPECT_EQ(s.Find("|"), 5);
  EXPECT_EQ(s.Find("|", 6), 11);
  EXPECT_EQ(s.Find("?"), -1);
  EXPECT_EQ(s.FindLast("|"), 11);
  EXPECT_EQ(s.Replace("|", "::"), String("Hello::World::"));
  EXPECT_TRUE(s.StartsWith("Hell"));
  EXPECT_FALSE(String("He").StartsWith("Hell"));
  EXPECT_TRUE(s.EndsWith("d|"));
  EXPECT_EQ(s.At(99), 0);
  EXPECT_EQ(String("a") + String::FromInt(-42), String("a-42"));
}

}  // namespace
