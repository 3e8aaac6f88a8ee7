// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/digits.h"

#include <QPainter>
#include <QString>
#include <algorithm>

namespace vexlor {

QRect DrawNumber(QPainter& painter, const Digits& digits, int32_t value, int x, int y, bool green,
                 bool rightAligned, int room) {
  const QString text = QString::number(std::max<int32_t>(value, 0));
  const int n = static_cast<int>(text.size());
  const int cell = digits.cell.width();
  const int h = digits.cell.height();
  const int w = room > 0 && (n + 1) * cell > room ? std::max(1, room / (n + 1)) : cell;
  if (rightAligned) x -= n * w;
  const QRect painted =
      rightAligned ? QRect(x - w, y, (n + 1) * w, h) : QRect(x, y, (n + 1) * w, h);
  painter.fillRect(painted, Qt::black);
  const QImage& strip = green ? digits.green : digits.red;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, w != cell);
  for (QChar c : text) {
    painter.drawImage(QRect(x, y, w, h), strip, QRect(cell * (c.unicode() - '0'), 0, cell, h));
    x += w;
  }
  painter.restore();
  return painted;
}

}  // namespace vexlor
