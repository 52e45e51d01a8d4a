// Printing, the run-time error stop with its debugger line protocol, the
// fatal-signal handler and the window system's error callback.
#pragma once

#include "host/string.h"

// One line of UTF-8 on standard output, flushed.
void vxPrint(const String& text);
void vxDebugLog(const String& text);
// Empty message: a normal end with status 0. Otherwise the error stop.
[[noreturn]] void vxError(const String& message);
[[noreturn]] void dbg_error(const char* message);
// Returns only when an attached debugger says to go on.
void dbg_stop();
int vxDebugStop();
void sighandler(int signal);
void onGlfwError(int code, const char* message);
