#pragma once

#include <span>
#include <string>

namespace vexlor {

// What is wrong with a Standard MIDI File's structure: its header chunk, and
// track chunks that lie within the file, as many as the header declares.
// Empty when the file is sound enough to hand to the player.
std::string MidiProblem(std::span<const unsigned char> bytes);

}  // namespace vexlor
