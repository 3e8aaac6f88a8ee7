// SPDX-License-Identifier: GPL-3.0-or-later
// The musical cues: fanfare, ding, chimes and the win jingle.
#include "assets/sounds/sounds.h"

namespace vexlor::sounds {

using namespace soundgen;

namespace {

// MIDI key numbers: 60 is middle C.
constexpr int kF2 = 41, kBb2 = 46, kC3 = 48, kF3 = 53;
constexpr int kC4 = 60, kE4 = 64, kF4 = 65, kG4 = 67, kA4 = 69;
constexpr int kC5 = 72, kE5 = 76, kF5 = 77, kG5 = 79, kA5 = 81, kBb5 = 82;
constexpr int kC6 = 84, kCs6 = 85, kD6 = 86, kE6 = 88, kF6 = 89;

struct Step {
  double at;
  double length;
  int key;
  double level;
};

const FmTone kBrass = {1.0, 3.4, 0.035, 0.07, 0};
const FmTone kBell = {3.5, 1.8, 0.002, 0.05, 0.12};

const std::vector<Partial> kGlockenspiel = {
    {1, 1, 0.32},
    {2.0, 0.28, 0.18},
    {3.0, 0.1, 0.09},
    {4.16, 0.12, 0.06},
};

void AddSteps(Samples& out, const std::vector<Step>& steps, const FmTone& tone) {
  for (const Step& s : steps)
    AddFm(out, s.at, s.length, KeyHz(s.key), s.level, tone);
}

}  // namespace

Samples Prize() {
  Samples out = Silence(1.2);
  // Two quick pick-ups, a step up, and the long top note over a full chord.
  AddSteps(out,
           {{0.0, 0.09, kG4, 0.5},
            {0.1, 0.09, kG4, 0.5},
            {0.2, 0.18, kC5, 0.55},
            {0.4, 0.12, kE5, 0.55},
            {0.54, 0.66, kG5, 0.6}},
           kBrass);
  const FmTone swell = {1.0, 2.6, 0.06, 0.25, 0};
  for (int key : {kC4, kE4, kG4, kC5})
    AddFm(out, 0.54, 0.66, KeyHz(key), 0.22, swell);
  // A cymbal shimmer on the arrival.
  Noise noise(0xfa4f0005);
  BandPass shimmer(8000, 0.8);
  for (std::size_t i = IndexOf(0.54); i < out.size(); ++i) {
    const double t = TimeOf(i) - 0.54;
    out[i] += static_cast<float>(0.07 * shimmer.Process(noise.Next()) * Strike(t, 0.003, 0.15));
  }
  FadeEdges(out, 0.002, 0.12);
  return out;
}

Samples BonusPoint() {
  Samples out = Silence(0.25);
  AddStruck(out, 0.0, 0.25, KeyHz(kE6), 0.6,
            {{1, 1, 0.16}, {2.0, 0.38, 0.08}, {2.76, 0.22, 0.05}, {5.4, 0.1, 0.025}});
  FadeEdges(out, 0.0005, 0.05);
  return out;
}

Samples StartUp() {
  Samples out = Silence(1.0);
  // Up a fifth, down a third, up to the octave; the top C rings over a soft pad.
  const Step steps[] = {{0.0, 1.0, kC5, 0.4},
                        {0.12, 0.88, kG5, 0.38},
                        {0.24, 0.76, kE5, 0.36},
                        {0.36, 0.64, kC6, 0.42},
                        {0.5, 0.5, kE6, 0.18}};
  for (const Step& s : steps)
    AddStruck(out, s.at, s.length, KeyHz(s.key), s.level, kGlockenspiel);
  const FmTone pad = {1.0, 0.8, 0.25, 0.35, 0};
  for (int key : {kC4, kG4})
    AddFm(out, 0.0, 1.0, KeyHz(key), 0.12, pad);
  FadeEdges(out, 0.002, 0.12);
  return out;
}

Samples ExtraHold() {
  Samples out = Silence(0.5);
  AddSteps(out, {{0.0, 0.5, kA5, 0.4}, {0.08, 0.42, kCs6, 0.4}, {0.16, 0.34, kE6, 0.45}}, kBell);
  FadeEdges(out, 0.0005, 0.08);
  return out;
}

Samples WinJingle() {
  constexpr double kEighth = 0.125;
  Samples out = Silence(1.5);
  const Voice lead = {Wave::Pulse, 0.004, 0.03, 0, 4200};
  const int melody[] = {kC5, kF5, kA5, kG5, kA5, kC6, kBb5, kD6};
  for (int i = 0; i < 8; ++i)
    AddNote(out, i * kEighth, 0.11, KeyHz(melody[i]), 0.28, lead);
  AddNote(out, 8 * kEighth, 0.5, KeyHz(kF6), 0.28, {Wave::Pulse, 0.004, 0.2, 0.6, 4200});
  AddStruck(out, 8 * kEighth, 0.5, KeyHz(kF6), 0.2, kGlockenspiel);
  // A bouncing bass under it, and a chord on the last note.
  const Voice bass = {Wave::Triangle, 0.004, 0.04, 0, 0};
  const int bassLine[] = {kF3, kC3, kF3, kBb2};
  for (int i = 0; i < 4; ++i)
    AddNote(out, i * 2 * kEighth, 0.22, KeyHz(bassLine[i]), 0.4, bass);
  AddNote(out, 8 * kEighth, 0.5, KeyHz(kF2), 0.4, {Wave::Triangle, 0.004, 0.2, 0.5, 0});
  for (int key : {kF4, kA4, kC5}) {
    AddNote(out, 8 * kEighth, 0.5, KeyHz(key), 0.09, {Wave::Square, 0.006, 0.2, 0.4, 2500});
  }
  FadeEdges(out, 0.001, 0.06);
  return out;
}

}  // namespace vexlor::sounds
