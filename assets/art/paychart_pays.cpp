// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's left panel: the eight three-of-a-kind wins, three cells of the
// symbol and its multiplier on each row, the three WILD globes at the top.
#include <QTransform>
#include <algorithm>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"
#include "assets/art/paychart_common.h"

namespace vexlor::art::chart {
namespace {

using namespace cabinet;

constexpr int kPays[8] = {2500, 50, 20, 18, 14, 12, 10, 5};
constexpr double kHeadingY = 78;
constexpr double kRowsTop = 93;
constexpr double kRowPitch = 61;
constexpr double kRowHeight = 55;
constexpr double kIcon = 45;
constexpr double kIconGap = 4;

QRectF Row(int k) {
  return {kPaysPanel.left() + 8, kRowsTop + k * kRowPitch, kPaysPanel.width() - 16, kRowHeight};
}

void DrawRowBack(QPainter& p, const QRectF& row, bool jackpot) {
  if (jackpot) {
    // The jackpot row stands out: a magenta neon frame.
    NeonRow(p, row, 9);
  } else {
    p.fillPath(Rounded(row, 9), QColor(255, 255, 255, 12));
  }
}

// "X" and the multiplier in `room`, right-aligned: the X in neon cyan, the
// number in gold. A multiplier too wide for the room is drawn narrower.
void DrawMultiplier(QPainter& p, const QRectF& room, int pay, bool jackpot) {
  const QFont font = Font("DejaVu Sans Condensed", 26, QFont::Black);
  QPainterPath number;
  number.addText(0, 0, font, QString::number(pay));
  QPainterPath times;
  times.addText(0, 0, font, QStringLiteral("X"));
  times.translate(number.boundingRect().left() - 1.5 - times.boundingRect().right(), 0);
  const QRectF whole = number.boundingRect().united(times.boundingRect());
  const double squeeze = std::min(1.0, room.width() / whole.width());
  QTransform place;
  place.translate(room.right(), room.center().y());
  place.scale(squeeze, squeeze);
  place.translate(-whole.right(), -whole.center().y());
  number = place.map(number);
  times = place.map(times);
  if (jackpot) Glow(p, number, palette::kGold, 3, 1, QPainter::CompositionMode_Screen);
  Glow(p, times, WithAlpha(palette::kCyan, 150), 2, 0.5, QPainter::CompositionMode_Screen);
  FillOutlined(p, times, Mix(palette::kCyan, Qt::white, 0.45), QColor(0x02, 0x10, 0x20), 3);
  const QRectF at = number.boundingRect();
  QLinearGradient fill(0, at.top(), 0, at.bottom());
  fill.setColorAt(0, jackpot ? QColor(255, 255, 255) : palette::kGoldHigh);
  fill.setColorAt(1, palette::kGold);
  FillOutlined(p, number, fill, QColor(0x18, 0x0a, 0x00), 3);
}

}  // namespace

void DrawPays(QPainter& p, const QImage& sheet) {
  DrawPanel(p, kPaysPanel);
  DrawHeading(p, QStringLiteral("THREE OF A KIND"), QPointF(kPaysPanel.center().x(), kHeadingY));
  for (int k = 0; k < 8; ++k) {
    const QRectF row = Row(k);
    DrawRowBack(p, row, k == 0);
    QRectF box(row.left() + 7, row.top() + (kRowHeight - kIcon) / 2, kIcon, kIcon);
    for (int i = 0; i < 3; ++i) {
      DrawCell(p, sheet, k, box);
      box.translate(kIcon + kIconGap, 0);
    }
    const double roomLeft = box.left() + 8 - kIconGap;
    DrawMultiplier(p, QRectF(roomLeft, row.top(), row.right() - 9 - roomLeft, row.height()),
                   kPays[k], k == 0);
  }
}

}  // namespace vexlor::art::chart
