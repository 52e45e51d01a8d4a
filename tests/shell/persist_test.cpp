// The saved record through the host's real state file: its exact layout,
// round trips, every checksum's fallback, short records, and hostile text.
// Each test has its own working directory and so its own state file.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "host/globals.h"
#include "shell/persist.h"
#include "host_fixture.h"
#include "support/scratch.h"

namespace {

const char kStateFile[] = ".quibexstate";
// Field numbers of the record.
const int kSettingsCheck = 202, kNameStart = 203, kUserField = 219, kNameCheck = 220, kScoresStart = 221;
int ScoreField(int m) { return kScoresStart + m + m / 32; }
int BlockCheckField(int block) { return kScoresStart + 33 * block + 32; }

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char ch : text) {
    if (ch == '|')
      fields.emplace_back();
    else
      fields.back() += ch;
  }
  return fields;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string text;
  for (size_t i = 0; i < fields.size(); ++i) text += (i ? "|" : "") + fields[i];
  return text;
}

class ShellRecord : public shell_fixture::HostFixture {
 protected:
  std::vector<std::string> Saved() { return Split(dir.Read(kStateFile)); }
  void Write(const std::vector<std::string>& fields) { dir.Write(kStateFile, Join(fields)); }

  // A fresh start of the program as far as the record goes.
  void Restart() {
    vx_shell_InitGlobals();
    vx_pell_PELL_GameNum = 507;
    vx_pell_Load();
  }

  // Something in every array worth finding again.
  void FillPattern(int user) {
    for (int i = 0; i < 256; ++i) vx_pell_PELL_Set[static_cast<size_t>(i)] = (i * 37) % 23 - 5;
    for (int i = 0; i < 16; ++i) vx_pell_PELL_Username[static_cast<size_t>(i)] = i + 10;
    vx_pell_PELL_UserID = user;
    for (int m = 0; m < 10000; ++m) vx_pell_PELL_Score[static_cast<size_t>(m)] = (m * 7919) % 100003 - 50;
  }

  static void ExpectName(const std::vector<int>& want) {
    for (int i = 0; i < 16; ++i)
      EXPECT_EQ(vx_pell_PELL_Username[static_cast<size_t>(i)], want[static_cast<size_t>(i)]) << "name position " << i;
  }
  static std::vector<int> DefaultNameOver(std::vector<int> name) {
    name[0] = 46;
    name[1] = 65;
    name[2] = 77;
    name[3] = 69;
    return name;
  }
  static void ExpectSixDefaults() {
    const int index[] = {0, 1, 11, 12, 21, 22};
    const int value[] = {7, 7, 1, 1, 0, 0};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(vx_pell_PELL_Set[static_cast<size_t>(index[k])], value[k]) << index[k];
  }

  ScratchDir dir;
};

// [SECTION] Layout

TEST_F(ShellRecord, DefaultRecordHasItsKnownFieldsAndChecksums) {
  vx_pell_Load();  // nothing saved yet: the defaults
  vx_pell_PELL_Set[100] = 1;
  vx_pell_Save();
  const std::string text = dir.Read(kStateFile);
  ASSERT_EQ(text.rfind("PELL_v2.0|", 0), 0u);
  ASSERT_EQ(text.back(), '|');
  const std::vector<std::string> f = Split(text);
  ASSERT_EQ(f.size(), 10534u) << "10533 fields, each followed by a bar";
  const std::vector<std::string> first = {"7", "7", "0", "0", "0", "0", "507"};
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(f[i + 1], first[i]) << "field " << i + 1;
  EXPECT_EQ(f[kSettingsCheck], "524");
  EXPECT_EQ(f[kNameStart], "46");
  EXPECT_EQ(f[kUserField], "0");
  EXPECT_EQ(f[kNameCheck], "257");
  EXPECT_EQ(f[BlockCheckField(0)], "3854");
  EXPECT_EQ(f[BlockCheckField(1)], "4878");
  EXPECT_EQ(BlockCheckField(1), 286);
  EXPECT_EQ(ScoreField(9999), 10532) << "the last 16 scores have no checksum";
  EXPECT_EQ(f[10532], "0");
}

