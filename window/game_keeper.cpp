#include "window/game_keeper.h"

#include <QDateTime>

#include "config/identity.h"
#include "savegame/plays_file.h"

namespace vexlor {
namespace {

QString ErrorText(const std::string& message) {
  return QString::fromStdString(ErrorBoxText(message));
}

}  // namespace

void GameKeeper::Restore() {
  store_.today = env_.today;
  if (!env_.storeFolder.empty()) store_.file = env_.storeFolder / (state_.ExeStem + ".ini");
  RestoreLiveGame(state_, store_, kCurrentGameSlot);
  playsFile_.clear();
  plays_.Clear();
  if (store_.file.empty()) return;  // nowhere to keep them: they last for this run
  PlaysLoad load = LoadPlays(PlaysFileBeside(store_.file, state_.ExeStem));
  plays_ = std::move(load.history);
  plays_.DropPlaysPast(state_.Spins);
  if (load.writable) playsFile_ = PlaysFileBeside(store_.file, state_.ExeStem);
  if (!load.problem.isEmpty()) env_.error(ErrorText(load.problem.toStdString()));
}

bool GameKeeper::StoreCurrentGame(bool reportFailure) {
  if (store_.file.empty()) return true;  // said at start-up: the game plays on unstored
  try {
    // The plays go first: once the game is stored, nothing of its save is
    // still being written. A play the store then misses is dropped at start-up.
    const bool playsStored = StorePlayHistory();
    StoreLiveGame(state_, store_, kCurrentGameSlot, kCurrentGameName);
    if (!playsStored) ReportPlaysRefused();  // reached only when the game itself is stored
    return true;
  } catch (const StoreWriteError& error) {
    if (reportFailure) env_.error(ErrorText(error.what()));
    return false;
  }
}

void GameKeeper::AutoSave() {
  if (state_.StopRequested) return;
  if (!StoreCurrentGame(!autoSaveFailed_)) autoSaveFailed_ = true;
}

void GameKeeper::ReelsStarted() {
  playOpening_ = OpenPlay(state_);
}

void GameKeeper::GameSettled() {
  if (playOpening_) {  // a spin settled, not a new game
    plays_.Add(SettlePlay(*playOpening_, state_, QDateTime::currentSecsSinceEpoch()));
    playOpening_.reset();
    playsChanged_ = true;
  }
  AutoSave();
}

void GameKeeper::NewGame() {
  plays_.Clear();
  playsChanged_ = true;
}

void GameKeeper::GameOpened(const QString& name) {
  plays_.GameOpened(name.toStdString());
  playsChanged_ = true;
}

bool GameKeeper::StorePlayHistory() {
  if (playsFile_.empty() || !playsChanged_) return true;
  if (!StorePlays(playsFile_, plays_)) return false;
  playsChanged_ = false;
  return true;
}

void GameKeeper::ReportPlaysRefused() {
  if (playsWriteFailed_) return;
  playsWriteFailed_ = true;  // the game itself is stored, and play goes on
  env_.error(ErrorText("Unable to write to " + playsFile_.filename().string()));
}

}  // namespace vexlor
