// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's sounds: the cues, synthesized by the recipes in this folder, and
// the tunes, whose notes are kept in the .tune files here.

#include <vector>

#include "assets/synth/synth.h"

namespace vexlor::sounds {

struct Cue {
  const char* file;  // the name the game looks for
  soundgen::Samples (*make)();
  double peakDb;  // the loudest sample, below full scale
};

struct Tune {
  const char* file;
  const char* source;  // a .tune file in this folder
};

const std::vector<Cue>& Cues();
const std::vector<Tune>& Tunes();

// The recipes. Each returns its cue at its full length, faded in and out.
soundgen::Samples ReelStop();    // a weighty thunk as a reel locks, 0.12 s
soundgen::Samples CoinDrop();    // a coin clinking into the tray, 0.3 s
soundgen::Samples BonusReset();  // a falling, let-down buzz, 0.6 s
soundgen::Samples CountTick();   // one tick of the win count-up, 35 ms
soundgen::Samples Prize();       // a short brass fanfare, 1.2 s
soundgen::Samples BonusPoint();  // a clear bell ding, 0.25 s
soundgen::Samples StartUp();     // a rising welcome chime, 1 s
soundgen::Samples ExtraHold();   // a bright three-note chime, 0.5 s
soundgen::Samples WinJingle();   // a happy jingle, 1.5 s

}  // namespace vexlor::sounds
