#pragma once

#include <span>
#include <string>

namespace vexlor {

// What is wrong with a Standard MIDI File's structure: its header chunk, and
// track chunks that lie within the file, as many as the header declares, each
// holding events that the player reads without a fault (see midi.cpp). Empty
// when the file is sound enough to hand to the player; the player drops a
// file it cannot read, and the tune would end at once without a word.
std::string MidiProblem(std::span<const unsigned char> bytes);

}  // namespace vexlor
