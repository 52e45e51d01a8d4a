// The run's tune "Xcited": 32 bars at 120 beats a minute (64 seconds) of
// drums, bass, pad, arpeggio and a lead, rendered into a circular buffer so
// every tail that runs past the end sounds again at the start and the loop
// has no seam, then encoded with libvorbisenc.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <vorbis/vorbisenc.h>

#include "assetgen.h"
#include "synth.h"

namespace {

constexpr int kRate = 44100;
constexpr float kBeat = 0.5f;  // seconds
constexpr int kBars = 32;
constexpr int kFrames = int(kBars * 4 * kBeat * kRate);

struct Stereo {
  std::vector<float> l = std::vector<float>(kFrames), r = std::vector<float>(kFrames);
  void Add(long i, float v, float pan) {
    size_t k = size_t(((i % kFrames) + kFrames) % kFrames);
    float a = (pan + 1) * 0.785398f;  // equal-power pan
    l[k] += v * std::cos(a);
    r[k] += v * std::sin(a);
  }
};

float Midi(int note) { return 440.0f * std::pow(2.0f, (note - 69) / 12.0f); }
long At(int bar, float sixteenth) { return long((bar * 16 + sixteenth) * kBeat / 4 * kRate); }

// [SECTION] voices

// Starts on a zero crossing with no noise click, so the downbeat that
// opens the loop joins the bar before it without a step.
void Kick(Stereo& out, long at, float gain) {
  Phase p;
  for (int i = 0; i < int(0.3f * kRate); ++i) {
    float t = float(i) / kRate;
    float v = std::sin(p.Advance(44 + 110 * std::exp(-t / 0.035f), kRate) * kTwoPi) * std::exp(-t / 0.16f);
    out.Add(at + i, v * gain, 0);
  }
}

void Snare(Stereo& out, long at, float gain) {
  Phase p;
  Noise n{unsigned(at)};
  OnePole low;
  for (int i = 0; i < int(0.25f * kRate); ++i) {
    float t = float(i) / kRate;
    float x = n.Next();
    float v = (x - low.Low(x, 1500, kRate)) * std::exp(-t / 0.09f) +
              std::sin(p.Advance(190, kRate) * kTwoPi) * std::exp(-t / 0.05f) * 0.5f;
    out.Add(at + i, v * gain, -0.1f);
  }
}

void Hat(Stereo& out, long at, float gain) {
  Noise n{unsigned(at) * 3u + 1u};
  OnePole low;
  for (int i = 0; i < int(0.08f * kRate); ++i) {
    float t = float(i) / kRate;
    float x = n.Next();
    out.Add(at + i, (x - low.Low(x, 7000, kRate)) * std::exp(-t / 0.025f) * gain, 0.35f);
  }
}

// A plucked, low-passed saw with a sub sine under it.
void Bass(Stereo& out, long at, float len, int note, float gain) {
  Phase saw, sub;
  OnePole f1, f2;
  float freq = Midi(note);
  for (int i = 0; i < int((len + 0.03f) * kRate); ++i) {
    float t = float(i) / kRate;
    float env = std::min(1.0f, t * 200) * (t > len ? std::exp(-(t - len) / 0.01f) : 1.0f);
    float cut = 300 + 1400 * std::exp(-t / 0.08f);
    float v = f2.Low(f1.Low(saw.Saw(freq, kRate), cut, kRate), cut, kRate) + 0.5f * sub.Sine(freq, kRate);
    out.Add(at + i, v * env * gain, 0);
  }
}

void Pad(Stereo& out, long at, float len, int note, float gain, float pan) {
  Phase a, b, c;
  OnePole f1, f2;
  float freq = Midi(note);
  for (int i = 0; i < int((len + 0.4f) * kRate); ++i) {
    float t = float(i) / kRate;
    float env = std::min(1.0f, t / 0.25f) * (t > len ? std::exp(-(t - len) / 0.12f) : 1.0f);
    float v = a.Saw(freq * 0.996f, kRate) + b.Saw(freq * 1.004f, kRate) + 0.5f * c.Saw(freq * 0.5f, kRate);
    out.Add(at + i, f2.Low(f1.Low(v, 1400, kRate), 1800, kRate) * env * gain, pan);
  }
}

void Pluck(Stereo& out, Stereo& send, long at, int note, float gain, float pan) {
  Phase p;
  OnePole f;
  float freq = Midi(note);
  for (int i = 0; i < int(0.2f * kRate); ++i) {
    float t = float(i) / kRate;
    float v = f.Low(p.Square(freq, kRate, 0.3f), 3500, kRate) * std::min(1.0f, t * 500) * std::exp(-t / 0.07f) * gain;
    out.Add(at + i, v, pan);
    send.Add(at + i, v * 0.5f, pan);
  }
}

void Lead(Stereo& out, Stereo& send, long at, float len, int note, float gain) {
  Phase a, b, vib;
  OnePole f;
  float freq = Midi(note);
  for (int i = 0; i < int((len + 0.1f) * kRate); ++i) {
    float t = float(i) / kRate;
    float wobble = 1 + 0.004f * std::min(1.0f, std::max(0.0f, t - 0.15f) * 4) * vib.Sine(5.5f, kRate);
    float env = std::min(1.0f, t * 100) * (t > len ? std::exp(-(t - len) / 0.03f) : 1.0f);
    float v = 0.6f * a.Saw(freq * wobble, kRate) + 0.4f * b.Square(freq * wobble * 1.002f, kRate, 0.5f);
    v = f.Low(v, 2600, kRate) * env * gain;
    out.Add(at + i, v, 0.05f);
    send.Add(at + i, v, 0);
  }
}

// [SECTION] the score

struct Chord {
  int root;      // bass note
  int tones[3];  // pad voicing
};

const Chord kAm = {45, {57, 60, 64}}, kF = {41, {57, 60, 65}}, kC = {48, {55, 60, 64}}, kG = {43, {55, 59, 62}},
            kE = {40, {56, 59, 64}};

Chord ChordOf(int bar) {
  static const Chord loop[4] = {kAm, kF, kC, kG};
  static const Chord bridge[8] = {kF, kG, kAm, kAm, kF, kG, kC, kE};
  return bar >= 16 && bar < 24 ? bridge[bar - 16] : loop[bar % 4];
}

struct Note {
  int bar;
  float start, len;  // sixteenths
  int midi;
};

// The bridge melody, over F G Am Am F G C E.
const Note kMelody[] = {
    {16, 0, 4, 81}, {16, 4, 2, 84}, {16, 6, 2, 81}, {16, 8, 4, 79}, {16, 12, 4, 76},
    {17, 0, 4, 74}, {17, 4, 2, 76}, {17, 6, 6, 79}, {17, 12, 4, 79},
    {18, 0, 2, 76}, {18, 2, 2, 81}, {18, 4, 4, 84}, {18, 8, 2, 83}, {18, 10, 2, 81}, {18, 12, 4, 76},
    {19, 0, 12, 81}, {19, 12, 2, 79}, {19, 14, 2, 76},
    {20, 0, 4, 77}, {20, 4, 2, 81}, {20, 6, 2, 84}, {20, 8, 4, 86}, {20, 12, 4, 84},
    {21, 0, 4, 83}, {21, 4, 4, 86}, {21, 8, 2, 83}, {21, 10, 2, 79}, {21, 12, 4, 74},
    {22, 0, 2, 76}, {22, 2, 2, 79}, {22, 4, 6, 84}, {22, 10, 2, 83}, {22, 12, 4, 84},
    {23, 0, 4, 83}, {23, 4, 4, 80}, {23, 8, 4, 76}, {23, 12, 4, 71},
};

// A second, busier line for the last section, over Am F C G.
const Note kHook[] = {
    {0, 0, 2, 76}, {0, 2, 2, 81}, {0, 4, 2, 84}, {0, 6, 4, 83}, {0, 10, 2, 81}, {0, 12, 4, 76},
    {1, 0, 6, 77}, {1, 6, 2, 76}, {1, 8, 4, 72}, {1, 12, 4, 69},
    {2, 0, 2, 72}, {2, 2, 2, 76}, {2, 4, 4, 79}, {2, 8, 2, 76}, {2, 10, 2, 79}, {2, 12, 4, 84},
    {3, 0, 8, 83}, {3, 8, 4, 79}, {3, 12, 4, 74},
};

void Compose(Stereo& out, Stereo& send) {
  const float sixteenth = kBeat / 4;
  for (int bar = 0; bar < kBars; ++bar) {
    Chord ch = ChordOf(bar);
    bool breakdown = bar >= 24 && bar < 28;
    bool intro = bar < 4;
    // Drums.
    for (int beat = 0; beat < 4; ++beat) {
      long t = At(bar, beat * 4.0f);
      if (!breakdown && (!intro || beat % 2 == 0)) Kick(out, t, 0.9f);
      if (!breakdown && !intro && beat % 2 == 1) Snare(out, t, 0.45f);
    }
    if (bar % 8 == 7 && bar != kBars - 1) {  // fill into the next phrase, not into the quiet intro
      for (int s = 12; s < 16; ++s) Snare(out, At(bar, float(s)), 0.2f + 0.06f * (s - 12));
    }
    if (bar >= 2) {
      bool sixteenths = bar >= 16 && bar < 24;
      for (int s = 0; s < 16; s += sixteenths ? 1 : 2)
        Hat(out, At(bar, float(s)), (s % 4 == 2 ? 0.22f : 0.12f) * (breakdown ? 0.6f : 1.0f));
    }
    // Bass: held in the intro, pumping eighths after.
    if (intro || breakdown) {
      Bass(out, At(bar, 0), 16 * sixteenth - 0.05f, ch.root, 0.3f);
    } else {
      const int octave[8] = {0, 0, 12, 0, 0, 12, 0, 7};
      for (int e = 0; e < 8; ++e) Bass(out, At(bar, e * 2.0f), 2 * sixteenth - 0.03f, ch.root + octave[e], 0.34f);
    }
    // Pad on every bar.
    for (int k = 0; k < 3; ++k) Pad(out, At(bar, 0), 16 * sixteenth - 0.1f, ch.tones[k], 0.05f, -0.5f + 0.5f * k);
    // Arpeggio in the second phrase and the last section.
    if ((bar >= 8 && bar < 16) || bar >= 24) {
      const int order[8] = {0, 1, 2, 1, 0, 2, 1, 2};
      for (int s = 0; s < 16; ++s) {
        int note = ch.tones[order[s % 8]] + 12 + (s >= 8 && bar % 2 ? 12 : 0);
        Pluck(out, send, At(bar, float(s)), note, breakdown ? 0.14f : 0.1f, s % 2 ? 0.45f : -0.45f);
      }
    }
  }
  for (const Note& n : kMelody) Lead(out, send, At(n.bar, n.start), n.len * sixteenth - 0.02f, n.midi, 0.17f);
  // The hook: an octave down and soft in the breakdown, then in full.
  for (int rep = 0; rep < 2; ++rep)
    for (const Note& n : kHook)
      Lead(out, send, At(24 + 4 * rep + n.bar, n.start), n.len * sixteenth - 0.02f, n.midi - (rep ? 0 : 12),
           rep ? 0.13f : 0.1f);
}

// Ping-pong echo of a dotted eighth, run twice around the loop so its
// feedback reaches the steady state the loop would have.
void Echo(Stereo& out, const Stereo& send) {
  const int delay = int(kBeat * 0.75f * kRate);
  std::vector<float> l(kFrames), r(kFrames);
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < kFrames; ++i) {
      int j = (i - delay + kFrames) % kFrames;
      l[size_t(i)] = send.l[size_t(i)] + 0.4f * r[size_t(j)];
      r[size_t(i)] = send.r[size_t(i)] * 0.2f + 0.4f * l[size_t(j)];
    }
  for (int i = 0; i < kFrames; ++i) {
    int j = (i - delay + kFrames) % kFrames;
    out.l[size_t(i)] += 0.35f * l[size_t(j)];
    out.r[size_t(i)] += 0.35f * r[size_t(j)];
  }
}

}  // namespace

