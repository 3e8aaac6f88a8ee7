// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Building blocks for the game's synthesized cues: oscillators, envelopes,
// filters, reproducible noise and a few ways to add a note into a buffer.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexlor::soundgen {

inline constexpr int kSampleRate = 44100;

// Mono samples at kSampleRate, nominally within [-1, 1].
using Samples = std::vector<float>;

Samples Silence(double seconds);
double TimeOf(std::size_t index);
std::size_t IndexOf(double seconds);
// Equal temperament, A4 (key 69) at 440 Hz.
double KeyHz(int midiKey);

// Reproducible white noise in [-1, 1): a seed always gives the same run.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1) {}
  float Next();

 private:
  std::uint32_t state_;
};

// A phase-continuous oscillator; the frequency may change on every sample.
// Saw and Pulse are band-limited, so falling glides do not alias.
class Oscillator {
 public:
  float Sine(double hz);
  float Saw(double hz);
  float Pulse(double hz, double width);  // width: the high part of a cycle, 0..1
  float Triangle(double hz);

 private:
  double Advance(double hz);  // returns the phase before this sample
  double phase_ = 0;
};

// One-pole low-pass: a gentle 6 dB per octave roll-off.
class LowPass {
 public:
  explicit LowPass(double hz) { SetCutoff(hz); }
  void SetCutoff(double hz);
  float Process(float x);

 private:
  double a_ = 0;
  double y_ = 0;
};

// Resonant band-pass with unity gain at its centre.
class BandPass {
 public:
  BandPass(double hz, double q);
  float Process(float x);

 private:
  double b0_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Level t seconds after a strike: a linear rise over `attack`, then an
// exponential fall with time constant `decay`.
double Strike(double t, double attack, double decay);
// Level of a held note `length` seconds long: rise over `attack`, hold, and
// fall to zero over the last `release` seconds.
double Swell(double t, double length, double attack, double release);

// One sine component of a struck sound.
struct Partial {
  double ratio;  // to the fundamental
  double amplitude;
  double decay;  // time constant, seconds
};
// A struck tone (bell, coin, chime) starting at `start`, cut off after `length`.
void AddStruck(Samples& out, double start, double length, double hz, double amplitude,
               const std::vector<Partial>& partials);

// Two-operator FM whose brightness follows its loudness, as in brass or an
// electric piano.
struct FmTone {
  double ratio;    // modulator to carrier frequency
  double index;    // modulation depth at full level
  double attack;   // seconds
  double release;  // seconds, at the end of the note
  double decay;    // time constant while held; 0 holds steady
};
void AddFm(Samples& out, double start, double length, double hz, double amplitude,
           const FmTone& tone);

enum class Wave { Sine, Triangle, Square, Pulse, Saw };
// A plain held note through a low-pass (0 leaves it open).
struct Voice {
  Wave wave;
  double attack;
  double release;
  double decay;  // time constant while held; 0 holds steady
  double lowpassHz;
};
void AddNote(Samples& out, double start, double length, double hz, double amplitude,
             const Voice& voice);

// Fades the first and last moments to silence so a cue starts and ends without a click.
void FadeEdges(Samples& samples, double fadeIn, double fadeOut);
// Scales so that the largest sample lies `peakDb` (negative) from full scale.
void NormalizePeak(Samples& samples, double peakDb);

}  // namespace vexlor::soundgen
