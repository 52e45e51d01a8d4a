// Runs a program as a child process with a given standard input, and
// collects its exit status and output. For anything that ends the process.
#pragma once

#include <string>
#include <vector>

struct ChildResult {
  bool exited = false;  // ended by exit rather than a signal or the timeout
  int status = -1;      // exit status 0-255 when exited
  int signal = 0;       // the signal that ended it otherwise
  std::string out, err;
};

struct ChildOptions {
  std::string input;          // written to standard input, which is then closed
  std::string cwd;            // working folder; "" keeps the current one
  std::vector<std::string> set;    // NAME=value pairs added to the environment
  std::vector<std::string> unset;  // names removed from the environment
  double timeout = 30;        // seconds before the child is killed
};

// Starts the child and returns at once; Finish collects what it printed and
// waits for it to end (killing it after the timeout, counted from Start).
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const ChildOptions& options = {});
  ~ChildProcess();
  ChildResult Finish();
  int pid() const { return pid_; }

 private:
  int pid_ = -1, out_ = -1, err_ = -1;
  double deadline_ = 0;
  bool finished_ = false;
};

ChildResult RunChild(const std::vector<std::string>& argv, const ChildOptions& options = {});

// Path of a program built beside the tests (the game, the probes).
std::string BuiltProgram(const std::string& name);
