// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/sounds/sounds.h"

namespace vexlor::sounds {

// The sustained buzz and the pure bell tones sound louder than the clicks and
// clinks at the same peak, so they peak a little lower.
const std::vector<Cue>& Cues() {
  static const std::vector<Cue> cues = {
      {"Vexlor0.wav", ReelStop, -3},    {"Vexlor1.wav", CoinDrop, -3},
      {"Vexlor2.wav", BonusReset, -4},  {"Vexlor3.wav", CountTick, -3},
      {"Vexlor5.wav", Prize, -3},       {"Vexlor6.wav", BonusPoint, -4},
      {"Vexlor7.wav", StartUp, -3},     {"Vexlor8.wav", ExtraHold, -3.5},
      {"VexlorWin.wav", WinJingle, -3},
  };
  return cues;
}

const std::vector<Tune>& Tunes() {
  static const std::vector<Tune> tunes = {
      {"Vexlor0.mid", "lounge.tune"},  {"Vexlor1.mid", "pop.tune"},
      {"Vexlor2.mid", "ballad.tune"},  {"Vexlor3.mid", "arcade.tune"},
      {"Vexlor4.mid", "bigband.tune"},
  };
  return tunes;
}

}  // namespace vexlor::sounds
