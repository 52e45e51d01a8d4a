// The generator program: two runs write the same files byte for byte, and a
// folder it cannot write to or a wrong command line ends with a message and
// a failing status instead of a silent half-written data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "support/child.h"
#include "support/scratch.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> ReadTree(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (!e.is_regular_file()) continue;
    std::ifstream in(e.path(), std::ios::binary);
    files[fs::relative(e.path(), root).string()] =
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  return files;
}

TEST(Generator, TwoRunsWriteIdenticalFiles) {
  ScratchDir dir;
  // Both runs at once: the machine has two cores and the test a time limit.
  ChildOptions opts;
  opts.timeout = 100;
  ChildProcess a({BuiltProgram("assetgen"), dir.File("a")}, opts), b({BuiltProgram("assetgen"), dir.File("b")}, opts);
  ChildResult ra = a.Finish(), rb = b.Finish();
  ASSERT_TRUE(ra.exited && ra.status == 0) << ra.err;
  ASSERT_TRUE(rb.exited && rb.status == 0) << rb.err;
  auto first = ReadTree(dir.File("a")), second = ReadTree(dir.File("b"));
  const char* expected[] = {"tova_font.png", "common/bandwidth.png", "common/PELLLogo.png", "common/part-shapefull.png",
                            "common/parts_shape.png", "common/parts_smoke.png", "common/parts_cluster.png",
                            "common/parts_stars.png", "common/Buttons.png", "common/icons.png", "common/circle.png",
                            "common/options.png", "common/scoreboard.png", "common/096.wav", "common/098.wav",
                            "common/099.wav", "507/logo.png", "507/menu.png", "507/buildings.png",
                            "507/buildingsb.png", "507/gfx.png", "507/sfx/001.wav", "507/sfx/002.wav",
                            "507/sfx/003.wav", "507/sfx/004.wav", "507/sfx/005.wav", "507/sfx/006.wav",
                            "507/sfx/Xcited.ogg"};
  for (const char* f : expected) EXPECT_EQ(first.count(f), 1u) << f << " was not written";
  EXPECT_EQ(first.size(), std::size(expected)) << "files beyond the data set";
  ASSERT_EQ(first.size(), second.size());
  for (const auto& [name, bytes] : first) EXPECT_TRUE(second[name] == bytes) << name << " differs between runs";
}

TEST(Generator, FailsLoudlyWhenItCannotWrite) {
  ScratchDir dir;
  dir.Write("taken", "a file where the data folder should go");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{dir.File("taken")}, "cannot create"},
      {{}, "usage"},
      {{dir.File("x"), "--preview"}, "usage"},
      {{dir.File("x"), "--bogus"}, "usage"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> argv = {BuiltProgram("assetgen")};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ChildResult r = RunChild(argv);
    EXPECT_TRUE(r.exited) << c.message;
    EXPECT_EQ(r.status, 1) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(fs::exists(dir.File("x"))) << "a rejected command line still wrote files";
}

}  // namespace
