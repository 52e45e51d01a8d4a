#include "support/scratch.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

ScratchDir::ScratchDir() {
  char tmpl[] = "/tmp/kitemoth-test-XXXXXX";
  if (!mkdtemp(tmpl)) std::abort();
  path_ = tmpl;
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(File(name), std::ios::binary) << bytes;
}

std::string ScratchDir::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
