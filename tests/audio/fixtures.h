// Sound files built in the tests: RIFF/WAVE chunk by chunk, tones as 16-bit
// PCM, Ogg Vorbis through libvorbisenc; a decode through the desktop host's
// LoadAudioData that frees what it returns, and the checks both readers share.
#pragma once

#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "host/glfw_game.h"
#include "support/scratch.h"

namespace fixture {

inline std::string Le16(int v) { return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)}; }

inline std::string Le32(long long v) {
  const unsigned u = static_cast<unsigned>(v);
  return std::string{char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char((u >> 24) & 0xFF)};
}

// A chunk whose size field says `size` (the body's own length by default).
inline std::string Chunk(const std::string& id, const std::string& body, long long size = -2) {
  return id + Le32(size == -2 ? static_cast<long long>(body.size()) : size) + body;
}

struct Fmt {
  int format = 1, channels = 2, hertz = 44100, bits = 16;
  std::string extra;  // bytes past the 16 of PCM
};

inline std::string FmtChunk(const Fmt& f) {
  const int block = f.channels * (f.bits / 8);
  return Chunk("fmt ", Le16(f.format) + Le16(f.channels) + Le32(f.hertz) + Le32(static_cast<long long>(f.hertz) * block) +
                           Le16(block) + Le16(f.bits) + f.extra);
}

// RIFF header around the chunks, fmt first unless the caller says otherwise.
inline std::string Riff(const std::string& chunks) { return "RIFF" + Le32(4 + chunks.size()) + "WAVE" + chunks; }

inline std::string Wav(const Fmt& f, const std::string& data) { return Riff(FmtChunk(f) + Chunk("data", data)); }

// n bytes of a recognisable pattern.
inline std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i * 7 + 3);
  return s;
}

// Interleaved 16-bit little-endian PCM of `frames` frames; channel 0 a sine
// of `hz`, every other channel silent.
inline std::string Tone16(int frames, int channels, int rate, double hz = 440) {
  std::string s;
  s.reserve(static_cast<size_t>(frames) * channels * 2);
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      s += Le16(c == 0 ? static_cast<int>(12000 * std::sin(2 * M_PI * hz * i / rate)) : 0);
  return s;
}

// Encodes `frames` frames (channel 0 a sine, the others silent) as one Ogg
// Vorbis stream.
inline std::string EncodeOgg(int frames, int channels, int rate, int serial = 1, double hz = 440) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, rate, 0.1f) != 0) std::abort();
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);

  std::string out;
  ogg_page og;
  auto put = [&] { out.append(reinterpret_cast<char*>(og.header), og.header_len).append(reinterpret_cast<char*>(og.body), og.body_len); };
  ogg_packet header, comments, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &code);
  while (ogg_stream_flush(&os, &og)) put();

  const int block = 1024;
  int done = 0;
  bool eos = false;
  while (!eos) {
    const int n = std::min(block, frames - done);
    if (n > 0) {
      float** buf = vorbis_analysis_buffer(&vd, n);
      for (int i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c)
          buf[c][i] = c == 0 ? 0.4f * static_cast<float>(std::sin(2 * M_PI * hz * (done + i) / rate)) : 0.0f;
      vorbis_analysis_wrote(&vd, n);
      done += n;
    } else {
      vorbis_analysis_wrote(&vd, 0);
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og)) {
          put();
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

struct Decoded {
  bool ok = false;
  int length = -7, channels = -7, format = -7, hertz = -7;
  std::string bytes;  // length * channels * format bytes
};

inline Decoded Decode(VxGlfwGame& host, const std::string& path) {
  Decoded d;
  unsigned char* data = host.LoadAudioData(String(path.c_str()), &d.length, &d.channels, &d.format, &d.hertz);
  if (!data) return d;
  d.ok = true;
  d.bytes.assign(reinterpret_cast<char*>(data), static_cast<size_t>(d.length) * d.channels * d.format);
  std::free(data);
  return d;
}

struct NamedFile {
  const char* name;
  std::string bytes;
};

// Writes each file as `as` in the folder and expects no data from it.
inline void ExpectRefused(VxGlfwGame& host, const ScratchDir& dir, const std::string& as,
                          const std::vector<NamedFile>& files) {
  for (const NamedFile& f : files) {
    dir.Write(as, f.bytes);
    EXPECT_FALSE(Decode(host, dir.File(as)).ok) << f.name;
  }
}

// The file decodes to exactly `bytes`: refused one byte under the size
// limit, loaded at it.
inline void ExpectSizeLimitHolds(VxGlfwGame& host, const std::string& path, long long bytes) {
  vx_audio_maxDecodedBytes = bytes - 1;
  EXPECT_FALSE(Decode(host, path).ok) << "limit " << bytes - 1;
  vx_audio_maxDecodedBytes = bytes;
  const Decoded d = Decode(host, path);
  EXPECT_TRUE(d.ok) << "limit " << bytes;
  EXPECT_EQ(static_cast<long long>(d.bytes.size()), bytes);
}

// Root mean square of one channel of 16-bit interleaved samples.
inline double Rms(const std::string& pcm, int channels, int channel) {
  const size_t frames = pcm.size() / (2 * channels);
  if (frames == 0) return 0;
  double sum = 0;
  for (size_t i = 0; i < frames; ++i) {
    const size_t at = (i * channels + channel) * 2;
    const int v = static_cast<short>(static_cast<unsigned char>(pcm[at]) | (static_cast<unsigned char>(pcm[at + 1]) << 8));
    sum += static_cast<double>(v) * v;
  }
  return std::sqrt(sum / frames);
}

}  // namespace fixture
