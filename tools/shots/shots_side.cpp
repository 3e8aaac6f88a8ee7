#include <QDialog>
#include <QPixmap>

#include "dialogs/borrow.h"
#include "dialogs/payoffs.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "tools/shots/shots.h"
#include "window/artwork.h"

namespace vexlor::shots {
namespace {

// The window's inside, as the player sees it, without the desktop's frame.
QImage Grab(QDialog& dialog) {
  dialog.show();
  QImage image = dialog.grab().toImage();
  dialog.hide();
  return ScaledToWidth(image, std::min(image.width(), kPageWidth));
}

void ShootSlots(TForm1& form, const SideEnvironment& side, Album& album) {
  form.State().SlotDialogMode = 0;  // Open Game
  TLoadSave dialog(form.State(), form.Store(), side, &form);
  if (!dialog.FormCreate()) {
    album.Fail(QStringLiteral("the slot window could not park the game"));
    return;
  }
  album.Save(QStringLiteral("slots.png"), Grab(dialog));
  dialog.reject();  // the live game comes back as it was
}

void ShootBorrow(TForm1& form, const SideEnvironment& side, Album& album) {
  TBorrowC dialog(form.State(), side, LoadBuiltInArtwork().chips, form.Renderer().Art().digits, 1,
                  &form);
  album.Save(QStringLiteral("borrow.png"), Grab(dialog));
}

void ShootStats(TForm1& form, const SideEnvironment& side, Album& album) {
  TStatsForm dialog(form.State(), side, &form);
  album.Save(QStringLiteral("stats.png"), Grab(dialog));
}

void ShootPaychart(TForm1& form, const SideEnvironment& side, Album& album) {
  TPaychart dialog(form.State().AppDir, side, 1, QSize(), &form);
  album.Save(QStringLiteral("paychart.png"), Grab(dialog));
}

}  // namespace

void ShootSideWindows(TForm1& form, const std::shared_ptr<ShotRecord>& record, Album& album) {
  const SideEnvironment side = ShotSideEnvironment(record);
  ShootSlots(form, side, album);
  ShootBorrow(form, side, album);
  ShootStats(form, side, album);
  ShootPaychart(form, side, album);
}

}  // namespace vexlor::shots
