// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The music of one voice line: notes, chords, rests, dynamics and bar checks.

#include <string>
#include <string_view>
#include <vector>

#include "tools/soundgen/song.h"

namespace vexlor::soundgen::notation {

struct Token {
  std::string text;
  int line;
};

// How one part's notes are written and sounded.
struct Voicing {
  bool drums = false;  // drum names instead of pitches
  int gate = 90;       // percent of the written length that sounds
  int velocity = 72;   // until a dynamic mark says otherwise
};

struct Meter {
  Tick quarter;
  Tick bar;
  Tick beat;
};

struct Voice {
  std::vector<Note> notes;  // starts from 0, the voice's beginning
  Tick length = 0;
};

// Throws NotationError naming `file` and the faulty token's line.
Voice ReadVoice(const std::vector<Token>& tokens, const Voicing& voicing, const Meter& meter,
                const std::string& file);

// The velocity of a dynamic mark (pp p mp mf f ff), or -1 for another word.
int DynamicVelocity(std::string_view word);

}  // namespace vexlor::soundgen::notation
