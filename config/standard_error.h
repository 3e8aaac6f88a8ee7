#pragma once

#include <string_view>

namespace vexlor {

// A line for the player on standard error, after the program's name:
// "vexlorslots: LINE".
void Say(std::string_view line);

// Say, unless the same line was said before in this run.
void SayOnce(std::string_view line);

}  // namespace vexlor
