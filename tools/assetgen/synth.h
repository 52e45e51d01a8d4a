// Small synthesis parts shared by the sound effects and the tune:
// oscillator phase with band-limited saw and pulse (polyBLEP), seeded noise
// and a one-pole low-pass filter.
#pragma once

#include <cmath>

#include "canvas.h"

constexpr float kTwoPi = 6.28318531f;

struct Phase {
  float value = 0;  // 0..1
  float step = 0;   // last increment, for the band-limiting correction

  // Returns the phase of this sample, then moves on.
  float Advance(float freq, float rate) {
    float v = value;
    step = freq / rate;
    value += step;
    value -= std::floor(value);
    return v;
  }
  float Sine(float freq, float rate) { return std::sin(Advance(freq, rate) * kTwoPi); }
  float Saw(float freq, float rate) {
    float t = Advance(freq, rate);
    return 2 * t - 1 - Blep(t);
  }
  float Square(float freq, float rate, float duty) {
    float t = Advance(freq, rate);
    float u = t + (1 - duty);
    u -= std::floor(u);
    return (t < duty ? 1.0f : -1.0f) + Blep(t) - Blep(u);
  }

 private:
  float Blep(float t) const {
    float dt = step;
    if (dt <= 0) return 0;
    if (t < dt) {
      t /= dt;
      return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
      t = (t - 1) / dt;
      return t * t + t + t + 1;
    }
    return 0;
  }
};

struct Noise {
  unsigned state;
  float Next() {
    state = state * 1664525u + 1013904223u;
    return float(state >> 8) * (2.0f / 16777216.0f) - 1.0f;
  }
};

struct OnePole {
  float y = 0;
  float Low(float x, float cutoff, float rate) {
    float a = 1 - std::exp(-kTwoPi * cutoff / rate);
    y += a * (x - y);
    return y;
  }
};
