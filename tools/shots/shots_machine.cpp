#include <QApplication>
#include <QPainter>

#include "bonus/token_layout.h"
#include "bonus/unit2.h"
#include "engine/machine_geometry.h"
#include "savegame/store.h"
#include "tools/shots/shots.h"
#include "window/artwork.h"

namespace vexlor::shots {
namespace {

constexpr int kMaxSpins = 200;
constexpr int kPickedToken = 3;  // the middle token of the row
constexpr int kRoundFrame = 12;  // how much of the gilded frame round the round's picture shows

// A design rectangle of the machine in the pixels of its layout.
QRect Area(TForm1& form, int left, int top, int right, int bottom) {
  const MachineRenderer& r = form.Renderer();
  return QRect(QPoint(r.Scale(left), r.Scale(top)),
               QPoint(r.Scale(right) - 1, r.Scale(bottom) - 1));
}

// The right-hand column: coin spot, bonus meter, the three buttons and the
// lever, whose knob stands higher than the coin spot: the counters left of it
// are blanked to the cabinet's colour.
QImage Controls(TForm1& form) {
  const QImage& machine = form.Surface();
  const QRect area = Area(form, design::kCoinSpot.left + 6, design::kLeverRegion.top,
                          design::kWidth, design::kButtons[1].bottom + 8);
  QImage controls = Cropped(machine, area);
  const QRect counters = Area(form, design::kCoinSpot.left + 6, design::kLeverRegion.top,
                              design::kLeverRegion.left, design::kCoinSpot.top - 6);
  const QColor cabinet = machine.pixelColor(Area(form, design::kWidth - 4, design::kLeverRegion.top,
                                                 design::kWidth, design::kLeverRegion.top + 4)
                                                .topLeft());
  QPainter(&controls).fillRect(counters.translated(-area.topLeft()), cabinet);
  return controls;
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
QImage RoundPicture(const TTrickForm& round) {
  const QImage& surface = round.Surface();
  const QPoint origin = round.PictureOrigin();
  const QRect picture(origin,
                      QSize(surface.width() - 2 * origin.x(), surface.height() - 2 * origin.y()));
  return surface.copy(picture.adjusted(-kRoundFrame, -kRoundFrame, kRoundFrame, kRoundFrame));
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
  album.Save(QStringLiteral("machine.png"), ScaledToWidth(machine, kPageWidth));
  const design::Rect console = design::kCounterConsole;
  album.Save(QStringLiteral("counters.png"), Cropped(machine, Area(form, console.left, console.top,
                                                                   console.right, console.bottom)));
  album.Save(QStringLiteral("controls.png"), Controls(form));
}

// The five badged symbols, in the order 1, 2, 3, H, X, as the reels show them.
void ShootBadges(Album& album) {
  constexpr int kCell = design::kCell;
  constexpr int kGap = 6;
  constexpr int kBadgedCells[] = {15, 14, 13, 11, 9};  // symbol + 8, badged
  const QImage sheet = LoadBuiltInArtwork().symbols.Image();
  QImage strip(5 * kCell + 4 * kGap, kCell, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  for (int i = 0; i < 5; ++i) {
    const int cell = kBadgedCells[i];
    const QRect source((cell % 4) * kCell, (cell / 4) * kCell, kCell, kCell);
    painter.drawImage(QPoint(i * (kCell + kGap), 0), sheet, source);
  }
  painter.end();
  album.Save(QStringLiteral("badges.png"), strip);
}

void ShootWin(TForm1& form, ShotRecord& record, Album& album) {
  if (!SpinUntil(form, record, AnyLineWon)) {
    album.Fail(QStringLiteral("no winning spin in %1 spins").arg(kMaxSpins));
    return;
  }
  album.Save(QStringLiteral("win.png"), ScaledToWidth(form.Surface(), kPageWidth));
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
  // The hold buttons, the reels and the payline lamps.
  album.Save(QStringLiteral("holds.png"), Cropped(form.Surface(), Area(form, 232, 238, 568, 506)));
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
  album.Save(QStringLiteral("bonus.png"), ScaledToWidth(reveal, kPageWidth));
}

// Saves the game as it stands into a slot, for the slot window to show.
void Keep(TForm1& form, Album& album, int slot, const char* name) {
  try {
    StoreLiveGame(form.State(), form.Store(), slot, name);
  } catch (const StoreWriteError& error) {
    album.Fail(QString::fromUtf8(error.what()));
  }
}

}  // namespace

void ShootMachine(TForm1& form, ShotRecord& record, Album& album) {
  PlayRounds(record, nullptr);
  form.LayoutForScreen(design::kWidth);
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
}

}  // namespace vexlor::shots
