#include "pictures/digits.h"

#include <QPainter>
#include <QString>
#include <algorithm>

namespace vexlor {

QRect DrawNumber(QPainter& painter, const Digits& digits, int32_t value, int x, int y, bool green,
                 bool rightAligned) {
  const QString text = QString::number(std::max<int32_t>(value, 0));
  const int n = static_cast<int>(text.size());
  const int w = digits.cell.width();
  const int h = digits.cell.height();
  if (rightAligned) x -= n * w;
  const QRect painted =
      rightAligned ? QRect(x - w, y, (n + 1) * w, h) : QRect(x, y, (n + 1) * w, h);
  painter.fillRect(painted, Qt::black);
  const QImage& strip = green ? digits.green : digits.red;
  for (QChar c : text) {
    painter.drawImage(QPoint(x, y), strip, QRect(w * (c.unicode() - '0'), 0, w, h));
    x += w;
  }
  return painted;
}

}  // namespace vexlor
