// The sound effects, synthesised sample by sample, and the WAV writer. The
// game varies their pitch by up to 30 %, so each is built to survive that:
// short, one clear gesture each, normalised to the same peak.
#include <cstdio>

#include "assetgen.h"
#include "synth.h"

namespace {

constexpr float kRate = float(kSoundRate);

// Five-millisecond fades at both ends so no effect starts or stops with a click.
std::vector<short> ToPcm(std::vector<float> x, float peak) {
  float top = 1e-6f;
  for (float v : x) top = std::max(top, std::fabs(v));
  size_t fade = size_t(0.005f * kRate);
  std::vector<short> out(x.size());
  for (size_t i = 0; i < x.size(); ++i) {
    float g = 1;
    if (i < fade) g = float(i) / float(fade);
    if (x.size() - i <= fade) g = std::min(g, float(x.size() - 1 - i) / float(fade));
    out[i] = short(std::lround(std::clamp(x[i] / top * peak * g, -1.0f, 1.0f) * 32767.0f));
  }
  return out;
}

std::vector<float> Silence(float seconds) { return std::vector<float>(size_t(seconds * kRate)); }

// A bell-like note: sine with a decaying FM sparkle.
void Bell(std::vector<float>& x, float start, float freq, float decay, float gain) {
  Phase carrier, mod;
  for (size_t i = size_t(start * kRate); i < x.size(); ++i) {
    float t = (i - start * kRate) / kRate, env = std::exp(-t / decay) * std::min(1.0f, t * 400);
    float m = mod.Sine(freq * 3.5f, kRate) * 2.2f * std::exp(-t / (decay * 0.25f));
    x[i] += gain * env * (std::sin(carrier.Advance(freq, kRate) * kTwoPi + m) + 0.25f * std::sin(carrier.value * 2 * kTwoPi));
  }
}

std::vector<float> Jingle() {
  std::vector<float> x = Silence(1.5f);
  const float notes[] = {523.25f, 659.26f, 783.99f, 1046.5f};
  for (int i = 0; i < 4; ++i) Bell(x, 0.11f * i, notes[i], 0.35f + 0.1f * i, 1);
  Bell(x, 0.44f, 783.99f, 0.6f, 0.5f);
  Bell(x, 0.44f, 1318.5f, 0.6f, 0.35f);
  return x;
}

std::vector<float> CursorBlip() {
  std::vector<float> x = Silence(0.07f);
  Phase p;
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    float f = t < 0.025f ? 880.0f : 1320.0f;
    x[i] = p.Square(f, kRate, 0.5f) * std::exp(-t / 0.03f) * 0.6f + std::sin(p.value * kTwoPi) * 0.4f;
  }
  return x;
}

std::vector<float> ChoiceChime() {
  std::vector<float> x = Silence(0.45f);
  Bell(x, 0, 987.77f, 0.12f, 0.8f);
  Bell(x, 0.07f, 1318.5f, 0.2f, 1);
  Bell(x, 0.07f, 1975.5f, 0.12f, 0.3f);
  return x;
}

std::vector<float> Explosion() {
  std::vector<float> x = Silence(1.4f);
  Noise n{17};
  OnePole low, low2;
  Phase thump;
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    float cutoff = 180 + 5000 * std::exp(-t / 0.12f);
    float rumble = low2.Low(low.Low(n.Next(), cutoff, kRate), cutoff * 1.5f, kRate);
    float env = std::min(1.0f, t * 300) * std::exp(-t / 0.38f);
    float body = std::sin(thump.Advance(38 + 90 * std::exp(-t / 0.06f), kRate) * kTwoPi) * std::exp(-t / 0.22f);
    // Debris crackle in the first half second.
    float crack = 0;
    if (t < 0.6f && Hash01(unsigned(i / 90), 5) < 0.08f) crack = n.Next() * 0.6f * (1 - t / 0.6f);
    x[i] = rumble * env * 2.2f + body * 0.9f + crack;
  }
  return x;
}

std::vector<float> Jump() {
  std::vector<float> x = Silence(0.22f);
  Phase p;
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    float f = 260 * std::pow(3.4f, t / 0.22f);
    x[i] = (p.Square(f, kRate, 0.25f) * 0.5f + std::sin(p.value * kTwoPi) * 0.5f) * std::exp(-t / 0.12f);
  }
  return x;
}

