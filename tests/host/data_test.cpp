// Path resolution, file loading and the state file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "host/glfw_game.h"
#include "support/scratch.h"

namespace {

TEST(Paths, ApplicationPathIsTheExecutablesFolder) {
  struct Case {
    const char* exe;
    const char* dir;
  } cases[] = {
      {"C:\\Games\\K\\k.exe", "C:/Games/K"},
      {"/usr/games/kitemoth", "/usr/games"},
      {"kitemoth", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(vxAppPathOf(c.exe), String(c.dir)) << c.exe;
}

TEST(Paths, SchemeResolvesBesideTheExecutable) {
  VxGlfwGame host;
  const std::string exeDir = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  const String app(exeDir.c_str());
  struct Case {
    const char* path;
    String expected;
  } cases[] = {
      {"quibex://data/gfx/a.png", app + "/data/gfx/a.png"},
      {"quibex://internal/s.txt", app + "/internal/s.txt"},
      {"quibex://external/x", app + "/external/x"},
      {"quibex://other/x", String()},
      {"quibex:x", String()},
      {"QUIBEX://data/a", String("QUIBEX://data/a")},  // case-sensitive
      {"./.quibexstate", String("./.quibexstate")},
      {"gfx/a.png", String("gfx/a.png")},
  };
  for (const Case& c : cases) EXPECT_EQ(host.PathToFilePath(c.path), c.expected) << c.path;
  EXPECT_EQ(host.OpenFile("quibex://other/x", "rb"), nullptr);
  EXPECT_EQ(host.OpenFile("quibex:x", "rb"), nullptr);
}

TEST(Paths, FixDataPathAddsTheSchemeToBarePaths) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"gfx/a.png", "quibex://data/gfx/a.png"},
      {"./a.png", "./a.png"},
      {"/a.png", "/a.png"},
      {"C:/a.png", "C:/a.png"},
      {"quibex://data/x.png", "quibex://data/x.png"},
      {"a/b:/c", "quibex://data/a/b:/c"},
      {"tova_font.png", "quibex://data/tova_font.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(vx_data_FixDataPath(c.in), String(c.out)) << c.in;
}

TEST(Files, LoadDataAndLoadStringReadWholeFiles) {
  ScratchDir dir;
  VxGame host;
  std::string bytes(5000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  dir.Write("blob", bytes);
  int size = -5;
  auto data = host.LoadData("./blob", &size);
  ASSERT_TRUE(data);
  ASSERT_EQ(size, 5000);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data.get()), size), bytes);

  size = -5;
  EXPECT_FALSE(host.LoadData("./missing", &size));
  EXPECT_EQ(size, -5);
  EXPECT_EQ(host.LoadString("./missing"), String());

  dir.Write("ints", std::string("\x01\x00\x00\x00\xFE\xFF\xFF\xFF\x07", 9));
  FILE* f = host.OpenFile("./ints", "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(readInt(f), 1);
  EXPECT_EQ(readInt(f), -2);
  EXPECT_EQ(readInt(f), -1);  // one byte left
  std::fclose(f);
}

TEST(State, SaveWritesPerUnitUtf8AndLoadReadsItBack) {
  ScratchDir dir;
  VxGame host;
  struct Case {
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {u"", ""},
      {u"PELL_v2.0|1|", "PELL_v2.0|1|"},
      {u"\u00E9", "\xC3\xA9"},
      {u"\u20AC", "\xE2\x82\xAC"},
      {u"\U0001F600", "\xED\xA0\xBD\xED\xB8\x80"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(host.SaveState(String(c.text)), 0);
    EXPECT_EQ(dir.Read(".quibexstate"), c.bytes);
    EXPECT_EQ(host.LoadState().Units(), c.text);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File(".quibexstate.tmp")));
}

TEST(State, MissingOrHandEditedStateFiles) {
  ScratchDir dir;
  VxGame host;
  EXPECT_EQ(host.LoadState(), String());
  dir.Write(".quibexstate", "\xE9");
  EXPECT_EQ(host.LoadState().Units(), u"\u00E9");
}

TEST(State, FailedSaveLeavesThePreviousStateIntact) {
  ScratchDir dir;
  VxGame host;
  ASSERT_EQ(host.SaveState("PELL_v2.0|old"), 0);
  // The temporary name taken by a folder: the new text cannot be written.
  std::filesystem::create_directory(dir.File(".quibexstate.tmp"));
  EXPECT_EQ(host.SaveState("PELL_v2.0|new"), -1);
  EXPECT_EQ(dir.Read(".quibexstate"), "PELL_v2.0|old");
  std::filesystem::remove(dir.File(".quibexstate.tmp"));
  EXPECT_EQ(host.SaveState("PELL_v2.0|new"), 0);
  EXPECT_EQ(dir.Read(".quibexstate"), "PELL_v2.0|new");
}

TEST(State, ShortWriteReportsMinusTwoAndKeepsTheOldFile) {
  // /dev/full accepts the open and fails every write, like a full disk.
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScratchDir dir;
  VxGame host;
  ASSERT_EQ(host.SaveState("PELL_v2.0|old"), 0);
  std::filesystem::create_symlink("/dev/full", dir.File(".quibexstate.tmp"));
  EXPECT_EQ(host.SaveState(String(std::u16string(10000, u'x'))), -2);
  EXPECT_EQ(dir.Read(".quibexstate"), "PELL_v2.0|old");
}

TEST(Date, FillsAsMuchAsTheArrayHolds) {
  VxGame host;
  std::vector<int> none;
  host.GetDate(none);
  std::vector<int> three(3, -1);
  host.GetDate(three);
  EXPECT_GE(three[0], 2024);
  EXPECT_GE(three[1], 1);
  EXPECT_LE(three[1], 12);
  EXPECT_GE(three[2], 1);
  EXPECT_LE(three[2], 31);
  std::vector<int> nine(9, -1);
  host.GetDate(nine);
  EXPECT_EQ(nine[6], 0);
  EXPECT_EQ(nine[7], -1);
  EXPECT_EQ(nine[8], -1);
}

}  // namespace
