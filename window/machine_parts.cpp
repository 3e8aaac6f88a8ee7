// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/machine_parts.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QTimer>
#include <algorithm>
#include <array>
#include <limits>

#include "dialogs/symbol_words.h"
#include "engine/evaluate.h"
#include "engine/holds.h"
#include "engine/reels.h"
#include "window/machine_art.h"
#include "window/machine_view.h"

namespace vexlor {
namespace {

using Control = InputRouter::Control;

constexpr const char* kContext = "vexlor::MachineParts";

// The controls by part index, kBetOne to kLever.
constexpr std::array<Control, MachineParts::kLever + 1> kControls = {
    Control::BetOne, Control::BetMax, Control::Spin,     Control::Hold0,
    Control::Hold1,  Control::Hold2,  Control::CoinSpot, Control::Lever};

QString Translated(const char* text) {
  return QCoreApplication::translate(kContext, text);
}

QString ButtonName(int index) {
  static constexpr std::array<const char*, kControls.size()> kNames = {
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Bet One"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Bet 3"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Spin"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Hold left reel"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Hold middle reel"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Hold right reel"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Coin slot"),
      QT_TRANSLATE_NOOP("vexlor::MachineParts", "Lever")};
  return Translated(kNames.at(static_cast<std::size_t>(index)));
}

QStringList KeysOf(Control control) {
  const auto names = [](std::initializer_list<Qt::Key> keys) {
    QStringList list;
    for (const Qt::Key key : keys)
      list << QKeySequence(key).toString(QKeySequence::NativeText);
    return list;
  };
  switch (control) {
    case Control::BetOne:
    case Control::CoinSpot:
      return names({Qt::Key_B});
    case Control::BetMax:
      return names({Qt::Key_M});
    case Control::Spin:
    case Control::Lever:
      return names({Qt::Key_Return, Qt::Key_Space});
    case Control::Hold0:
    case Control::Hold1:
    case Control::Hold2:
      return names({static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(control) -
                                         static_cast<int>(Control::Hold0))});
    default:
      return {};
  }
}

}  // namespace

MachineParts::MachineParts(MachineView& view, const GameState& state, const PlayRunner& runner,
                           const MachineRenderer& renderer, InputRouter& input,
                           const PlayHistory& plays, const QLocale& locale)
    : DrawnParts(view),
      view_(view),
      state_(state),
      runner_(runner),
      renderer_(renderer),
      input_(input),
      plays_(plays),
      locale_(locale) {}

QString MachineParts::Title() const {
  return tr("Slot machine");
}

DrawnPart MachineParts::Part(int index) const {
  if (index <= kLever) return Button(index);
  if (index <= kMeter) return Counter(index);
  DrawnPart part;
  if (index == kReels) {
    part.name = tr("Reels");
    part.value = ReelsText();
    part.rect = OnScreen(QRect(state_.ReelLeft, state_.ReelTop,
                               2 * state_.ReelPitch + state_.CellSize, 3 * state_.CellSize));
  } else {
    part.role = QAccessible::StatusBar;
    part.name = result_;
    part.rect = OnScreen(design::kTitlePanel);
  }
  return part;
}

DrawnPart MachineParts::Button(int index) const {
  const Control control = kControls.at(static_cast<std::size_t>(index));
  DrawnPart part;
  part.role = QAccessible::Button;
  part.name = ButtonName(index);
  part.description = InputRouter::ToolTip(control);
  part.keys = KeysOf(control);
  part.enabled = runner_.TakesInput();
  if (index >= kHold0 && index <= kHold2) {
    const int reel = index - kHold0;
    part.enabled = part.enabled && CanPlaceHold(state_);
    part.checked = state_.ReelHeld[static_cast<std::size_t>(reel)];
    part.rect = OnScreen(design::kHoldButtons[static_cast<std::size_t>(reel)]);
  } else if (index == kCoinSpot) {
    part.rect = OnScreen(design::kCoinSpot);
  } else if (index == kLever) {
    part.rect = OnScreen(design::kLeverBounds);
  } else {
    // The buttons' places by their ids Bet One, Bet Max, Spin.
    part.rect = OnScreen(design::kButtons[static_cast<std::size_t>(index - kBetOne)]);
  }
  return part;
}

