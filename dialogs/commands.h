// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vexlor {

// The commands of the main window's menus.
enum class Command {
  NewGame,
  OpenGame,
  SaveGame,
  LastPlays,
  Exit,
  Sound,
  Music,
  Borrow,
  Stats,
  Payoffs,
  Version,
  Manual,
  WebLink,
  CompanyInformation,
};

// Whether a command may act while a spin runs (its reels, count-up or bonus
// round). The menus stay live, but a command that changes or stores the
// game's counters, or puts another game in its place, waits: a win would
// otherwise be paid into another game, credits changed under the count-up, or
// a slot saved with the bet taken and the win not yet counted.
constexpr bool RunsDuringSpin(Command command) {
  return command != Command::NewGame && command != Command::OpenGame &&
         command != Command::SaveGame && command != Command::Borrow;
}

}  // namespace vexlor
