// Error reporting. Nothing here returns to a broken game: the error stop
// loops until a debugger on standard input ends the process, and without
// one (input closed) it exits with -1 straight away.
#include "host/errors.h"

#include <csignal>
#include <cstdio>
#include <cstring>

#include "host/platform.h"

void vxPrint(const String& text) {
  std::string bytes = text.ToUtf8();
  // Written as a C string: a U+0000 unit ends the line early, newline too.
  bytes.push_back('\n');
  std::fputs(bytes.c_str(), stdout);
  std::fflush(stdout);
}

void vxDebugLog(const String& text) { vxPrint(text); }

void vxError(const String& message) {
  if (message.Empty()) vxHostExit(0);
  dbg_error(message.ToNarrow().c_str());
}

void dbg_error(const char* message) {
  for (;;) {
    vxPrint(String("Quibex Runtime Error : ") + String(message));
    // No call-stack is recorded, so the trace is an empty line.
    vxPrint(String());
    dbg_stop();
  }
}

void dbg_stop() {
  // There is no debug context; the markers are what a debugger looks for.
  std::fprintf(stderr, "{{~~%s~~}}\n", "(null)");
  std::fprintf(stderr, "\n");
  std::fflush(stderr);
  char line[258];
  for (;;) {
    if (!std::fgets(line, 257, stdin)) vxHostExit(-1);
    if (!std::strchr(line, '\n')) vxHostExit(-1);
    switch (line[0]) {
      case '?':
        continue;
      case '@':
        // Raw object addresses are never trusted: every request gets the
        // empty description that address 0 gets.
        std::fprintf(stderr, "\n");
        std::fflush(stderr);
        continue;
      case 'e':
      case 'l':
      case 'r':
      case 's':
        return;
      case 'q':
        vxHostExit(0);
      default:
        *std::strchr(line, '\n') = 0;
        std::printf("????? %s ?????", line);
        std::fflush(stdout);
        vxHostExit(-1);
    }
  }
}

int vxDebugStop() {
  dbg_stop();
  return 0;
}

void sighandler(int signal) {
  const char* message = "Unknown signal";
  switch (signal) {
    case SIGSEGV: message = "Memory access violation"; break;
    case SIGILL: message = "Illegal instruction"; break;
    case SIGFPE: message = "Floating point exception"; break;
  }
  dbg_error(message);
}

void onGlfwError(int code, const char* message) {
  std::printf("GLFW Error: err=%i, msg=%s\n", code, message ? message : "");
  std::fflush(stdout);
}
