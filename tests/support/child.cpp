// fork/exec with three pipes, read until both output pipes close.
#include "support/child.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace {
double Now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}
}  // namespace

std::string BuiltProgram(const std::string& name) { return std::string(KITEMOTH_BINARY_DIR) + "/" + name; }

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  return ChildProcess(argv, options).Finish();
}

ChildProcess::~ChildProcess() {
  if (!finished_ && pid_ > 0) {
    kill(pid_, SIGKILL);
    Finish();
  }
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const ChildOptions& options) {
  int in[2], out[2], err[2];
  if (pipe(in) || pipe(out) || pipe(err)) std::abort();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) _exit(127);
    for (const std::string& name : options.unset) unsetenv(name.c_str());
    for (const std::string& pair : options.set) putenv(strdup(pair.c_str()));
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  signal(SIGPIPE, SIG_IGN);
  if (!options.input.empty()) {
    ssize_t ignored = write(in[1], options.input.data(), options.input.size());
    (void)ignored;
  }
  close(in[1]);
  pid_ = pid;
  out_ = out[0];
  err_ = err[0];
  deadline_ = Now() + options.timeout;
}

ChildResult ChildProcess::Finish() {
  finished_ = true;
  const pid_t pid = pid_;
  const int out[1] = {out_}, err[1] = {err_};
  const double deadline = deadline_;
  ChildResult result;
  bool open[2] = {true, true};
  bool killed = false;
  while (open[0] || open[1]) {
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int wait_ms = static_cast<int>((deadline - Now()) * 1000);
    if (wait_ms <= 0) {
      kill(pid, SIGKILL);
      killed = true;
      break;
    }
    if (poll(fds, 2, wait_ms < 200 ? wait_ms : 200) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (!open[i] || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buf[4096];
      ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n <= 0) {
        open[i] = false;
      } else {
        (i == 0 ? result.out : result.err).append(buf, n);
      }
    }
  }
  close(out[0]);
  close(err[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!killed && WIFEXITED(status)) {
    result.exited = true;
    result.status = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  return result;
}
