// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanical cues: reel stop, coin, reset buzz and count tick.
#include <cmath>
#include <numbers>

#include "assets/sounds/sounds.h"

namespace vexlor::sounds {

using namespace soundgen;

Samples ReelStop() {
  Samples out = Silence(0.12);
  Oscillator body;
  Noise noise(0x7e1f0001);
  BandPass latch(2400, 2.5);
  LowPass weight(700);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    // The drum's mass: a low thump whose pitch sinks as it settles.
    const double hz = 52 + 110 * std::exp(-t / 0.015);
    const double thump = body.Sine(hz) * Strike(t, 0.0015, 0.032);
    const float n = noise.Next();
    // The pawl snapping into its notch, and the cabinet's dull knock.
    const double snap = latch.Process(n) * Strike(t, 0.0004, 0.004);
    const double knock = weight.Process(n) * Strike(t, 0.001, 0.018);
    out[i] = static_cast<float>(0.9 * thump + 1.6 * snap + 0.9 * knock);
  }
  // The stop arm rings faintly.
  AddStruck(out, 0.002, 0.118, 640, 0.08, {{1, 1, 0.02}, {2.76, 0.5, 0.01}});
  FadeEdges(out, 0.0008, 0.025);
  return out;
}

Samples CoinDrop() {
  // A thin metal disc: its modes sit at inharmonic ratios, the high ones die first.
  const std::vector<Partial> disc = {
      {1, 1, 0.09}, {2.32, 0.6, 0.06}, {3.86, 0.45, 0.045}, {5.61, 0.28, 0.03}, {7.3, 0.15, 0.02},
  };
  struct Bounce {
    double at;
    double hz;
    double level;
  };
  const Bounce bounces[] = {
      {0.0, 2350, 1.0},
      {0.078, 2410, 0.55},
      {0.138, 2372, 0.34},
      {0.183, 2398, 0.2},
  };
  Samples out = Silence(0.3);
  Noise noise(0xc0140002);
  for (const Bounce& b : bounces) {
    AddStruck(out, b.at, 0.3 - b.at, b.hz, 0.5 * b.level, disc);
    BandPass edge(6500, 1.5);
    for (std::size_t i = IndexOf(b.at); i < IndexOf(b.at + 0.004); ++i) {
      const double t = TimeOf(i) - b.at;
      out[i] +=
          static_cast<float>(0.6 * b.level * edge.Process(noise.Next()) * Strike(t, 0, 0.001));
    }
  }
  // The tray's own dull note under the first landing.
  AddStruck(out, 0.0, 0.08, 210, 0.18, {{1, 1, 0.02}});
  FadeEdges(out, 0.0005, 0.04);
  return out;
}

Samples BonusReset() {
  constexpr double kLength = 0.6;
  Samples out = Silence(kLength);
  Oscillator low;
  Oscillator detuned;
  LowPass first(1500);
  LowPass second(1500);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    // A falling octave, slow at first and sagging at the end.
    const double hz = 185 * std::pow(0.5, std::pow(t / kLength, 1.3));
    const double x = 0.5 * (low.Saw(hz) + detuned.Saw(hz * 1.013));
    // The tone darkens as it falls, with a sulky wah-wah at five a second.
    const double wah = 0.5 + 0.5 * std::cos(2 * std::numbers::pi * 5 * t);
    const double cutoff = (350 + 1700 * std::exp(-t / 0.28)) * (0.55 + 0.45 * wah);
    first.SetCutoff(cutoff);
    second.SetCutoff(cutoff);
    const double y = second.Process(first.Process(static_cast<float>(x)));
    out[i] = static_cast<float>(y * (0.45 + 0.55 * wah) * Swell(t, kLength, 0.012, 0.14));
  }
  FadeEdges(out, 0.002, 0.01);
  return out;
}

Samples CountTick() {
  Samples out = Silence(0.035);
  Noise noise(0x71c40003);
  BandPass click(3600, 3);
  Oscillator ping;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = TimeOf(i);
    const double snap = click.Process(noise.Next()) * Strike(t, 0.0002, 0.0025);
    const double tone = ping.Sine(1850) * Strike(t, 0.0004, 0.009);
    out[i] = static_cast<float>(1.3 * snap + 0.9 * tone);
  }
  FadeEdges(out, 0.0003, 0.01);
  return out;
}

}  // namespace vexlor::sounds
