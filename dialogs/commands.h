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
// round). The menus stay live, but a command that changes the game's counters
// or puts another game in its place waits: a win would otherwise be paid into
// another game, or credits changed under the count-up.
constexpr bool RunsDuringSpin(Command command) {
  return command != Command::NewGame && command != Command::OpenGame && command != Command::Borrow;
}

}  // namespace vexlor
