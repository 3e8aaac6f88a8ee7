// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vexlor {

// A line for the player on standard error, after the program's name:
// "vexlorslots: LINE".
void Say(std::string_view line);

// Puts every later line of Say into the player's language.
void SetSayTranslation(std::function<std::string(std::string_view)> translate);
// The translation set, or an empty function.
const std::function<std::string(std::string_view)>& SayTranslation();

// Say, unless the same line was said before in this run.
void SayOnce(std::string_view line);

}  // namespace vexlor
