#include <QDateTime>

#include "config/identity.h"
#include "dialogs/last_plays.h"
#include "window/plays_file.h"
#include "window/unit1.h"

namespace vexlor {

void TForm1::LoadPlayHistory() {
  playsFile_.clear();
  plays_.Clear();
  if (store_.file.empty()) return;  // nowhere to keep them: they last for this run
  PlaysLoad load = LoadPlays(PlaysFileBeside(store_.file, state_.ExeStem));
  plays_ = std::move(load.history);
  plays_.DropPlaysPast(state_.Spins);
  if (load.writable) playsFile_ = PlaysFileBeside(store_.file, state_.ExeStem);
  if (!load.problem.isEmpty())
    env_.error(QString::fromStdString(ErrorBoxText(load.problem.toStdString())));
}

void TForm1::NotePlayOpening() {
  if (state_.SpinInProgress && !playOpening_) playOpening_ = OpenPlay(state_);
}

void TForm1::RecordPlay() {
  if (!playOpening_) return;  // a new game settled, not a spin
  plays_.Add(SettlePlay(*playOpening_, state_, QDateTime::currentSecsSinceEpoch()));
  playOpening_.reset();
  playsChanged_ = true;
}

bool TForm1::StorePlayHistory() {
  if (playsFile_.empty() || !playsChanged_) return true;
  if (!StorePlays(playsFile_, plays_)) return false;
  playsChanged_ = false;
  return true;
}

void TForm1::ReportPlaysRefused() {
  if (playsWriteFailed_) return;
  playsWriteFailed_ = true;  // the game itself is stored, and play goes on
  env_.error(
      QString::fromStdString(ErrorBoxText("Unable to write to " + playsFile_.filename().string())));
}

void TForm1::LastPlays1Click() {
  const QMargins frame = env_.frameMargins ? env_.frameMargins(*this) : QMargins();
  const QSize room = env_.availableGeometry.size().shrunkBy(frame);
  TLastPlays dialog(plays_, artwork_.symbols, SideEnv(), env_.devicePixelRatio, room, this);
  dialog.exec();
}

}  // namespace vexlor
