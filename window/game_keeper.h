// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/game_state.h"
#include "savegame/plays.h"
#include "savegame/store.h"
#include "window/environment.h"

namespace vexlor {

// Keeps the game on disk: the current game in the store, after every settled
// spin and new game (autosave) and at the close, and the last plays beside it.
class GameKeeper {
 public:
  GameKeeper(GameState& state, const WindowEnvironment& env) : state_(state), env_(env) {}

  // Start-up: the store's place, the current game and the plays of it.
  void Restore();
  const GameStore& Store() const { return store_; }
  const PlayHistory& Plays() const { return plays_; }

  // Stores the live game as the current game; a refusal is shown when asked.
  bool StoreCurrentGame(bool reportFailure = true);
  // After a settled spin or a new game; a refusal is shown when saves begin
  // to fail. A close on its way stores the game itself.
  void AutoSave();
  // Writes the live game, which the store refused, whole to a rescue file,
  // STORE.rescued-YYYYMMDD-HHMMSS beside the store or in the state folder
  // when that refuses too, and says where on standard error. False when no
  // place took it; the game's counters are then said there instead.
  bool Rescue();

  // What the reels of a spin start from, kept until it settles.
  void ReelsStarted();
  // A spin, or a new game, has settled: its play is kept and the game stored.
  void GameSettled();
  // A new game begins a new list of plays.
  void NewGame();
  // Another saved game became the live game.
  void GameOpened(const QString& name);

 private:
  // A store that cannot be rewritten without loss is set aside, said once.
  void KeepAsideUnwritableStore();
  bool StorePlayHistory();
  void ReportPlaysRefused();

  GameState& state_;
  const WindowEnvironment& env_;
  GameStore store_;
  bool autoSaveFailed_ = false;
  PlayHistory plays_;
  std::optional<PlayOpening> playOpening_;  // of the spin running
  std::filesystem::path playsFile_;         // empty: plays are not kept on disk
  bool playsChanged_ = false;
  bool playsWriteFailed_ = false;
};

}  // namespace vexlor
