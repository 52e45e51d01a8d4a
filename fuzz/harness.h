// What the fuzz targets share: a host that keeps the saved state in memory,
// the input handed over as an open file or as a file on disk (the loaders
// take paths), and the way a broken property is reported (an abort, which
// libFuzzer keeps).
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/game.h"

namespace fuzz {

// The saved state in memory; the clock is fixed so a load that starts a
// new user draws the same seed every time.
class StateHost : public VxGame {
 public:
  String loaded, saved;
  String LoadState() override { return loaded; }
  int SaveState(const String& state) override {
    saved = state;
    return 0;
  }
  int Millisecs() override { return 4321; }
};

// The input as a read-only stream, as the loaders get a file.
inline FILE* OpenBytes(const uint8_t* data, size_t size) {
  // fmemopen refuses an empty buffer; an empty file reads the same.
  if (size == 0) return std::fopen("/dev/null", "rb");
  return fmemopen(const_cast<uint8_t*>(data), size, "rb");
}

// The input written to `name` in a folder of this process's own, for
// loaders that open a path and choose their reader by its ending. The
// folder goes when the process ends normally.
inline std::string WriteInput(const char* name, const uint8_t* data, size_t size) {
  struct Folder {
    std::string path, file;
    Folder() {
      char pattern[] = "/tmp/kitemoth-fuzz-XXXXXX";
      if (!mkdtemp(pattern)) std::abort();
      path = pattern;
    }
    ~Folder() {
      if (!file.empty()) unlink(file.c_str());
      rmdir(path.c_str());
    }
  };
  static Folder folder;
  const std::string path = folder.path + "/" + name;
  if (!folder.file.empty() && folder.file != path) unlink(folder.file.c_str());
  folder.file = path;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) std::abort();
  return path;
}

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::abort();
}

// Reads every byte a loader claims to have returned, so a claim larger
// than the buffer shows as an overflow under ASan. The sum is kept where
// the optimiser cannot drop the reads.
inline volatile unsigned touched = 0;
inline void Touch(const unsigned char* p, size_t n) {
  unsigned sum = 0;
  for (size_t i = 0; i < n; ++i) sum += p[i];
  touched = sum;
}

}  // namespace fuzz
