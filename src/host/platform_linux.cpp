// Linux realisation of the host's operating-system services: /proc for the
// executable path, a monotonic nanosleep, xdg-open for URLs, POSIX files.
#include "host/platform.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>

extern char** environ;

namespace {

// File names are real UTF-8: surrogate pairs are joined here, unlike the
// per-unit encoding of the state text.
std::string FileName(const String& name) {
  std::string out;
  const std::u16string& u = name.Units();
  for (size_t i = 0; i < u.size(); ++i) {
    unsigned c = u[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (u[i + 1] - 0xDC00);
      ++i;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

String vxHostExecutablePath() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return String();
  return String::FromUtf8(reinterpret_cast<unsigned char*>(buf), static_cast<size_t>(n));
}

void vxHostSleepMs(int milliseconds) {
  if (milliseconds <= 0) return;
  timespec left{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
  while (clock_nanosleep(CLOCK_MONOTONIC, 0, &left, &left) == EINTR) {
  }
}

void vxHostOpenUrl(const std::string& url) {
  char opener[] = "xdg-open";
  std::string arg = url;
  char* argv[] = {opener, arg.data(), nullptr};
  pid_t pid;
  if (posix_spawnp(&pid, opener, nullptr, nullptr, argv, environ) == 0) {
    // Reap it in the background; the game does not wait for the browser.
    signal(SIGCHLD, SIG_IGN);
  }
}

FILE* vxHostOpenFile(const String& name, const char* mode) {
  if (name.Empty()) return nullptr;
  return std::fopen(FileName(name).c_str(), mode);
}

bool vxHostCommitFile(FILE* file, const String& temporary, const String& target) {
  const std::string tmp = FileName(temporary);
  bool ok = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
  ok = (std::fclose(file) == 0) && ok;
  if (ok) ok = std::rename(tmp.c_str(), FileName(target).c_str()) == 0;
  if (!ok) {
    std::remove(tmp.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here loses nothing already
  // on disk, so it is not reported.
  std::string dir = FileName(target);
  size_t slash = dir.rfind('/');
  dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : dir.substr(0, slash));
  int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
  return true;
}

void vxHostRemoveFile(const String& name) { std::remove(FileName(name).c_str()); }

void vxHostLocalTime(int out[6]) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  out[0] = local.tm_year + 1900;
  out[1] = local.tm_mon + 1;
  out[2] = local.tm_mday;
  out[3] = local.tm_hour;
  out[4] = local.tm_min;
  out[5] = local.tm_sec;
}

void vxHostExit(int status) {
  std::fflush(nullptr);
  _exit(status);
}

void vxHostInstallSignal(int sig, void (*handler)(int)) { std::signal(sig, handler); }
