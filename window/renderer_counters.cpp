// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "window/layout.h"
#include "window/renderer.h"

namespace vexlor {
void MachineRenderer::DrawCounter(Counter counter, int32_t value, int x, bool green,
                                  bool rightAligned, int room) {
  QRect painted;
  {
    QPainter painter(&surface_);
    // Whatever the counter showed before is cleared first, so a number that
    // loses several digits at once leaves none of them behind.
    painter.fillRect(counterExtent_[counter], Qt::black);
    painted = DrawNumber(painter, art_.digits, value, x, Scale(design::kCounterTop), green,
                         rightAligned, room);
  }
  Dirty(painted.united(counterExtent_[counter]));
  counterExtent_[counter] = painted;
}

void MachineRenderer::DrawCounter(Counter counter, const design::Counter& place, int32_t value) {
  DrawCounter(counter, value, Scale(place.x), place.green, place.rightAligned, Scale(place.room));
}

void MachineRenderer::DrawCredits() {
  DrawCounter(kCredits, design::kCreditsCounter, state_.Credits);
}

void MachineRenderer::DrawCoins() {
  // A change of the bet clears the last win shown. On the built-in machine the
  // blank is the LED window's own black, which is as high as the digits.
  QRect blank = Scaled(art_.layoutWidth, design::kWinningsBlank);
  blank.setBottom(
      std::max(blank.bottom(), Scale(design::kCounterTop) + art_.digits.cell.height() - 1));
  blank = blank.united(counterExtent_[kWinnings]);
  {
    QPainter painter(&surface_);
    if (art_.ledWindows) {
      background_.Draw(painter, blank);
    } else {
      painter.fillRect(blank, Qt::black);
    }
  }
  Dirty(blank);
  counterExtent_[kWinnings] = QRect();
  shownWinnings_ = 0;
  DrawCounter(kCoins, design::kCoinsCounter, state_.CoinsBet);
}

void MachineRenderer::DrawHolds() {
  DrawCounter(kHolds, design::kHoldsCounter, state_.Nudges);
}

void MachineRenderer::DrawWinnings(int32_t value) {
  shownWinnings_ = value;
  DrawCounter(kWinnings, design::kWinningsCounter, value);
}

void MachineRenderer::DrawLabel(const design::Label& label) {
  // Part of the machine's face, like its painted words: the same in every
  // language, and sized for the never-scaled label font at 800 pixels.
  const QString text = QString::fromLatin1(label.text);
  const QFontMetrics metrics(labelFont_);
  const int width = metrics.horizontalAdvance(text);
  const int x = Scale(label.x);
  const int left = label.rightEnd ? x - width : x;
  const int top = Scale(design::kLabelTop);
  // The text goes onto its own piece of the background each time, so drawing
  // a label again leaves every pixel as it was. A pixel of margin takes in the
  // anti-aliased edges.
  const QRect box =
      QRect(left, top, width, metrics.height()).adjusted(-1, -1, 1, 1).intersected(surface_.rect());
  QPainter painter(&surface_);
  background_.Draw(painter, box);
  painter.setFont(labelFont_);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(left, top + metrics.ascent()), text);
  Dirty(box);
}

void MachineRenderer::DrawLabels() {
  for (const design::Label& label :
       {design::kCreditsLabel, design::kCoinsLabel, design::kHoldsLabel, design::kWinningsLabel}) {
    DrawLabel(label);
  }
}

void MachineRenderer::DrawWinningsLabel() {
  DrawLabel(design::kWinningsLabel);
}

QRect MachineRenderer::MeterPlace() const {
  // Below 800 the frames are squeezed into the box; from 800 on they keep their size in its middle.
  const QRect box = Scaled(art_.layoutWidth, design::kBonusMeterBox);
  if (art_.layoutWidth < kDesignWidth) return box;
  const QSize size = art_.meterFrame;
  return QRect(box.left() + (box.width() - size.width()) / 2,
               box.top() + (box.height() - size.height()) / 2, size.width(), size.height());
}

void MachineRenderer::DrawBonusMeter() {
  // A count outside the meter's range is drawn at its nearest end.
  const int frame = kBonusPointsForRound - std::clamp(state_.BonusPts, 0, kBonusPointsForRound);
  const QSize size = art_.meterFrame;
  const QRect source(QPoint(0, size.height() * frame), size);
  const QRect target = MeterPlace();
  {
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, art_.meterStrip, source);
  }
  Dirty(target);
}

}  // namespace vexlor
