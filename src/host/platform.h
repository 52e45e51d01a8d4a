// The operating-system services the host needs, in one place so a port to
// another system replaces platform_linux.cpp and nothing else.
#pragma once

#include <cstdio>
#include <string>

#include "host/string.h"

// The executable's own full file name, or "" when the system won't say.
String vxHostExecutablePath();
// Blocks the calling thread for the given milliseconds (nothing for <= 0).
void vxHostSleepMs(int milliseconds);
// Hands a URL to the desktop's opener without waiting for it.
void vxHostOpenUrl(const std::string& url);
// Opens a file by its name in the program's text; null when it can't.
FILE* vxHostOpenFile(const String& name, const char* mode);
// Flushes the file to disk, closes it and moves it over `target` in one
// step, so readers see either the old file or the whole new one.
// False (and the temporary removed) on any failure.
bool vxHostCommitFile(FILE* file, const String& temporary, const String& target);
// Removes a file; quiet when there is none.
void vxHostRemoveFile(const String& name);
// Local time as year, month 1-12, day, hour, minute, second.
void vxHostLocalTime(int out[6]);
// Ends the process at once: buffered output is flushed, nothing else runs.
[[noreturn]] void vxHostExit(int status);
// Turns the C runtime's fatal signals into the given handler.
void vxHostInstallSignal(int signal, void (*handler)(int));
