// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A tune as the notation describes it, and its Standard MIDI File.

#include <cstdint>
#include <string>
#include <vector>

namespace vexlor::soundgen {

using Tick = std::int64_t;

struct Note {
  Tick start;
  Tick length;
  int key;  // MIDI key, 60 = middle C
  int velocity;
};

struct Part {
  std::string name;
  int channel = 0;  // 0..15; 9 is General MIDI's drum channel
  int program = 0;  // 0..127, General MIDI numbering less one
  int volume = 100;
  int pan = 64;
  int reverb = 40;
  std::vector<Note> notes;
};

struct Song {
  std::string title;
  int ticksPerQuarter = 480;
  int tempoBpm = 120;  // quarter notes a minute
  int beatsPerBar = 4;
  int beatUnit = 4;
  int swingPercent = 50;  // where an off-beat eighth lands within its beat
  Tick length = 0;        // where the last pattern played ends; every note is over by then
  std::vector<Part> parts;
};

// How long after its last note's release a tune's file ends: time for the
// note to die away, and no more, for the game starts the next tune where the
// file ends. Rests after the last note are not written.
inline constexpr int kEndTailMs = 400;

// How long the tune's file lasts, to its End of Track.
double DurationSeconds(const Song& song);

// Format 1: a first track with the title, meter and tempo, then one track per
// part that sets its instrument and mix before its notes. Swing is applied
// here; notes of one key that overlap on a channel are trimmed so that every
// note-on has its own note-off. Every track ends kEndTailMs after the last
// note-off of the tune.
std::string EncodeMidi(const Song& song);

}  // namespace vexlor::soundgen
