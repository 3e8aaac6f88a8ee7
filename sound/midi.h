// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <optional>
#include <span>
#include <string>

namespace vexlor {

// What is wrong with a Standard MIDI File's structure: its header chunk, and
// track chunks that lie within the file, as many as the header declares, each
// holding events that the player reads without a fault (see midi.cpp). Empty
// when the file is sound enough to hand to the player; the player drops a
// file it cannot read, and the tune would end at once without a word.
std::string MidiProblem(std::span<const unsigned char> bytes);

// When the player has played the last event of a sound file, in seconds from
// its start: the latest end of its tracks (their End of Track, or their last
// event), timed by the tempo changes of all tracks (120 beats a minute before
// the first). Nothing when MidiProblem finds a fault.
std::optional<double> MidiEndSeconds(std::span<const unsigned char> bytes);

// The programs a sound file's channels choose, 0 among them (where every
// channel starts), read as far as MidiProblem finds no fault.
std::bitset<128> MidiPrograms(std::span<const unsigned char> bytes);

}  // namespace vexlor
