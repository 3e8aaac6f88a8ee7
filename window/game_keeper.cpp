// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/game_keeper.h"

#include <QCoreApplication>
#include <QDateTime>

#include "config/identity.h"
#include "config/profile.h"
#include "config/standard_error.h"
#include "savegame/kept_store.h"
#include "savegame/plays_file.h"
#include "window/message_text.h"

namespace vexlor {
namespace {

QString ErrorText(const std::string& message) {
  return QString::fromStdString(ErrorBoxText(message));
}

}  // namespace

void GameKeeper::Restore() {
  store_.today = env_.today;
  store_.file = StoreFile(env_);
  // No save of this store runs now: what killed saves left is removed.
  if (!store_.file.empty()) {
    RemoveStaleProfileTemporaries(store_.file, true);
    RemoveStaleProfileTemporaries(PlaysFileBeside(store_.file, state_.ExeStem), true);
  }
  KeepAsideUnwritableStore();
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

void GameKeeper::KeepAsideUnwritableStore() {
  const auto kept = vexlor::KeepAsideUnwritableStore(
      store_,
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString());
  if (!kept) return;
  const std::string name = store_.file.filename().string();
  const std::string keptName = kept->kept.filename().string();
  const QString text =
      kept->renewed
          ? QCoreApplication::translate("Message",
                                        "%1 could not be rewritten without losing part of it: "
                                        "%2. It is kept whole as %3, and the games it held are "
                                        "in a new %1")
          : QCoreApplication::translate("Message",
                                        "%1 could not be rewritten without losing part of it: "
                                        "%2. It is kept whole as %3; a new %1 could not be "
                                        "written either, so games cannot be stored until there "
                                        "is room");
  env_.error(ErrorText(text.arg(QString::fromStdString(name),
                                TranslatedMessage(QString::fromStdString(kept->why)),
                                QString::fromStdString(keptName))
                           .toStdString()));
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
  // Said when saves begin to fail: again after any save that worked.
  autoSaveFailed_ = !StoreCurrentGame(!autoSaveFailed_);
}

bool GameKeeper::Rescue() {
  const std::string name =
      store_.file.filename().string() + ".rescued-" +
      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
  for (const std::filesystem::path& folder : {store_.file.parent_path(), env_.stateFolder}) {
    if (folder.empty()) continue;
    const GameStore rescue{folder / name, store_.today};
    try {
      StoreLiveGame(state_, rescue, kCurrentGameSlot, kCurrentGameName);
      std::error_code ignored;  // no other writer will ever lock a rescue file
      std::filesystem::remove(rescue.file.string() + ".lock", ignored);
      Say("the game could not be stored in " + store_.file.string() + "; it is kept whole in " +
          rescue.file.string());
      return true;
    } catch (const StoreWriteError&) {
    }
  }
  Say(QCoreApplication::translate("Message",
                                  "the game could not be stored anywhere: Credits %1, Borrowed %2, "
                                  "Spins %3, TotalBets %4, BonusWon %5, BonusPts %6, Nudges %7")
          .arg(state_.Credits)
          .arg(state_.Borrowed)
          .arg(state_.Spins)
          .arg(state_.TotalBets)
          .arg(state_.BonusWon)
          .arg(state_.BonusPts)
          .arg(state_.Nudges)
          .toStdString());
  return false;
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
  playsWriteFailed_ = false;  // a later refusal is said again
  return true;
}

void GameKeeper::ReportPlaysRefused() {
  if (playsWriteFailed_) return;
  playsWriteFailed_ = true;  // the game itself is stored, and play goes on
  env_.error(ErrorText("Unable to write to " + playsFile_.filename().string()));
}

}  // namespace vexlor
