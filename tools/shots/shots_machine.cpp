// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <initializer_list>

#include "bonus/token_layout.h"
#include "bonus/unit2.h"
#include "engine/machine_geometry.h"
#include "savegame/plays.h"
#include "savegame/store.h"
#include "tools/shots/shots.h"
#include "window/artwork.h"

namespace vexlor::shots {
namespace {

constexpr int kMaxSpins = 200;
constexpr int kPickedToken = 3;  // the middle token of the row
constexpr int kRoundFrame = 12;  // how much of the gilded frame round the round's picture shows
constexpr int kCropMargin = 6;   // of the cabinet round a part of the machine

// A design rectangle of the machine in the pixels of its layout.
QRect Area(TForm1& form, int left, int top, int right, int bottom) {
  const MachineRenderer& r = form.Renderer();
  return QRect(QPoint(r.Scale(left), r.Scale(top)),
               QPoint(r.Scale(right) - 1, r.Scale(bottom) - 1));
}

// The smallest design rectangle round all of `parts`, `margin` wider on every
// side, within the machine.
design::Rect Around(std::initializer_list<design::Rect> parts, int margin) {
  design::Rect around = *parts.begin();
  for (const design::Rect& part : parts) {
    around = {std::min(around.left, part.left), std::min(around.top, part.top),
              std::max(around.right, part.right), std::max(around.bottom, part.bottom)};
  }
  return {std::max(around.left - margin, 0), std::max(around.top - margin, 0),
          std::min(around.right + margin, design::kWidth),
          std::min(around.bottom + margin, design::kHeight)};
}

QRect Area(TForm1& form, const design::Rect& area) {
  return Area(form, area.left, area.top, area.right, area.bottom);
}

// The right-hand column: coin spot, bonus meter, the three buttons and the
// lever, whose knob stands higher than the coin spot: the counters left of it
// are blanked to the cabinet's colour.
QImage Controls(TForm1& form) {
  const QImage& machine = form.Surface();
  const design::Rect column =
      Around({design::kCoinSpot, design::kBonusMeterBox, design::kButtons[0], design::kButtons[1],
              design::kButtons[2], design::kLeverRegion},
             kCropMargin);
  const QRect area = Area(form, column);
  QImage controls = machine.copy(area);
  const QRect counters = Area(form, column.left, column.top, design::kLeverRegion.left,
                              design::kCoinSpot.top - kCropMargin);
  const QColor cabinet = machine.pixelColor(Area(form, design::kWidth - 4, design::kLeverRegion.top,
                                                 design::kWidth, design::kLeverRegion.top + 4)
                                                .topLeft());
  QPainter(&controls).fillRect(counters.translated(-area.topLeft()), cabinet);
  return controls;
}

// The hold buttons, the reels and the payline lamps.
QRect HoldsArea(TForm1& form) {
  return Area(form, Around({design::kHoldButtons[0], design::kHoldButtons[2], design::ReelWindow(0),
                            design::ReelWindow(2), design::kLampRows[0], design::kLampRows[1],
                            design::kLampRows[2]},
                           kCropMargin));
}

// A key on the machine, played out to the end.
void Key(TForm1& form, ShotRecord& record, int key) {
  form.FormKeyDown(key);
  PlayOut(form, record);
}

bool AnyLineWon(const GameState& state) {
  return state.LineWon[0] || state.LineWon[1] || state.LineWon[2];
}

// Bets three coins, which spins the reels, until `done` holds after a spin.
bool SpinUntil(TForm1& form, ShotRecord& record,
               const std::function<bool(const GameState&)>& done) {
  for (int spin = 0; spin < kMaxSpins; ++spin) {
    Key(form, record, Qt::Key_M);
    if (done(form.State())) return true;
  }
  return false;
}

// The round's picture with a little of its frame, at the moment it shows.
// The round is laid out in pixels and drawn in device pixels.
QImage RoundPicture(const TTrickForm& round) {
  const QImage& surface = round.Surface();
  const qreal ratio = surface.devicePixelRatio();
  const QSize window = (QSizeF(surface.size()) / ratio).toSize();
  const QPoint origin = round.PictureOrigin();
  const QRect picture = QRect(origin, window - 2 * QSize(origin.x(), origin.y()))
                            .adjusted(-kRoundFrame, -kRoundFrame, kRoundFrame, kRoundFrame);
  return surface.copy(QRect(picture.topLeft() * ratio, picture.size() * ratio));
}

// Plays every bonus round as a player would, with a click on the middle
// token; when `reveal` is given, the round is kept the moment its prize shows.
void PlayRounds(ShotRecord& record, QImage* reveal) {
  record.onStep = [reveal] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* round = qobject_cast<TTrickForm*>(window);
      if (round == nullptr || !round->isVisible() || round->Closed()) continue;
      if (round->Picked() < 0) {
        const TokenPoint& token = kTokenPos[kPickedToken];
        round->FormMouseDown(round->PictureOrigin() +
                             QPoint(token.x + kTokenWidth / 2, token.y + kTokenHeight / 2));
      } else if (reveal != nullptr && reveal->isNull() && round->RoundPrize() > 0) {
        *reveal = RoundPicture(*round);
      }
    }
  };
}

