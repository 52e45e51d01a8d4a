// Writes the seed corpora of the fuzz targets: the sounds and the smaller
// images of a generated data folder, the tune cut short at page boundaries
// (a whole tune is too slow to mutate), and state records saved by the game.
// Usage: fuzz_seeds <data folder> <seeds folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/harness.h"
#include "host/init.h"
#include "shell/globals.h"
#include "shell/persist.h"

namespace fs = std::filesystem;

namespace {

// Larger inputs are not worth a fuzzer's time; the runs use the same bound.
constexpr std::uintmax_t kMaxSeed = 64 * 1024;

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

// The first pages of an Ogg file: a cut at the first page that starts at or
// after `at` bytes keeps the headers and some audio, so the piece decodes.
std::string OggHead(const std::string& bytes, size_t at) {
  const size_t page = bytes.find("OggS", at);
  return page == std::string::npos ? bytes : bytes.substr(0, page);
}

// Records as the game saves them: fresh defaults; a played one with a
// name, a user number and scores; and that one with a score edited by hand.
void StateRecords(const fs::path& dir, const fs::path& texts) {
  fuzz::StateHost host;
  vxInit();
  vx_pell_PELL_GameNum = 507;
  vx_pell_Load();
  vx_pell_Save();
  Write(dir / "defaults.txt", host.saved.ToUtf8());

  vx_pell_PELL_Set[5] = 12;
  vx_pell_PELL_Set[100] = 1;
  for (int i = 0; i < 16; ++i) vx_pell_PELL_Username[i] = 33 + i;
  vx_pell_PELL_UserID = 77;
  for (int t = 1; t <= 3; ++t)
    for (int k = 0; k < 15; ++k) vx_pell_PELL_Score[20 * t + k] = 1000 * t - 50 * k;
  vx_pell_Save();
  const std::string played = host.saved.ToUtf8();
  Write(dir / "played.txt", played);
  Write(texts / "played.txt", played);
  std::string edited = played;
  const size_t at = edited.find("|3000|");
  if (at != std::string::npos) edited.replace(at, 6, "|9000|");
  Write(dir / "edited.txt", edited);
}

// Each way the text decoder tells encodings apart.
void Texts(const fs::path& dir) {
  Write(dir / "utf8-bom.txt", "\xEF\xBB\xBFPELL_v2.0|\xC3\xA9|");
  Write(dir / "utf16le.txt", std::string("\xFF\xFEP\0E\0L\0L\0|\0\xAC\x20", 14));
  Write(dir / "utf16be.txt", std::string("\xFE\xFF\0P\0E\0L\0L\0|\x20\xAC", 14));
  Write(dir / "latin1.txt", "caf\xE9|");
  Write(dir / "surrogates.txt", "\xED\xA0\xBD\xED\xB8\x80");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <data folder> <seeds folder>\n", argv[0]);
    return 2;
  }
  const fs::path data = argv[1], seeds = argv[2];
  if (!fs::is_directory(data)) {
    std::fprintf(stderr, "%s: no data folder at %s\n", argv[0], argv[1]);
    return 1;
  }
  for (const char* t : {"string_load", "state_record", "wav", "ogg", "png"}) fs::create_directories(seeds / t);

  int files = 0;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(data)) {
    if (!e.is_regular_file()) continue;
    const fs::path& p = e.path();
    // Named after their place in the data folder, so every seed is distinct.
    std::string name = fs::relative(p, data).string();
    for (char& c : name)
      if (c == '/') c = '_';
    const std::string ext = p.extension().string();
    if (ext == ".ogg") {
      const std::string bytes = Read(p);
      for (size_t at : {4096, 16384, 49152}) Write(seeds / "ogg" / (std::to_string(at) + "-" + name), OggHead(bytes, at));
      ++files;
    } else if ((ext == ".wav" || ext == ".png") && e.file_size() <= kMaxSeed) {
      fs::copy_file(p, seeds / ext.substr(1) / name, fs::copy_options::overwrite_existing);
      ++files;
    }
  }
  StateRecords(seeds / "state_record", seeds / "string_load");
  Texts(seeds / "string_load");
  std::printf("fuzz seeds: %d data files from %s\n", files, argv[1]);
  return 0;
}
