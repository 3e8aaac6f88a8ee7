// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's right column: how the bonus round opens, the rules of a spin,
// and what the badges on the symbols do.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"
#include "assets/art/paychart_common.h"
#include "engine/bonus_prizes.h"
#include "engine/game_state.h"

namespace vexlor::art::chart {
namespace {

using namespace cabinet;

// The notes state the game's numbers in words; they must change with it.
static_assert(kBonusPointsForRound == 12 && kPrizeCount == 5 && kMaxHoldsPerSpin == 2);
static_assert(std::ranges::min(kBonusPrizeValues) == 1 &&
              std::ranges::max(kBonusPrizeValues) == 250);
static_assert(kLineCount == 3 && kMaxCoins == 3);

constexpr double kInset = 12;   // from a panel's side to its text
constexpr double kBullet = 13;  // from a bullet to its item's text

double TextLeft(const QRectF& panel) {
  return panel.left() + kInset;
}

double TextWidth(const QRectF& panel) {
  return panel.width() - 2 * kInset;
}

// A small gold diamond before an item, its middle on the item's first line.
void DrawBullet(QPainter& p, QPointF middle) {
  p.fillPath(Diamond(middle, 4), Gold(middle + QPointF(0, -4), middle + QPointF(0, 4)));
}

}  // namespace

void DrawBonusNote(QPainter& p) {
  const QRectF panel = kBonusPanel;
  DrawPanel(p, panel);
  // The meter's lit top frame, as the machine shows it when the round opens.
  constexpr double kMeterScale = 0.8;
  const QPointF meterAt(panel.left() + kInset - 2, panel.center().y() - 59 * kMeterScale / 2);
  p.save();
  p.translate(meterAt);
  p.scale(kMeterScale, kMeterScale);
  p.setClipPath(Rounded(QRectF(0.5, 0.5, 77, 58), 10));
  DrawMeterFrame(p, 0);
  p.restore();
  const double left = meterAt.x() + 78 * kMeterScale + 12;
  Flow(p,
       QStringLiteral("Fill the bonus meter up to its top lamp (*12 bonus points*) to open "
                      "the ~BONUS ROUND~: pick one of five tokens for *1 to 250 credits*."),
       QPointF(left, panel.top() + 25), panel.right() - kInset - left, BodyText());
}

void DrawRules(QPainter& p) {
  const QRectF panel = kRulesPanel;
  DrawPanel(p, panel);
  DrawHeading(p, QStringLiteral("HOW TO WIN"), QPointF(panel.center().x(), panel.top() + 21));
  static const char* const kItems[] = {
      "*Three of a kind* on a lit payline wins.",
      "Each coin lights one payline: *1 coin* the middle line, *2* adds the top, *3* adds the "
      "bottom.",
      "The ~WILD~ globe substitutes for any symbol.",
      "Several paylines may win at once.",
      "After a spin that pays nothing you may *hold* up to two reels for the next spin (the "
      "HOLD buttons or keys *1*, *2*, *3*).",
  };
  const TextStyle style = BodyText();
  double baseline = panel.top() + 46;
  for (const char* item : kItems) {
    DrawBullet(p, QPointF(TextLeft(panel) + 3, baseline - 5));
    baseline = Flow(p, QString::fromUtf8(item), QPointF(TextLeft(panel) + kBullet, baseline),
                    TextWidth(panel) - kBullet, style) +
               4;
  }
}

void DrawBadgeKey(QPainter& p, const QImage& sheet) {
  const QRectF panel = kBadgesPanel;
  DrawPanel(p, panel);
  DrawHeading(p, QStringLiteral("BADGES"), QPointF(panel.center().x(), panel.top() + 21));
  struct Key {
    std::initializer_list<int> cells;
    const char* text;
  };
  static const Key kKeys[] = {
      {{15, 14, 13}, "*1*, *2*, *3* add that many bonus points"},
      {{11}, "*H* adds a hold to your Holds counter"},
      {{9}, "*X* knocks the bonus meter back to 0"},
  };
  constexpr double kCell = 42;
  constexpr double kGap = 6;
  const TextStyle style = BodyText();
  double top = panel.top() + 36;
  for (const Key& key : kKeys) {
    double x = TextLeft(panel);
    for (int cell : key.cells) {
      DrawCell(p, sheet, cell, QRectF(x, top, kCell, kCell));
      x += kCell + kGap;
    }
    // The text's lines centred on the cells, by the height of their capitals.
    const QString text = QString::fromUtf8(key.text);
    const double width = panel.right() - kInset - x - 4;
    const int lines = LineCount(text, width, style);
    const double firstBaseline = top + kCell / 2 - (lines - 1) * style.leading / 2 + 5;
    Flow(p, text, QPointF(x + 4, std::round(firstBaseline)), width, style);
    top += kCell + kGap;
  }
  Flow(p, QStringLiteral("~Badges count only on a lit payline.~"),
       QPointF(TextLeft(panel), top + 13), TextWidth(panel), style);
}

}  // namespace vexlor::art::chart