DrawnPart MachineParts::Counter(int index) const {
  constexpr double kLargest = std::numeric_limits<int32_t>::max();
  struct Shown {
    QString name;
    int32_t value;
    double maximum;
    design::Rect place;
  };
  const Shown shown = [&]() -> Shown {
    switch (index) {
      case kCoins:
        return {tr("Coins"), state_.CoinsBet, kMaxCoins, design::kCoinsPlace};
      case kHolds:
        return {tr("Holds"), state_.Nudges, kLargest, design::kHoldsPlace};
      case kWinnings:
        return {tr("Winnings"), renderer_.ShownWinnings(), kLargest, design::kWinningsPlace};
      case kCredits:
        return {tr("Credits"), state_.Credits, kLargest, design::kCreditsPlace};
      default:
        return {tr("Bonus meter"), state_.BonusPts, kBonusPointsForRound, design::kBonusMeterBox};
    }
  }();
  DrawnPart part;
  part.name = shown.name;
  part.value = index == kMeter
                   ? tr("%1 of %2 points").arg(Count(shown.value), Count(kBonusPointsForRound))
                   : Count(shown.value);
  part.number = shown.value;
  part.maximum = shown.maximum;
  part.rect = OnScreen(shown.place);
  return part;
}

void MachineParts::Press(int index) {
  if (index < 0 || index > kLever) return;
  input_.Press(kControls.at(static_cast<std::size_t>(index)));
  Update();
}

void MachineParts::Update() {
  if (runner_.InProgress()) {
    // The buttons' states follow from the event loop: a play that ends at
    // once (a coin put in) never shows them disabled.
    if (statesQueued_) return;
    statesQueued_ = true;
    QTimer::singleShot(0, this, [this] {
      statesQueued_ = false;
      if (runner_.InProgress()) SendChanges(false);
    });
    return;
  }
  SendChanges(true);
  if (!spun_) return;
  spun_ = false;
  if (state_.StopRequested) return;  // the machine is closing
  result_ = ResultText();
  Announce(kResult);
}

QRect MachineParts::OnScreen(const design::Rect& area) const {
  return OnScreen(Scaled(renderer_.Art().layoutWidth, area));
}

QRect MachineParts::OnScreen(const QRect& machine) const {
  const QRect inView(view_.ToView(machine.topLeft()), view_.ToView(machine.bottomRight()));
  return QRect(view_.mapToGlobal(inView.topLeft()), inView.size());
}

QString MachineParts::Count(int64_t value) const {
  return CountText(locale_, value);
}

QString MachineParts::ReelsText() const {
  // The lines of the bet in play: the coins put in, else the last bet (the
  // lines just played, which Spin plays again), else the middle line.
  const int lines =
      std::clamp(state_.CoinsBet > 0 ? state_.CoinsBet : state_.LastBet, 1, kLineCount);
  std::array<int32_t, kReelCount * 3> cells{};
  for (int row = 0; row < 3; ++row) {
    for (int reel = 0; reel < kReelCount; ++reel)
      cells[static_cast<std::size_t>(row * kReelCount + reel)] =
          SheetIndex(state_, reel, RowPosition(state_.ReelStop[reel], static_cast<Row>(row)));
  }
  return WindowWords(cells, lines);
}

QString MachineParts::ResultText() const {
  if (plays_.plays.empty()) return {};
  const Play& play = plays_.plays.back();
  QStringList said;
  for (int line = 0; line < kLineCount; ++line) {
    if (play.linesWon[static_cast<std::size_t>(line)])
      said << tr("%1 pays %2.").arg(LineWords(line), Count(LinePayOf(state_, line)));
  }
  if (play.bonusPrize > 0) said << tr("Bonus round pays %1.").arg(Count(play.bonusPrize));
  if (said.isEmpty()) return tr("No win.");
  said << tr("Credits %1.").arg(Count(state_.Credits));
  return said.join(QLatin1Char(' '));
}

}  // namespace vexlor
