#include "dialogs/borrow.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "window/unit1.h"

namespace vexlor {

SideEnvironment TForm1::SideEnv() {
  SideEnvironment side;
  side.information = env_.information;
  side.error = env_.error;
  side.help = [this](int context) { ShowHelp(context); };
  side.locale = env_.locale;
  return side;
}

std::optional<QString> TForm1::OpenSlots(int mode) {
  state_.SlotDialogMode = mode;
  TLoadSave dialog(state_, store_, SideEnv(), this);
  if (!dialog.FormCreate()) return std::nullopt;
  dialog.exec();
  return dialog.Opened();
}

void TForm1::OpenGame1Click() {
  if (!MayRun(Command::OpenGame)) return;
  if (const std::optional<QString> opened = OpenSlots(0)) {
    plays_.GameOpened(opened->toStdString());
    playsChanged_ = true;
  }
  renderer_.FormPaint();  // the opened game's counters at once
  AutoSave();
}

void TForm1::SaveGame1Click() {
  OpenSlots(1);
}

void TForm1::Borrow1Click() {
  if (!MayRun(Command::Borrow)) return;
  {
    TBorrowC dialog(state_, SideEnv(), artwork_.chips, renderer_.Art().digits,
                    env_.devicePixelRatio, this);
    dialog.exec();
  }
  renderer_.FormPaint();
  AutoSave();
}

void TForm1::Stats1Click() {
  TStatsForm dialog(state_, SideEnv(), this);
  dialog.exec();
}

}  // namespace vexlor
