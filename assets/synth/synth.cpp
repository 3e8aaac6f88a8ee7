// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/synth/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vexlor::soundgen {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Smooths the jump of a saw or pulse edge over one sample (polynomial BLEP).
double Blep(double phase, double step) {
  if (phase < step) {
    const double t = phase / step;
    return t + t - t * t - 1;
  }
  if (phase > 1 - step) {
    const double t = (phase - 1) / step;
    return t * t + t + t + 1;
  }
  return 0;
}

float WaveSample(Oscillator& osc, Wave wave, double hz) {
  switch (wave) {
    case Wave::Sine:
      return osc.Sine(hz);
    case Wave::Triangle:
      return osc.Triangle(hz);
    case Wave::Square:
      return osc.Pulse(hz, 0.5);
    case Wave::Pulse:
      return osc.Pulse(hz, 0.25);
    case Wave::Saw:
      return osc.Saw(hz);
  }
  return 0;
}

double HeldLevel(double t, double length, double attack, double release, double decay) {
  const double level = Swell(t, length, attack, release);
  return decay > 0 ? level * std::exp(-t / decay) : level;
}

}  // namespace

Samples Silence(double seconds) {
  return Samples(IndexOf(seconds), 0.0f);
}

double TimeOf(std::size_t index) {
  return static_cast<double>(index) / kSampleRate;
}

std::size_t IndexOf(double seconds) {
  return seconds <= 0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

double KeyHz(int midiKey) {
  return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

double Oscillator::Advance(double hz) {
  const double before = phase_;
  phase_ += hz / kSampleRate;
  phase_ -= std::floor(phase_);
  return before;
}

float Oscillator::Sine(double hz) {
  return static_cast<float>(std::sin(kTwoPi * Advance(hz)));
}

float Oscillator::Saw(double hz) {
  const double step = hz / kSampleRate;
  const double p = Advance(hz);
  return static_cast<float>(2 * p - 1 - Blep(p, step));
}

float Oscillator::Pulse(double hz, double width) {
  const double step = hz / kSampleRate;
  const double p = Advance(hz);
  double v = p < width ? 1.0 : -1.0;
  v += Blep(p, step);
  v -= Blep(std::fmod(p + 1 - width, 1.0), step);
  return static_cast<float>(v - (2 * width - 1));
}

float Oscillator::Triangle(double hz) {
  const double p = Advance(hz);
  return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
}

void LowPass::SetCutoff(double hz) {
  a_ = 1 - std::exp(-kTwoPi * hz / kSampleRate);
}

float LowPass::Process(float x) {
  y_ += a_ * (x - y_);
  return static_cast<float>(y_);
}

BandPass::BandPass(double hz, double q) {
  const double w = kTwoPi * hz / kSampleRate;
  const double alpha = std::sin(w) / (2 * q);
  const double a0 = 1 + alpha;
  b0_ = alpha / a0;
  a1_ = -2 * std::cos(w) / a0;
  a2_ = (1 - alpha) / a0;
}

float BandPass::Process(float x) {
  const double y = b0_ * (x - x2_) - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

double Strike(double t, double attack, double decay) {
  if (t < 0) return 0;
  const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  return rise * std::exp(-std::max(0.0, t - attack) / decay);
}

double Swell(double t, double length, double attack, double release) {
  if (t < 0 || t >= length) return 0;
  double level = 1;
  if (attack > 0 && t < attack) level = t / attack;
  const double left = length - t;
  if (release > 0 && left < release) level = std::min(level, left / release);
  return level;
}

void AddStruck(Samples& out, double start, double length, double hz, double amplitude,
               const std::vector<Partial>& partials) {
  const std::size_t first = IndexOf(start);
  const std::size_t last = std::min(out.size(), IndexOf(start + length));
  for (const Partial& partial : partials) {
    const double w = kTwoPi * hz * partial.ratio / kSampleRate;
    if (w >= std::numbers::pi) continue;  // above the Nyquist limit
    for (std::size_t i = first; i < last; ++i) {
      const double t = TimeOf(i - first);
      const double level = Strike(t, 0.001, partial.decay) * Swell(t, length, 0, 0.01);
      out[i] +=
          static_cast<float>(amplitude * partial.amplitude * level * std::sin(w * (i - first)));
    }
  }
}

void AddFm(Samples& out, double start, double length, double hz, double amplitude,
           const FmTone& tone) {
  const std::size_t first = IndexOf(start);
  const std::size_t last = std::min(out.size(), IndexOf(start + length));
  Oscillator modulator;
  double phase = 0;
  for (std::size_t i = first; i < last; ++i) {
    const double t = TimeOf(i - first);
    const double level = HeldLevel(t, length, tone.attack, tone.release, tone.decay);
    const double mod = tone.index * level * modulator.Sine(hz * tone.ratio);
    out[i] += static_cast<float>(amplitude * level * std::sin(kTwoPi * phase + mod));
    phase += hz / kSampleRate;
    phase -= std::floor(phase);
  }
}

void AddNote(Samples& out, double start, double length, double hz, double amplitude,
             const Voice& voice) {
  const std::size_t first = IndexOf(start);
  const std::size_t last = std::min(out.size(), IndexOf(start + length));
  Oscillator osc;
  LowPass filter(voice.lowpassHz > 0 ? voice.lowpassHz : kSampleRate);
  for (std::size_t i = first; i < last; ++i) {
    const double t = TimeOf(i - first);
    float x = WaveSample(osc, voice.wave, hz);
    if (voice.lowpassHz > 0) x = filter.Process(x);
    const double level = HeldLevel(t, length, voice.attack, voice.release, voice.decay);
    out[i] += static_cast<float>(amplitude * level * x);
  }
}

void FadeEdges(Samples& samples, double fadeIn, double fadeOut) {
  const std::size_t in = std::min(samples.size(), IndexOf(fadeIn));
  const std::size_t outLength = std::min(samples.size(), IndexOf(fadeOut));
  for (std::size_t i = 0; i < in; ++i)
    samples[i] *= static_cast<float>(i) / in;
  for (std::size_t i = 0; i < outLength; ++i) {
    samples[samples.size() - 1 - i] *= static_cast<float>(i) / outLength;
  }
}

void NormalizePeak(Samples& samples, double peakDb) {
  float peak = 0;
  for (float x : samples)
    peak = std::max(peak, std::abs(x));
  if (peak <= 0) return;
  const double gain = std::pow(10.0, peakDb / 20) / peak;
  for (float& x : samples)
    x = static_cast<float>(x * gain);
}

}  // namespace vexlor::soundgen
