// The test programs' entry: GoogleTest's, plus a stack trace on stderr when
// a test dies of a crash signal, so a crash seen once in a long parallel run
// says where it was. The sanitizer build keeps its own, fuller reports.
#include <execinfo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

namespace {

#if !defined(__SANITIZE_ADDRESS__)
void PrintStackAndDie(int sig) {
  static const char kHeader[] = "\n*** crash signal; stack:\n";
  if (write(STDERR_FILENO, kHeader, sizeof kHeader - 1) < 0) {
  }
  void* frames[64];
  backtrace_symbols_fd(frames, backtrace(frames, 64), STDERR_FILENO);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}
#endif

}  // namespace

int main(int argc, char** argv) {
#if !defined(__SANITIZE_ADDRESS__)
  // Loaded before any crash can happen: backtrace() may allocate on its
  // first call, which a signal handler must not do.
  void* warm[1];
  backtrace(warm, 1);
  for (int sig : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT}) std::signal(sig, PrintStackAndDie);
#endif
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
