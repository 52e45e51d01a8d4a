// Child process for the host tests: does one thing that ends the process,
// chosen by the first argument, so the test can check status and output.
#include <csignal>
#include <cstring>

#include "host/app.h"
#include "host/errors.h"
#include "host/init.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string what = argv[1];
  if (what == "error") vxError(argc > 2 ? String(argv[2]) : String());
  if (what == "print-c4") {
    vxPrint(String(u"\u00C4"));
    return 0;
  }
  if (what == "signal") {
    vxInit();
    signal(SIGSEGV, sighandler);
    signal(SIGILL, sighandler);
    signal(SIGFPE, sighandler);
    const std::string which = argc > 2 ? argv[2] : "";
    raise(which == "SEGV" ? SIGSEGV : which == "ILL" ? SIGILL : SIGFPE);
    return 3;
  }
  if (what == "app-twice") {
    new VxGame();
    vxInit();
    (new c_App())->m_new();
    (new c_App())->m_new();
    return 4;
  }
  if (what == "die") {
    VxGame game;
    game.Die(VxThrowable());
  }
  return 2;
}
