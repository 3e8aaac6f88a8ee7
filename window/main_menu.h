// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include "dialogs/commands.h"
#include "engine/game_state.h"

class QAction;
class QMenuBar;

namespace vexlor {

class TForm1;

// The machine window's menu bar: its menus and items, each calling the
// window's handler of its name, and which of them may act now.
class MainMenu {
 public:
  // Builds the menus, in the bar's palette; the manual item's caption follows
  // the game's identity.
  void Build(QMenuBar& bar, TForm1& form, const GameState& state);
  QAction* Action(Command command) const { return commands_.at(command); }
  // Greys the commands that wait while a spin runs, and back.
  void Update(bool spinInProgress);

 private:
  std::map<Command, QAction*> commands_;  // owned by the menu bar
};

}  // namespace vexlor
