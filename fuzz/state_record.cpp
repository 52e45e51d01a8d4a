// vx_pell_Load on any text, decoded as the state file is. What a load keeps
// must settle: the record saved after a load reads back the same, except
// the two settings a load clears (overscan above 0, screenshot mode) and
// their checksum. A record of another game skips those clears on its first
// load, so they show on the second; from then on the record is fixed.
#include <vector>

#include "fuzz/harness.h"
#include "host/init.h"
#include "shell/globals.h"
#include "shell/persist.h"

namespace {

fuzz::StateHost* host = nullptr;

// The bytes of a state file as the host reads them.
String Decode(const uint8_t* data, size_t size) {
  FILE* file = fuzz::OpenBytes(data, size);
  if (!file) std::abort();
  const String text = String::Load(file);
  std::fclose(file);
  return text;
}

// Loads a state file's bytes into the arrays as the program starts, and
// returns the file the next save writes.
std::string LoadAndSave(const uint8_t* data, size_t size) {
  vx_shell_InitGlobals();
  vx_pell_PELL_GameNum = 507;
  host->loaded = Decode(data, size);
  vx_pell_Load();
  vx_pell_Save();
  return host->saved.ToUtf8();
}

std::vector<std::string> Fields(const std::string& record) {
  std::vector<std::string> out(1);
  for (char c : record) {
    if (c == '|')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

// Fields 22 and 24 hold settings 21 and 23; field 202 sums the settings.
bool OnlyClearedSettingsDiffer(const std::string& a, const std::string& b) {
  const std::vector<std::string> fa = Fields(a), fb = Fields(b);
  if (fa.size() != fb.size()) return false;
  for (size_t f = 0; f < fa.size(); ++f)
    if (fa[f] != fb[f] && f != 22 && f != 24 && f != 202) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  host = new fuzz::StateHost();
  vxInit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string first = LoadAndSave(data, size);
  const std::string second = LoadAndSave(reinterpret_cast<const uint8_t*>(first.data()), first.size());
  const std::string third = LoadAndSave(reinterpret_cast<const uint8_t*>(second.data()), second.size());
  if (!OnlyClearedSettingsDiffer(first, second)) fuzz::Fail("a saved record reads back with other values");
  if (third != second) fuzz::Fail("a record saved twice does not settle");
  return 0;
}
