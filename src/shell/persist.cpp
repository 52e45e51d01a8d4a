// The saved record: "PELL_v2.0|", settings 0-200 and their checksum, the
// name with the user number and their checksum, then the scores in blocks
// of 32 each followed by its checksum; every field ends with "|". The text
// goes through vx_app_SaveState / vx_app_LoadState. A loaded record is
// untrusted: any field may be missing, overlong, garbage or out of range.
#include "shell/persist.h"

#include <cstdint>
#include <string>
#include <vector>

#include "host/app.h"
#include "host/random.h"
#include "shell/globals.h"

namespace {

const char kHeader[] = "PELL_v2.0";
const int kSettingsSaved = 201;
const int kNameLength = 16;
const int kScores = 10000;
// Field numbers; settings start at field 1.
const int kSettingsCheckField = 202, kNameField = 203, kUserField = 219, kNameCheckField = 220;
const int kFirstScoreField = 221;
// The last field any load looks at is the last score's, 10532.
const int kFieldsUsed = 10533;

// The checksums are 32-bit sums with the sign-keeping remainder after each
// step. Hand-edited values can overflow the sum: it is taken in 64 bits and
// wrapped to 32, as two's-complement arithmetic would, so every record gives
// the same checksum it always did, with no undefined behaviour.
int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }
int32_t SumMod(int64_t sum, int32_t mod) { return Wrap(sum) % mod; }

int SettingsModulus() { return vx_pell_PELL_GameNum + 1000; }
int ScoreModulus() { return 23 * vx_pell_PELL_GameNum + 1237; }

int ScoreStep(int m, int score, int c) {
  return SumMod(static_cast<int64_t>(m) + 1 + score + vx_pell_PELL_GameNum + c, ScoreModulus());
}

// [SECTION] Reading fields

// The field boundaries of a loaded text, split at every "|". Fields past
// the last one a load reads are not kept, so a huge text costs nothing.
struct Fields {
  const std::u16string& text;
  std::vector<int> start, end;

  explicit Fields(const std::u16string& t) : text(t) {
    int from = 0;
    const int length = static_cast<int>(t.size());
    for (int i = 0; i <= length && static_cast<int>(start.size()) < kFieldsUsed; ++i) {
      if (i == length || t[static_cast<size_t>(i)] == u'|') {
        start.push_back(from);
        end.push_back(i);
        from = i + 1;
      }
    }
  }

  bool Has(int f) const { return f >= 0 && f < static_cast<int>(start.size()); }

  bool Is(int f, const char* word) const {
    const int length = end[static_cast<size_t>(f)] - start[static_cast<size_t>(f)];
    int i = 0;
    for (; word[i] != 0; ++i)
      if (i >= length || text[static_cast<size_t>(start[static_cast<size_t>(f)] + i)] != word[i]) return false;
    return i == length;
  }

