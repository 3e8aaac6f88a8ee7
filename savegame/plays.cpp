// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/plays.h"

#include <algorithm>
#include <limits>

#include "engine/evaluate.h"
#include "engine/reels.h"

namespace vexlor {
namespace {

constexpr std::array<Row, 3> kRowsDownward = {Row::Top, Row::Middle, Row::Bottom};

// The lit rows' badges: whether an "X" wiped the meter, else the points gained.
struct BonusTally {
  bool wiped = false;
  int32_t gained = 0;
};

BonusTally TallyBonus(const GameState& settled, int32_t coins) {
  BonusTally tally;
  for (int line = 0; line < std::min(coins, kLineCount); ++line) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      const auto cell = SpecialCellAt(reel, RowPosition(settled.ReelStop[reel], LineRow(line)));
      if (!cell) continue;
      if (cell->effect == CellEffect::WipeBonus) tally.wiped = true;
      if (cell->effect == CellEffect::BonusPoints) tally.gained += cell->points;
    }
  }
  return tally;
}

}  // namespace

std::array<int32_t, kReelCount * 3> CellsAtStops(const std::array<int32_t, kReelCount>& stops) {
  std::array<int32_t, kReelCount * 3> cells{};
  for (std::size_t row = 0; row < kRowsDownward.size(); ++row) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      const int32_t position = RowPosition(stops[reel], kRowsDownward[row]);
      const int symbol = kReelStrips[reel][static_cast<std::size_t>(position - 1)] - '0';
      cells[row * kReelCount + reel] = SpecialCellAt(reel, position) ? symbol + 8 : symbol;
    }
  }
  return cells;
}

PlayOpening OpenPlay(const GameState& running) {
  PlayOpening opening;
  opening.coins = running.CoinsBet;
  opening.credits = running.Credits;
  opening.bonusPts = running.BonusPts;
  opening.nudges = running.Nudges;
  opening.holdsUsed =
      static_cast<int32_t>(std::count(running.ReelHeld.begin(), running.ReelHeld.end(), true));
  return opening;
}

Play SettlePlay(const PlayOpening& opening, const GameState& settled, int64_t time) {
  Play play;
  play.time = time;
  play.spin = settled.Spins;
  play.coins = opening.coins;
  play.stops = settled.ReelStop;
  for (std::size_t row = 0; row < kRowsDownward.size(); ++row) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      play.cells[row * kReelCount + reel] =
          SheetIndex(settled, reel, RowPosition(settled.ReelStop[reel], kRowsDownward[row]));
    }
  }
  play.linesWon = settled.LineWon;
  // What was credited: the line pay first, then a round's prize, each as far
  // as the Credits counter could take them.
  const int64_t credited = static_cast<int64_t>(settled.Credits) - opening.credits;
  play.linePay =
      static_cast<int32_t>(std::clamp<int64_t>(credited, 0, LinesPay(settled, opening.coins)));
  play.holdsUsed = opening.holdsUsed;
  play.holdsGained = std::max(0, settled.Nudges - opening.nudges);
  play.bonusBefore = opening.bonusPts;
  play.bonusAfter = settled.BonusPts;
  // The meter runs a round whenever it stands at 12 or more after the spin's points.
  const BonusTally tally = TallyBonus(settled, opening.coins);
  play.bonusRound =
      !tally.wiped && SaturatingAdd(opening.bonusPts, tally.gained) >= kBonusPointsForRound;
  // The round's prize is counted into the credits after the line pay.
  const int64_t rest = static_cast<int64_t>(settled.Credits) - opening.credits - play.linePay;
  play.bonusPrize =
      play.bonusRound
          ? static_cast<int32_t>(std::clamp<int64_t>(rest, 0, std::numeric_limits<int32_t>::max()))
          : 0;
  play.credits = settled.Credits;
  return play;
}

bool IsPossiblePlay(const Play& play) {
  const auto within = [](int64_t value, int64_t low, int64_t high) {
    return value >= low && value <= high;
  };
  if (!within(play.coins, 1, kMaxCoins) || play.time < 0) return false;
  for (int32_t stop : play.stops) {
    if (!within(stop, 1, kStripLength)) return false;
  }
  for (int line = play.coins; line < kLineCount; ++line) {
    if (play.linesWon[static_cast<std::size_t>(line)]) return false;  // an unlit line never wins
  }
  return play.cells == CellsAtStops(play.stops) && play.linePay >= 0 &&
         within(play.holdsUsed, 0, kMaxHoldsPerSpin) && within(play.holdsGained, 0, 1) &&
         play.bonusPrize >= 0 && (play.bonusRound || play.bonusPrize == 0);
}

void PlayHistory::Add(const Play& play) {
  if (!openedSince.empty()) Clear();  // the opened game's own list begins
  plays.push_back(play);
  while (plays.size() > kPlaysKept)
    plays.pop_front();
}

void PlayHistory::GameOpened(const std::string& name) {
  if (!plays.empty()) openedSince = name.empty() ? std::string("another game") : name;
}

void PlayHistory::DropPlaysPast(int32_t spins) {
  if (!openedSince.empty()) return;  // the plays of another game
  while (!plays.empty() && plays.back().spin > spins)
    plays.pop_back();
}

void PlayHistory::Clear() {
  plays.clear();
  openedSince.clear();
}

}  // namespace vexlor
