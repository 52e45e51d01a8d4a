// Sound decoding behind the host's LoadAudioData: a RIFF/WAVE reader for
// 8- and 16-bit integer PCM, and Ogg Vorbis through libvorbisfile. Files
// are untrusted: sizes are checked against the file and against
// vx_audio_maxDecodedBytes before anything is allocated.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include "audio/audio.h"
#include "host/glfw_game.h"

namespace {

struct Decoded {
  int length = 0, channels = 0, format = 0, hertz = 0;
};

// Two bytes, little-endian; -1 when fewer are left.
int readShort(FILE* file) {
  unsigned char b[2];
  if (std::fread(b, 1, 2, file) < 2) return -1;
  return b[0] | (b[1] << 8);
}

bool readTag(FILE* file, const char* tag) {
  char b[4];
  return std::fread(b, 1, 4, file) == 4 && std::memcmp(b, tag, 4) == 0;
}

// ---------------------------------------------------------------------------
// [SECTION] WAV

// "fmt " must be the first chunk. Chunks after it are read until "data";
// odd chunk sizes are taken as they stand, without a pad byte.
unsigned char* readWav(FILE* file, Decoded* out) {
  if (std::fseek(file, 0, SEEK_END) != 0) return nullptr;
  const long fileSize = std::ftell(file);
  if (fileSize < 0 || std::fseek(file, 0, SEEK_SET) != 0) return nullptr;

  if (!readTag(file, "RIFF")) return nullptr;
  readInt(file);  // RIFF size: the file's own length is trusted instead
  if (!readTag(file, "WAVE") || !readTag(file, "fmt ")) return nullptr;
  const int fmtSize = readInt(file);
  if (readShort(file) != 1) return nullptr;  // integer PCM only
  const int channels = readShort(file);
  const int hertz = readInt(file);
  readInt(file);    // byte rate
  readShort(file);  // block alignment
  const int bits = readShort(file);
  // Refused here rather than divided by later: no channels, a bit depth
  // OpenAL cannot take, a rate it would reject, a chunk too short for this.
  if (fmtSize < 16 || channels <= 0 || hertz <= 0 || (bits != 8 && bits != 16)) return nullptr;
  const int bytes = bits / 8;
  if (fmtSize > 16 && std::fseek(file, fmtSize - 16, SEEK_CUR) != 0) return nullptr;

  for (;;) {
    char id[4];
    if (std::fread(id, 1, 4, file) < 4) return nullptr;
    const int size = readInt(file);
    // Unreadable, or past 2 GiB: a negative skip would also loop forever.
    if (size < 0) return nullptr;
    if (std::memcmp(id, "data", 4) != 0) {
      if (std::fseek(file, size, SEEK_CUR) != 0) return nullptr;
      continue;
    }
    const long here = std::ftell(file);
    if (here < 0 || size > fileSize - here || size > vx_audio_maxDecodedBytes) return nullptr;
    unsigned char* data = static_cast<unsigned char*>(std::malloc(size > 0 ? size : 1));
    if (!data) return nullptr;
    if (std::fread(data, 1, size, file) < static_cast<size_t>(size)) {
      std::free(data);
      return nullptr;
    }
    out->length = size / (bytes * channels);
    out->channels = channels;
    out->format = bytes;
    out->hertz = hertz;
    return data;
  }
}

// ---------------------------------------------------------------------------
// [SECTION] Ogg Vorbis

size_t oggRead(void* to, size_t size, size_t count, void* file) {
  return std::fread(to, size, count, static_cast<FILE*>(file));
}

int oggSeek(void* file, ogg_int64_t offset, int whence) {
  return fseeko(static_cast<FILE*>(file), static_cast<off_t>(offset), whence);
}

long oggTell(void* file) { return static_cast<long>(ftello(static_cast<FILE*>(file))); }

// No close callback: the caller owns the file.
const ov_callbacks kFileCallbacks = {oggRead, oggSeek, nullptr, oggTell};

// Decoded whole into one growing buffer of interleaved 16-bit samples. A
// damaged page (a hole) is skipped; any other decoding error, a chained
// file (libvorbisfile starts those at their second link), a format change
// mid-stream, or more than the size limit gives no data at all.
unsigned char* readOgg(FILE* file, Decoded* out) {
  OggVorbis_File vf;
  if (ov_open_callbacks(file, &vf, nullptr, 0, kFileCallbacks) != 0) return nullptr;
  const vorbis_info* info = ov_info(&vf, -1);
  if (ov_streams(&vf) != 1 || !info || info->channels < 1 || info->rate < 1 || info->rate > INT_MAX) {
    ov_clear(&vf);
    return nullptr;
  }
  const int channels = info->channels;
  const long rate = info->rate;
  const long long frameBytes = 2ll * channels;
  const long long room = 4096 * frameBytes;  // what one decoded block can need
  const long long limit = vx_audio_maxDecodedBytes;

  long long capacity = room, used = 0;
  unsigned char* data = static_cast<unsigned char*>(std::malloc(capacity));
  bool ok = data != nullptr;
  while (ok) {
    int link = 0;
    const int ask = static_cast<int>(std::min<long long>(capacity - used, INT_MAX));
    const long got = ov_read(&vf, reinterpret_cast<char*>(data + used), ask, 0, 2, 1, &link);
    if (got == 0) break;
    if (got == OV_HOLE) continue;
    // A file read without seeking cannot be checked for links up front.
    const vorbis_info* now = ov_info(&vf, -1);
    if (got < 0 || !now || now->channels != channels || now->rate != rate) {
      ok = false;
      break;
    }
    used += got;
    if (used > limit) {
      ok = false;
      break;
    }
    if (capacity - used < room) {
      // Doubling, but never much past the limit.
      capacity = std::min(capacity * 2, limit + room);
      unsigned char* grown = static_cast<unsigned char*>(std::realloc(data, capacity));
      if (!grown) {
        ok = false;
        break;
      }
      data = grown;
    }
  }
  ov_clear(&vf);
  if (!ok) {
    std::free(data);
    return nullptr;
  }
  out->length = static_cast<int>(used / frameBytes);
  out->channels = channels;
  out->format = 2;
  out->hertz = static_cast<int>(rate);
  return data;
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] LoadAudioData

// The reader is chosen by the path's ending, in any letter case.
unsigned char* VxGlfwGame::LoadAudioData(const String& path, int* length, int* channels, int* format, int* hertz) {
  FILE* file = OpenFile(path, "rb");
  if (!file) return nullptr;
  const String lower = path.ToLower();
  Decoded decoded;
  unsigned char* data = nullptr;
  if (lower.EndsWith(".wav"))
    data = readWav(file, &decoded);
  else if (lower.EndsWith(".ogg"))
    data = readOgg(file, &decoded);
  std::fclose(file);
  if (!data) return nullptr;
  *length = decoded.length;
  *channels = decoded.channels;
  *format = decoded.format;
  *hertz = decoded.hertz;
  return data;
}