TEST_F(ShellRecord, NewUserSeedsTheGeneratorFromTheClock) {
  host->now = 12.5;
  vx_pell_PELL_Username[4] = 9;
  vx_pell_NewUser();
  EXPECT_EQ(vx_pell_PELL_Seed, 12500);
  EXPECT_EQ(vx_random_Seed, 481727511) << "21 steps of the generator";
  ExpectName(DefaultNameOver({0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// [SECTION] Round trips

struct RoundTrip {
  const char* name;
  std::function<void()> fill;
  bool nameKept;  // a user number keeps the whole name
};

TEST_F(ShellRecord, SaveThenLoadGivesBackEveryArray) {
  const RoundTrip cases[] = {
      {"no user number", [this] { FillPattern(0); }, false},
      {"a user number", [this] { FillPattern(42); }, true},
      // Sums of these overflow 32 bits; the checksums must still agree.
      {"extreme values",
       [] {
         vx_pell_PELL_Set.assign(256, INT_MAX);
         vx_pell_PELL_Username.assign(16, INT_MIN);
         vx_pell_PELL_UserID = INT_MAX;
         for (int m = 0; m < 10000; ++m) vx_pell_PELL_Score[static_cast<size_t>(m)] = m % 2 ? INT_MAX : INT_MIN;
       },
       true},
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.name);
    vx_shell_InitGlobals();
    vx_pell_PELL_GameNum = 507;
    c.fill();
    vx_pell_Save();
    const std::vector<int> set = vx_pell_PELL_Set, name = vx_pell_PELL_Username, score = vx_pell_PELL_Score;
    const int user = vx_pell_PELL_UserID;
    ASSERT_EQ(set[6], 507) << "the save stamps the game number";

    Restart();
    for (int i = 0; i <= 200; ++i) {
      const int want = (i == 23 || (i == 21 && set[21] > 0)) ? 0 : set[static_cast<size_t>(i)];
      EXPECT_EQ(vx_pell_PELL_Set[static_cast<size_t>(i)], want) << "setting " << i;
    }
    EXPECT_EQ(vx_pell_PELL_Set[201], 0) << "settings past 200 are not saved";
    EXPECT_EQ(vx_pell_PELL_DebugMode, set[22]);
    EXPECT_EQ(vx_pell_PELL_ScreenshotMode, 0);
    EXPECT_EQ(vx_pell_PELL_UserID, c.nameKept ? user : 0);
    ExpectName(c.nameKept ? name : DefaultNameOver(name));
    EXPECT_TRUE(vx_pell_PELL_Score == score);
  }
}

TEST_F(ShellRecord, ANegativeSettingUsesTheSignKeepingRemainder) {
  vx_pell_Load();
  vx_pell_PELL_Set[0] = 3;
  vx_pell_PELL_Set[100] = 1;
  vx_pell_PELL_Set[40] = -2000;
  vx_pell_Save();
  std::vector<std::string> f = Saved();
  EXPECT_EQ(f[41], "-2000");
  EXPECT_EQ(f[kSettingsCheck], "-1480");
  Restart();
  EXPECT_EQ(vx_pell_PELL_Set[40], -2000);
  EXPECT_EQ(vx_pell_PELL_Set[0], 3) << "checksum accepted";

  f[kSettingsCheck] = "27";  // the same sum with a floored remainder
  Write(f);
  Restart();
  EXPECT_EQ(vx_pell_PELL_Set[40], -2000);
  EXPECT_EQ(vx_pell_PELL_Set[0], 7) << "checksum refused";
}

// [SECTION] Damaged records

struct ScoreEdit {
  const char* name;
  int field;
  std::string text;
  int clearFrom, clearTo;  // the block that must be cleared; -1 none
  int score, value;        // one score and what it must read
};

TEST_F(ShellRecord, AChangedScoreClearsExactlyItsBlock) {
  const ScoreEdit cases[] = {
      {"score in block 1", ScoreField(40), "999", 32, 63, 40, 0},
      {"checksum of block 1", BlockCheckField(1), "1", 32, 63, 64, 65},
      {"first score", ScoreField(0), "0", 0, 31, 32, 33},
      {"last guarded block", ScoreField(9983), "-5", 9952, 9983, 9951, 9952},
      {"unguarded tail", ScoreField(9990), "5", -1, -1, 9990, 5},
  };
  for (const ScoreEdit& c : cases) {
    SCOPED_TRACE(c.name);
    vx_shell_InitGlobals();
    vx_pell_PELL_GameNum = 507;
    for (int m = 0; m < 10000; ++m) vx_pell_PELL_Score[static_cast<size_t>(m)] = m + 1;
    vx_pell_Save();
    std::vector<std::string> f = Saved();
    f[static_cast<size_t>(c.field)] = c.text;
    Write(f);
    Restart();
    int wrong = 0;
    for (int m = 0; m < 10000; ++m) {
      if (m == c.score) continue;
      const int want = (m >= c.clearFrom && m <= c.clearTo) ? 0 : m + 1;
      wrong += vx_pell_PELL_Score[static_cast<size_t>(m)] != want;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(vx_pell_PELL_Score[static_cast<size_t>(c.score)], c.value);
  }
}

struct SettingsEdit {
  const char* name;
  int field;
  std::string text;
  int setting40;
};

// Only the six settings with defaults fall back; the rest stay as read.
TEST_F(ShellRecord, ADamagedSettingsChecksumResetsOnlyTheDefaultedSettings) {
  const SettingsEdit cases[] = {
      {"checksum changed", kSettingsCheck, "1", 2},
      {"setting changed", 41, "5", 5},
  };
  for (const SettingsEdit& c : cases) {
    SCOPED_TRACE(c.name);
    FillPattern(42);
    vx_pell_PELL_Set[0] = 3;
    vx_pell_PELL_Set[22] = 1;
    vx_pell_PELL_Set[40] = 2;
    vx_pell_Save();
    const std::vector<int> set = vx_pell_PELL_Set, name = vx_pell_PELL_Username, score = vx_pell_PELL_Score;
    std::vector<std::string> f = Saved();
    f[static_cast<size_t>(c.field)] = c.text;
    Write(f);
    Restart();
    ExpectSixDefaults();
    EXPECT_EQ(vx_pell_PELL_DebugMode, 0);
    EXPECT_EQ(vx_pell_PELL_Set[40], c.setting40);
    EXPECT_EQ(vx_pell_PELL_Set[5], set[5]);
    EXPECT_EQ(vx_pell_PELL_UserID, 42);
    ExpectName(name);
    EXPECT_TRUE(vx_pell_PELL_Score == score);
  }
}

TEST_F(ShellRecord, AnotherGamesRecordKeepsItsNameAndScoresOut) {
  FillPattern(42);
  vx_pell_PELL_Set[40] = 2;
  vx_pell_PELL_GameNum = 508;
  vx_pell_Save();
  Restart();
  ExpectSixDefaults();
  EXPECT_EQ(vx_pell_PELL_Set[40], 2) << "its other settings are read";
  EXPECT_EQ(vx_pell_PELL_UserID, 0);
  ExpectName(DefaultNameOver(std::vector<int>(16, 0)));
  EXPECT_TRUE(vx_pell_PELL_Score == std::vector<int>(10000, 0));
}

struct NameEdit {
  const char* name;
  int field;
  std::string text;
  int position, value;  // a name position and what it must read
};

TEST_F(ShellRecord, ADamagedNameChecksumGivesTheDefaultNameStart) {
  const NameEdit cases[] = {
      {"checksum changed", kNameCheck, "0", 10, 20},
      {"position changed", kNameStart + 10, "33", 10, 33},
      {"start of the name changed", kNameStart + 1, "33", 1, 65},
  };
  for (const NameEdit& c : cases) {
    SCOPED_TRACE(c.name);
    FillPattern(42);
    vx_pell_Save();
    const std::vector<int> score = vx_pell_PELL_Score;
    std::vector<int> name = vx_pell_PELL_Username;
    std::vector<std::string> f = Saved();
    f[static_cast<size_t>(c.field)] = c.text;
    Write(f);
    Restart();
    EXPECT_EQ(vx_pell_PELL_UserID, 0);
    name[static_cast<size_t>(c.position)] = c.value;
    ExpectName(DefaultNameOver(name));
    EXPECT_TRUE(vx_pell_PELL_Score == score) << "scores are still read";
  }
}

struct Cut {
  const char* name;
  int fields;                 // how many fields are left
  int firstMissingSetting;    // settings from here keep their old value
  bool defaulted;             // no game number: defaults, nothing else
  int firstMissingName;       // name positions from here keep theirs
  int firstMissingScore;
};

// Whatever is missing keeps the value it had; a check whose field is
// missing is skipped.
TEST_F(ShellRecord, AShortRecordKeepsWhatItLacks) {
  const Cut cases[] = {
      {"before the game number", 5, 4, true, 0, 0},
      {"inside the settings", 150, 149, false, 0, 0},
      {"inside the name", 210, 201, false, 7, 0},
      {"inside the scores", 230, 201, false, 16, 9},
      {"before a block checksum", ScoreField(31) + 1, 201, false, 16, 32},
  };
  const int oldSetting = 77, oldName = 5, oldScore = -9;
  for (const Cut& c : cases) {
    SCOPED_TRACE(c.name);
    vx_shell_InitGlobals();
    vx_pell_PELL_GameNum = 507;
    FillPattern(0);
    vx_pell_PELL_Set[0] = 3;  // not a default
    vx_pell_Save();
    const std::vector<int> set = vx_pell_PELL_Set, name = vx_pell_PELL_Username, score = vx_pell_PELL_Score;
    std::vector<std::string> f = Saved();
    f.resize(static_cast<size_t>(c.fields));
    // A changed score the missing checksum cannot catch.
    if (c.firstMissingScore == 32) f[static_cast<size_t>(ScoreField(3))] = "12345";
    Write(f);

    vx_pell_PELL_Set.assign(256, oldSetting);
    vx_pell_PELL_Username.assign(16, oldName);
    vx_pell_PELL_Score.assign(10000, oldScore);
    vx_pell_Load();

    for (int i = 2; i <= 200; ++i) {
      if (i == 6 || (i >= 11 && i <= 12) || (i >= 21 && i <= 23)) continue;  // fixed up on load
      const int want = i < c.firstMissingSetting ? set[static_cast<size_t>(i)] : oldSetting;
      EXPECT_EQ(vx_pell_PELL_Set[static_cast<size_t>(i)], want) << "setting " << i;
    }
    EXPECT_EQ(vx_pell_PELL_Set[0], c.defaulted ? 7 : 3);
    std::vector<int> wantName = name;
    for (int i = c.firstMissingName; i < 16; ++i) wantName[static_cast<size_t>(i)] = oldName;
    ExpectName(DefaultNameOver(wantName));
    int wrong = 0;
    for (int m = 0; m < 10000; ++m) {
      int want = m < c.firstMissingScore ? score[static_cast<size_t>(m)] : oldScore;
      if (m == 3 && c.firstMissingScore == 32) want = 12345;
      wrong += vx_pell_PELL_Score[static_cast<size_t>(m)] != want;
    }
    EXPECT_EQ(wrong, 0);
  }
}

// [SECTION] Hostile text

struct NumberCase {
  std::string field;
  int value;
};

// Setting 40 is read whatever the checksum says, so it shows how a field
// converts.
TEST_F(ShellRecord, FieldsConvertLikeAtoiAndSaturate) {
  const NumberCase cases[] = {
      {"  +12x", 12},
      {"\t\n-7", -7},
      {"abc", 0},
      {"", 0},
      {"- 5", 0},
      {"0x1F", 0},
      {"1e5", 1},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", INT_MAX},
      {"-2147483649", INT_MIN},
      {"99999999999999999999999999999", INT_MAX},
      {"-99999999999999999999999999999", INT_MIN},
      {std::string(62, '0') + "9", 9},
      {std::string(63, '0') + "9", 0},
      {std::string(61, ' ') + "123", 12},
      {std::string(100000, '8'), INT_MAX},
      {"12\xc3\xa9", 12},
  };
  vx_pell_Load();
  vx_pell_Save();
  std::vector<std::string> f = Saved();
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.field.substr(0, 70));
    f[41] = c.field;
    Write(f);
    Restart();
    EXPECT_EQ(vx_pell_PELL_Set[40], c.value);
  }
}

TEST_F(ShellRecord, GarbageAndOversizedRecordsLoadWithoutHarm) {
  FillPattern(0);
  vx_pell_Save();
  const std::string good = dir.Read(kStateFile);
  const std::vector<int> score = vx_pell_PELL_Score;
  const int set40 = vx_pell_PELL_Set[40];

  std::string noise;
  unsigned x = 1;
  for (int i = 0; i < 200000; ++i) {
    x = x * 1103515245u + 12345u;
    noise += static_cast<char>(x >> 24);
  }
  std::string extra = good;
  for (int i = 0; i < 5000; ++i) extra += "123|";
  std::string manyFields = "PELL_v2.0|";
  for (int i = 0; i < 1000000; ++i) manyFields += "9|";

  struct Case {
    const char* name;
    std::string text;
    bool scoresRead;
  } cases[] = {
      {"empty", "", false},
      {"header alone", "PELL_v2.0", false},
      {"longer header", "PELL_v2.0x|" + good.substr(10), false},
      {"other case", "pell_v2.0|" + good.substr(10), false},
      {"bars only", "PELL_v2.0" + std::string(20000, '|'), false},
      {"noise", noise, false},
      {"noise after the header", "PELL_v2.0|" + noise, false},
      {"extra fields", extra, true},
      {"a million fields", manyFields, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write(kStateFile, c.text);
    Restart();
    EXPECT_EQ(vx_pell_PELL_Username[0], 46);
    if (c.scoresRead) {
      EXPECT_EQ(vx_pell_PELL_Set[40], set40);
      EXPECT_TRUE(vx_pell_PELL_Score == score);
    } else {
      ExpectSixDefaults();
      EXPECT_TRUE(vx_pell_PELL_Score == std::vector<int>(10000, 0));
    }
  }
}

}  // namespace