  // As C's atoi over the first 63 characters: white space, a sign, digits
  // up to the first other character; no digits read 0. A number beyond the
  // int range saturates at its bound rather than overflowing or wrapping.
  int Number(int f) const {
    const size_t from = static_cast<size_t>(start[static_cast<size_t>(f)]);
    size_t to = static_cast<size_t>(end[static_cast<size_t>(f)]);
    if (to - from > 63) to = from + 63;
    size_t i = from;
    while (i < to && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
    bool negative = false;
    if (i < to && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int64_t v = 0;
    for (; i < to && text[i] >= u'0' && text[i] <= u'9'; ++i) {
      v = v * 10 + (text[i] - u'0');
      if (v > 2147483648LL) v = 2147483648LL;  // past every bound; stays in range
    }
    if (negative) v = -v;
    return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int>(v);
  }
};

// Reads fields first.. into values[0..count-1] and returns their running
// checksum; a missing field leaves its value as it was.
int ReadSummed(const Fields& fields, int first, std::vector<int>& values, int count, int mod) {
  int sum = 0;
  for (int i = 0; i < count; ++i) {
    if (!fields.Has(first + i)) continue;
    int& v = values[static_cast<size_t>(i)];
    v = fields.Number(first + i);
    sum = SumMod(static_cast<int64_t>(sum) + v, mod);
  }
  return sum;
}

// [SECTION] Writing fields

void Put(std::string& out, int value) {
  out += std::to_string(value);
  out += '|';
}

// Writes values[0..count-1] and returns their running checksum.
int PutSummed(std::string& out, const std::vector<int>& values, int count, int mod) {
  int sum = 0;
  for (int i = 0; i < count; ++i) {
    const int v = values[static_cast<size_t>(i)];
    Put(out, v);
    sum = SumMod(static_cast<int64_t>(sum) + v, mod);
  }
  return sum;
}

}  // namespace

int vx_pell_SetDefaults() {
  std::vector<int>& s = vx_pell_PELL_Set;
  s[0] = 7;
  s[1] = 7;
  s[11] = 1;
  s[12] = 1;
  s[21] = 0;
  s[22] = 0;
  return 0;
}

int vx_pell_NewUser() {
  std::vector<int>& name = vx_pell_PELL_Username;
  name[0] = 46;  // "Name" in font frames
  name[1] = 65;
  name[2] = 77;
  name[3] = 69;
  vx_pell_PELL_Seed = vx_app_Millisecs();
  uint32_t s = static_cast<uint32_t>(vx_pell_PELL_Seed);
  for (int i = 0; i < 21; ++i) s = s * 1664525u + 1013904223u;
  vx_random_Seed = static_cast<int>(s);
  return 0;
}

int vx_pell_Save() {
  vx_pell_PELL_Set[6] = vx_pell_PELL_GameNum;
  const int mod = SettingsModulus();
  std::string out;
  out.reserve(64 * 1024);
  out += kHeader;
  out += '|';

  const int s = PutSummed(out, vx_pell_PELL_Set, kSettingsSaved, mod);
  Put(out, s);
  const int u = PutSummed(out, vx_pell_PELL_Username, kNameLength, mod);
  Put(out, vx_pell_PELL_UserID);
  Put(out, SumMod(static_cast<int64_t>(u) + vx_pell_PELL_UserID, mod));

  int c = 0;
  for (int m = 0; m < kScores; ++m) {
    const int v = vx_pell_PELL_Score[static_cast<size_t>(m)];
    Put(out, v);
    c = ScoreStep(m, v, c);
    if (m % 32 == 31) {
      Put(out, c);
      c = 0;
    }
  }

  vx_app_SaveState(String(out.c_str(), static_cast<int>(out.size())));
  return 0;
}

int vx_pell_Load() {
  const String state = vx_app_LoadState();
  const Fields fields(state.Units());
  const int mod = SettingsModulus();
  vx_pell_SetDefaults();
  vx_pell_PELL_UserID = 0;
  vx_pell_NewUser();
  if (!fields.Is(0, kHeader)) return 0;

  std::vector<int>& set = vx_pell_PELL_Set;
  const int s = ReadSummed(fields, 1, set, kSettingsSaved, mod);
  // A bad checksum resets only the six defaulted settings; the rest stay
  // as read.
  if (fields.Has(kSettingsCheckField) && fields.Number(kSettingsCheckField) != s) vx_pell_SetDefaults();
  if (set[6] != vx_pell_PELL_GameNum) {
    vx_pell_SetDefaults();
    return 0;  // another game's record: its name and scores stay out
  }

  const int u = ReadSummed(fields, kNameField, vx_pell_PELL_Username, kNameLength, mod);
  bool nameRejected = false;
  if (fields.Has(kUserField)) {
    vx_pell_PELL_UserID = fields.Number(kUserField);
    const int check = SumMod(static_cast<int64_t>(vx_pell_PELL_UserID) + u, mod);
    if (fields.Has(kNameCheckField) && check != fields.Number(kNameCheckField)) {
      vx_pell_PELL_UserID = 0;
      vx_pell_NewUser();
      nameRejected = true;
    }
  }
  // No number is ever handed out, so a normal start always lands here.
  if (!nameRejected && vx_pell_PELL_UserID == 0) vx_pell_NewUser();

  if (set[21] > 0) set[21] = 0;
  vx_pell_PELL_DebugMode = set[22];
  set[23] = 0;
  vx_pell_PELL_ScreenshotMode = 0;

  std::vector<int>& score = vx_pell_PELL_Score;
  int f = kFirstScoreField, c = 0;
  for (int m = 0; m < kScores; ++m) {
    if (fields.Has(f)) score[static_cast<size_t>(m)] = fields.Number(f);
    c = ScoreStep(m, score[static_cast<size_t>(m)], c);
    if (m % 32 == 31 && fields.Has(f + 1)) {
      if (fields.Number(f + 1) != c)
        for (int k = m - 31; k <= m; ++k) score[static_cast<size_t>(k)] = 0;
      f += 2;
      c = 0;
    } else {
      f += 1;
    }
  }
  return 0;
}