void ShootIdle(TForm1& form, Album& album) {
  const QImage& machine = form.Surface();
  album.Save(QStringLiteral("machine.png"), album.ToWidth(machine, kPageWidth));
  album.Save(QStringLiteral("counters.png"), machine.copy(Area(form, design::kCounterConsole)));
  album.Save(QStringLiteral("controls.png"), Controls(form));
}

// The five badged symbols, in the order 1, 2, 3, H, X, as the reels show them.
void ShootBadges(Album& album) {
  const int cell = design::kCell * album.Scale();
  const int gap = 6 * album.Scale();
  constexpr int kBadgedCells[] = {15, 14, 13, 11, 9};  // symbol + 8, badged
  const Picture& sheet = LoadBuiltInArtwork().symbols;
  QImage strip(5 * cell + 4 * gap, cell, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  for (int i = 0; i < 5; ++i) {
    const int badged = kBadgedCells[i];
    const QRect source((badged % 4) * design::kCell, (badged / 4) * design::kCell, design::kCell,
                       design::kCell);
    painter.drawImage(QPoint(i * (cell + gap), 0), sheet.Scaled(QSize(cell, cell), source));
  }
  painter.end();
  album.Save(QStringLiteral("badges.png"), strip);
}

void ShootWin(TForm1& form, ShotRecord& record, Album& album) {
  if (!SpinUntil(form, record, AnyLineWon)) {
    album.Fail(QStringLiteral("no winning spin in %1 spins").arg(kMaxSpins));
    return;
  }
  album.Save(QStringLiteral("win.png"), album.ToWidth(form.Surface(), kPageWidth));
}

void ShootHolds(TForm1& form, ShotRecord& record, Album& album) {
  const auto mayHold = [](const GameState& s) {
    return !AnyLineWon(s) && s.HoldsOpen && s.Nudges >= 2;
  };
  if (!SpinUntil(form, record, mayHold)) {
    album.Fail(QStringLiteral("no spin that paid nothing in %1 spins").arg(kMaxSpins));
    return;
  }
  Key(form, record, Qt::Key_1);
  Key(form, record, Qt::Key_3);
  if (!form.State().ReelHeld[0] || !form.State().ReelHeld[2]) {
    album.Fail(QStringLiteral("the keys 1 and 3 held no reels"));
    return;
  }
  album.Save(QStringLiteral("holds.png"), form.Surface().copy(HoldsArea(form)));
  Key(form, record, Qt::Key_M);  // the held spin, so the game goes on from a settled machine
}

void ShootBonusRound(TForm1& form, ShotRecord& record, Album& album) {
  QImage reveal;
  PlayRounds(record, &reveal);
  // A full meter opens the round at the end of the next spin, unless an "X"
  // on the lit line empties it first.
  for (int spin = 0; spin < kMaxSpins && reveal.isNull(); ++spin) {
    form.State().BonusPts = kBonusPointsForRound;
    Key(form, record, Qt::Key_B);
    Key(form, record, Qt::Key_Space);
  }
  PlayRounds(record, nullptr);
  if (reveal.isNull()) {
    album.Fail(QStringLiteral("no bonus round showed its prize"));
    return;
  }
  album.Save(QStringLiteral("bonus.png"), album.ToWidth(reveal, kPageWidth));
}

// Saves the game as it stands into a slot, for the slot window to show.
void Keep(TForm1& form, Album& album, int slot, const char* name) {
  try {
    StoreLiveGame(form.State(), form.Store(), slot, name);
  } catch (const StoreWriteError& error) {
    album.Fail(QString::fromUtf8(error.what()));
  }
}

// Plays on until the last plays window has a full list to show.
void PlayOn(TForm1& form, ShotRecord& record, Album& album) {
  const auto listFull = [&form](const GameState&) {
    return form.Plays().plays.size() >= kPlaysListed;
  };
  if (!SpinUntil(form, record, listFull))
    album.Fail(QStringLiteral("fewer than %1 plays in %2 spins").arg(kPlaysListed).arg(kMaxSpins));
}

}  // namespace

void ShootMachine(TForm1& form, ShotRecord& record, Album& album) {
  PlayRounds(record, nullptr);
  form.LayoutForScreen(design::kWidth * album.Scale());
  form.Timer1Timer();
  form.NewGame1Click();
  ShootIdle(form, album);
  ShootBadges(album);
  Keep(form, album, 0, "Fresh start");
  ShootWin(form, record, album);
  Keep(form, album, 1, "Friday night");
  ShootHolds(form, record, album);
  ShootBonusRound(form, record, album);
  Keep(form, album, 4, "After the bonus");
  PlayOn(form, record, album);
}

}  // namespace vexlor::shots