std::vector<float> Swallow() {
  std::vector<float> x = Silence(0.32f);
  Phase p;
  Noise n{3};
  OnePole low;
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    // Two bumps: the gulp and the settle, each falling in pitch.
    float bump = std::exp(-std::pow((t - 0.06f) / 0.04f, 2.0f)) + 0.6f * std::exp(-std::pow((t - 0.2f) / 0.05f, 2.0f));
    float f = t < 0.13f ? 520 - 2600 * t : 300 - 700 * (t - 0.13f);
    x[i] = (std::sin(p.Advance(std::max(f, 90.0f), kRate) * kTwoPi) + 0.25f * low.Low(n.Next(), 900, kRate)) * bump;
  }
  return x;
}

std::vector<float> Landing() {
  std::vector<float> x = Silence(0.16f);
  Phase p;
  Noise n{9};
  OnePole low;
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    float thud = std::sin(p.Advance(60 + 90 * std::exp(-t / 0.03f), kRate) * kTwoPi) * std::exp(-t / 0.045f);
    float scuff = low.Low(n.Next(), 1400, kRate) * std::exp(-t / 0.02f);
    x[i] = thud + scuff * 0.8f;
  }
  return x;
}

std::vector<float> Grab() {
  std::vector<float> x = Silence(0.2f);
  Phase p;
  Noise n{11};
  OnePole low, high;
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    float f = 500 * std::pow(4.0f, t / 0.12f);
    float zip = std::sin(p.Advance(std::min(f, 2400.0f), kRate) * kTwoPi);
    float hiss = n.Next();
    hiss -= high.Low(hiss, 2000, kRate);
    float env = std::min(1.0f, t * 200) * std::exp(-t / 0.06f);
    x[i] = (zip * 0.7f + low.Low(hiss, 6000, kRate) * 0.5f) * env;
  }
  return x;
}

std::vector<float> Click() {
  std::vector<float> x = Silence(0.04f);
  Phase p;
  Noise n{21};
  for (size_t i = 0; i < x.size(); ++i) {
    float t = i / kRate;
    x[i] = std::sin(p.Advance(1900, kRate) * kTwoPi) * std::exp(-t / 0.006f) + n.Next() * 0.3f * std::exp(-t / 0.002f);
  }
  return x;
}

}  // namespace

std::vector<short> MakeSound(int id) {
  switch (id) {
    case 96: return ToPcm(Jingle(), 0.7f);
    case 98: return ToPcm(CursorBlip(), 0.45f);
    case 99: return ToPcm(ChoiceChime(), 0.6f);
    case 1: return ToPcm(Explosion(), 0.85f);
    case 2: return ToPcm(Jump(), 0.5f);
    case 3: return ToPcm(Swallow(), 0.65f);
    case 4: return ToPcm(Landing(), 0.6f);
    case 5: return ToPcm(Grab(), 0.55f);
    case 6: return ToPcm(Click(), 0.35f);  // plays often: kept quiet
    default: return {};
  }
}

// [SECTION] WAV

namespace {
void Put32(std::vector<unsigned char>& b, unsigned v) {
  for (int i = 0; i < 4; ++i) b.push_back((unsigned char)(v >> (8 * i)));
}
void Put16(std::vector<unsigned char>& b, unsigned v) {
  b.push_back((unsigned char)v), b.push_back((unsigned char)(v >> 8));
}
}  // namespace

bool WriteWav(const std::string& path, const std::vector<short>& samples, int rate, int channels) {
  unsigned data = unsigned(samples.size() * 2);
  std::vector<unsigned char> b;
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  Put32(b, 36 + data);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(b, 16);
  Put16(b, 1);  // integer PCM
  Put16(b, unsigned(channels));
  Put32(b, unsigned(rate));
  Put32(b, unsigned(rate * channels * 2));
  Put16(b, unsigned(channels * 2));
  Put16(b, 16);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  Put32(b, data);
  for (short s : samples) Put16(b, unsigned(static_cast<unsigned short>(s)));
  FILE* f = std::fopen(path.c_str(), "wb");
  bool ok = f && std::fwrite(b.data(), 1, b.size(), f) == b.size();
  if (f && std::fclose(f) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
  return ok;
}
