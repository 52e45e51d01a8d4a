// A fresh temporary folder that becomes the working directory for one test
// and is removed afterwards, so tests never share a state file.
#pragma once

#include <string>

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_, previous_;
};