// [SECTION] encoding

bool WriteTune(const std::string& path) {
  Stereo mix, send;
  Compose(mix, send);
  Echo(mix, send);
  float peak = 1e-6f;
  for (int i = 0; i < kFrames; ++i) {
    mix.l[size_t(i)] = std::tanh(mix.l[size_t(i)]);
    mix.r[size_t(i)] = std::tanh(mix.r[size_t(i)]);
    peak = std::max(peak, std::max(std::fabs(mix.l[size_t(i)]), std::fabs(mix.r[size_t(i)])));
  }
  float gain = 0.85f / peak;

  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  vorbis_info vi;
  vorbis_info_init(&vi);
  bool ok = vorbis_encode_init_vbr(&vi, 2, kRate, 0.4f) == 0;
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "Xcited");
  vorbis_comment_add_tag(&vc, "ARTIST", "Kitemoth");
  vorbis_dsp_state vd;
  vorbis_block vb;
  ogg_stream_state os;
  ogg_page og;
  ogg_packet op;
  auto flush = [&](bool all) {
    while (all ? ogg_stream_flush(&os, &og) : ogg_stream_pageout(&os, &og)) {
      if (std::fwrite(og.header, 1, size_t(og.header_len), f) != size_t(og.header_len) ||
          std::fwrite(og.body, 1, size_t(og.body_len), f) != size_t(og.body_len))
        ok = false;
    }
  };
  if (ok) {
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_init(&os, 0x4b6d7468);  // a fixed serial keeps the bytes the same on every run
    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    flush(true);
    auto drain = [&]() {
      while (vorbis_analysis_blockout(&vd, &vb) == 1) {
        vorbis_analysis(&vb, nullptr);
        vorbis_bitrate_addblock(&vb);
        while (vorbis_bitrate_flushpacket(&vd, &op)) {
          ogg_stream_packetin(&os, &op);
          flush(false);
        }
      }
    };
    const int chunk = 4096;
    for (int pos = 0; pos < kFrames; pos += chunk) {
      int n = std::min(chunk, kFrames - pos);
      float** buf = vorbis_analysis_buffer(&vd, n);
      for (int i = 0; i < n; ++i) {
        buf[0][i] = mix.l[size_t(pos + i)] * gain;
        buf[1][i] = mix.r[size_t(pos + i)] * gain;
      }
      vorbis_analysis_wrote(&vd, n);
      drain();
    }
    vorbis_analysis_wrote(&vd, 0);  // the end of the stream
    drain();
    flush(true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
  }
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  if (std::fclose(f) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "assetgen: cannot encode %s\n", path.c_str());
  return ok;
}
