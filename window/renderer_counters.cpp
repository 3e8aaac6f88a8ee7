#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "window/layout.h"
#include "window/renderer.h"

namespace vexlor {
namespace {

constexpr int kMeterFrameWidth = 78;
constexpr int kMeterFrameHeight = 59;
constexpr DesignRect kWinningsBlank{330, 38, 450, 70};

}  // namespace

QRect DrawNumber(QPainter& painter, const MachineArt& art, int32_t value, int x, int y, bool green,
                 bool rightAligned) {
  const QString text = QString::number(std::max<int32_t>(value, 0));
  const int n = static_cast<int>(text.size());
  const int w = art.digitCell.width();
  const int h = art.digitCell.height();
  if (rightAligned) x -= n * w;
  const QRect painted =
      rightAligned ? QRect(x - w, y, (n + 1) * w, h) : QRect(x, y, (n + 1) * w, h);
  painter.fillRect(painted, Qt::black);
  const QImage& strip = green ? art.digitsGreen : art.digitsRed;
  for (QChar c : text) {
    painter.drawImage(QPoint(x, y), strip, QRect(w * (c.unicode() - '0'), 0, w, h));
    x += w;
  }
  return painted;
}

void MachineRenderer::DrawCounter(Counter counter, int32_t value, int x, bool green,
                                  bool rightAligned) {
  QRect painted;
  {
    QPainter painter(&surface_);
    // Whatever the counter showed before is cleared first, so a number that
    // loses several digits at once leaves none of them behind.
    painter.fillRect(counterExtent_[counter], Qt::black);
    painted = DrawNumber(painter, art_, value, x, Scale(38), green, rightAligned);
  }
  Dirty(painted.united(counterExtent_[counter]));
  counterExtent_[counter] = painted;
}

void MachineRenderer::DrawCredits() {
  DrawCounter(kCredits, state_.Credits, Scale(620), true, true);
}

void MachineRenderer::DrawCoins() {
  const QRect blank = Scaled(art_.layoutWidth, kWinningsBlank).united(counterExtent_[kWinnings]);
  {
    QPainter painter(&surface_);
    painter.fillRect(blank, Qt::black);  // a change of the bet clears the last win shown
  }
  Dirty(blank);
  counterExtent_[kWinnings] = QRect();
  DrawCounter(kCoins, state_.CoinsBet, Scale(250), true, false);
}

void MachineRenderer::DrawHolds() {
  DrawCounter(kHolds, state_.Nudges, Scale(330), false, true);
}

void MachineRenderer::DrawWinnings(int32_t value) {
  DrawCounter(kWinnings, value, Scale(440), false, true);
}

void MachineRenderer::DrawLabel(QPainter& painter, const QString& text, int x, bool rightEnd) {
  const QFontMetrics metrics(labelFont_);
  const int left = rightEnd ? x - metrics.horizontalAdvance(text) : x;
  const QRect box(left, Scale(24), metrics.horizontalAdvance(text), metrics.height());
  painter.drawText(QPoint(left, Scale(24) + metrics.ascent()), text);
  Dirty(box);
}

void MachineRenderer::DrawLabels() {
  QPainter painter(&surface_);
  painter.setFont(labelFont_);
  painter.setPen(Qt::white);
  DrawLabel(painter, QStringLiteral("Credits"), Scale(620), true);
  DrawLabel(painter, QStringLiteral("Coins"), Scale(250), false);
  DrawLabel(painter, QStringLiteral("Holds"), Scale(302), false);
  DrawLabel(painter, QStringLiteral("Winnings"), Scale(440), true);
}

void MachineRenderer::DrawWinningsLabel() {
  QPainter painter(&surface_);
  painter.setFont(labelFont_);
  painter.setPen(Qt::white);
  DrawLabel(painter, QStringLiteral("Winnings"), Scale(440), true);
}

void MachineRenderer::DrawBonusMeter() {
  // A stored count outside the meter's range is drawn, and kept, at its nearest end.
  state_.BonusPts = std::clamp(state_.BonusPts, 0, kBonusPointsForRound);
  const int frame = kBonusPointsForRound - state_.BonusPts;
  const QRect source(0, kMeterFrameHeight * frame, kMeterFrameWidth, kMeterFrameHeight);
  const QRect box = Scaled(art_.layoutWidth, kBonusMeterBox);
  QRect target = box;
  if (art_.layoutWidth >= kDesignWidth) {
    target = QRect(box.left() + (box.width() - kMeterFrameWidth) / 2,
                   box.top() + (box.height() - kMeterFrameHeight) / 2, kMeterFrameWidth,
                   kMeterFrameHeight);
  }
  {
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, art_.meterStrip, source);
  }
  Dirty(target);
}

}  // namespace vexlor
