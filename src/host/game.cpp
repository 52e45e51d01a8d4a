// VxGame: guarded delegate calls, and the file, state and date services
// that every host shares. Paths are resolved by the (overridden)
// PathToFilePath; the operating system is reached through platform.h.
#include "host/game.h"

#include "host/errors.h"
#include "host/platform.h"

VxGame* VxGame::_game = nullptr;

namespace {
const char* const kStateFile = "./.quibexstate";
// The new state is written here first and renamed over the old file.
const char* const kStateTemp = "./.quibexstate.tmp";
}  // namespace

VxGame::VxGame() { _game = this; }

VxGame::~VxGame() {
  if (_game == this) _game = nullptr;
}

// ---------------------------------------------------------------------------
// [SECTION] Guarded event operations

#define VX_GUARDED(call)     \
  try {                      \
    call;                    \
  } catch (VxThrowable & e) { \
    Die(e);                  \
  }

void VxGame::StartGame() {
  if (started) return;
  started = true;
  VX_GUARDED(delegate->StartGame());
}

void VxGame::SuspendGame() {
  if (!started || suspended) return;
  suspended = true;
  VX_GUARDED(delegate->SuspendGame());
}

void VxGame::ResumeGame() {
  if (!started || !suspended) return;
  suspended = false;
  VX_GUARDED(delegate->ResumeGame());
}

void VxGame::UpdateGame() {
  if (!started || suspended) return;
  VX_GUARDED(delegate->UpdateGame());
}

void VxGame::RenderGame() {
  if (!started) return;
  VX_GUARDED(delegate->RenderGame());
}

void VxGame::KeyEvent(int event, int data) {
  if (!started) return;
  VX_GUARDED(delegate->KeyEvent(event, data));
}

void VxGame::MouseEvent(int event, int data, float x, float y) {
  if (!started) return;
  VX_GUARDED(delegate->MouseEvent(event, data, x, y));
}

void VxGame::TouchEvent(int event, int data, float x, float y) {
  if (!started) return;
  VX_GUARDED(delegate->TouchEvent(event, data, x, y));
}

void VxGame::MotionEvent(int event, int data, float x, float y, float z) {
  if (!started) return;
  VX_GUARDED(delegate->MotionEvent(event, data, x, y, z));
}

void VxGame::DiscardGraphics() {
  if (!started) return;
  VX_GUARDED(delegate->DiscardGraphics());
}

#undef VX_GUARDED

void VxGame::Die(const VxThrowable&) {
  vxPrint("Quibex Runtime Error : Uncaught Quibex Exception");
  vxHostExit(-1);
}

// ---------------------------------------------------------------------------
// [SECTION] Files and state

FILE* VxGame::OpenFile(const String& path, const String& mode) {
  String name = PathToFilePath(path);
  if (name.Empty()) return nullptr;
  return vxHostOpenFile(name, mode.ToNarrow().c_str());
}

std::unique_ptr<unsigned char[]> VxGame::LoadData(const String& path, int* size) {
  FILE* f = OpenFile(path, "rb");
  if (!f) return nullptr;
  const std::string bytes = vxReadRest(f);
  std::fclose(f);
  std::unique_ptr<unsigned char[]> out(new unsigned char[bytes.size() ? bytes.size() : 1]);
  std::copy(bytes.begin(), bytes.end(), out.get());
  *size = static_cast<int>(bytes.size());
  return out;
}

String VxGame::LoadString(const String& path) {
  FILE* f = OpenFile(path, "rb");
  if (!f) return String();
  String text = String::Load(f);
  std::fclose(f);
  return text;
}

String VxGame::LoadState() { return LoadString(kStateFile); }

// Written to a temporary file and renamed into place, so a crash, a kill or
// a full disk mid-save leaves the previous state intact.
int VxGame::SaveState(const String& state) {
  const String temp = PathToFilePath(kStateTemp);
  FILE* f = OpenFile(kStateTemp, "wb");
  if (!f) return -1;
  const std::string bytes = state.ToUtf8();
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) < bytes.size()) {
    std::fclose(f);
    vxHostRemoveFile(temp);
    return -2;
  }
  if (!vxHostCommitFile(f, temp, PathToFilePath(kStateFile))) return -2;
  return 0;
}

void VxGame::GetDate(std::vector<int>& date) {
  if (date.empty()) return;
  int now[6];
  vxHostLocalTime(now);
  const int n = static_cast<int>(date.size());
  for (int i = 0; i < 6 && i < n; ++i) date[i] = now[i];
  if (n > 6) date[6] = 0;
}

int readInt(FILE* file) {
  unsigned char b[4];
  if (std::fread(b, 1, 4, file) < 4) return -1;
  return static_cast<int>(static_cast<unsigned>(b[0]) | (static_cast<unsigned>(b[1]) << 8) |
                          (static_cast<unsigned>(b[2]) << 16) | (static_cast<unsigned>(b[3]) << 24));
}

String vx_data_FixDataPath(const String& path) {
  int colon = path.Find(":/");
  if (colon >= 0 && path.Find("/") == colon + 1) return path;
  if (path.StartsWith("./") || path.StartsWith("/")) return path;
  return "quibex://data/" + path;
}
