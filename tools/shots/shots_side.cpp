// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDateTime>
#include <QDialog>

#include "dialogs/borrow.h"
#include "dialogs/last_plays.h"
#include "dialogs/payoffs.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "tools/shots/shots.h"
#include "window/artwork.h"

namespace vexlor::shots {
namespace {

// The window's inside, as the player sees it on a screen of the album's
// scale, without the desktop's frame.
QImage Grab(QDialog& dialog, const Album& album) {
  const int scale = album.Scale();
  dialog.show();
  QImage image(dialog.size() * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  dialog.render(&image);
  dialog.hide();
  return album.ToWidth(image, kPageWidth);
}

void ShootSlots(TForm1& form, const SideEnvironment& side, Album& album) {
  form.State().SlotDialogMode = 0;  // Open Game
  TLoadSave dialog(form.State(), form.Store(), side, &form);
  if (!dialog.FormCreate()) {
    album.Fail(QStringLiteral("the slot window could not park the game"));
    return;
  }
  album.Save(QStringLiteral("slots.png"), Grab(dialog, album));
  dialog.reject();  // the live game comes back as it was
}

void ShootBorrow(TForm1& form, const SideEnvironment& side, Album& album) {
  TBorrowC dialog(form.State(), side, LoadBuiltInArtwork().chips, form.Renderer().Art().digits,
                  album.Scale(), &form);
  album.Save(QStringLiteral("borrow.png"), Grab(dialog, album));
}

void ShootStats(TForm1& form, const SideEnvironment& side, Album& album) {
  TStatsForm dialog(form.State(), side, &form);
  album.Save(QStringLiteral("stats.png"), Grab(dialog, album));
}

void ShootPaychart(TForm1& form, const SideEnvironment& side, Album& album) {
  TPaychart dialog(form.State().AppDir, side, album.Scale(), QSize(), &form);
  album.Save(QStringLiteral("paychart.png"), Grab(dialog, album));
}

// The plays with the times of an evening's session, today from 20:15 with a
// spin every 40 seconds: the picture does not change with the time it is taken.
PlayHistory SessionPlays(const PlayHistory& played) {
  constexpr int64_t kSecondsApart = 40;
  PlayHistory session = played;
  int64_t time = QDateTime(QDate::currentDate(), QTime(20, 15)).toSecsSinceEpoch();
  for (Play& play : session.plays) {
    play.time = time;
    time += kSecondsApart;
  }
  return session;
}

void ShootLastPlays(TForm1& form, const SideEnvironment& side, Album& album) {
  TLastPlays dialog(SessionPlays(form.Plays()), LoadBuiltInArtwork().symbols, side, album.Scale(),
                    QSize(), &form);
  album.Save(QStringLiteral("lastplays.png"), Grab(dialog, album));
}

}  // namespace

void ShootSideWindows(TForm1& form, const std::shared_ptr<ShotRecord>& record, Album& album) {
  const SideEnvironment side = ShotSideEnvironment(record);
  ShootSlots(form, side, album);
  ShootBorrow(form, side, album);
  ShootStats(form, side, album);
  ShootPaychart(form, side, album);
  ShootLastPlays(form, side, album);
}

}  // namespace vexlor::shots
