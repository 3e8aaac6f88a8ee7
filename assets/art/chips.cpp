// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow window's casino chips: a coloured body with ivory edge inserts,
// a dashed ring, and the amount on an ivory inlay.
#include <QRadialGradient>
#include <QTransform>

#include "assets/art/art.h"
#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art {
namespace {

using namespace cabinet;

constexpr int kSide = 48;
const QPointF kCentre(kSide / 2.0, kSide / 2.0);
constexpr double kRadius = 22.5;

struct ChipLook {
  QColor body;
  QColor ink;
  const char* amount;
};

ChipLook LookOf(ChipValue value) {
  switch (value) {
    case ChipValue::Thousand:
      return {QColor(0x1d, 0x4f, 0xd8), QColor(0x10, 0x2a, 0x7a), "$1,000"};
    case ChipValue::Hundred:
      return {QColor(0xd0, 0x1c, 0x2c), QColor(0x7a, 0x0a, 0x14), "$100"};
    case ChipValue::Ten:
      return {QColor(0x16, 0x9a, 0x48), QColor(0x0a, 0x50, 0x24), "$10"};
    case ChipValue::One:
      break;
  }
  return {QColor(0x22, 0x22, 0x28), QColor(0x08, 0x08, 0x0c), "$1"};
}

}  // namespace

QImage Chip(ChipValue value) {
  const ChipLook look = LookOf(value);
  QImage image = Canvas(kSide, kSide);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  // A soft shadow under the chip, then its dark rim and the body.
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(kCentre + QPointF(0.6, 1.2), kRadius, kRadius);
  p.setBrush(look.body.darker(190));
  p.drawEllipse(kCentre, kRadius, kRadius);
  QRadialGradient body(kCentre + QPointF(-6, -7), kRadius * 1.5);
  body.setColorAt(0, Mix(look.body, Qt::white, 0.3));
  body.setColorAt(0.55, look.body);
  body.setColorAt(1, look.body.darker(170));
  p.setBrush(body);
  p.drawEllipse(kCentre, kRadius - 1.2, kRadius - 1.2);
  // Six ivory inserts round the edge.
  for (int i = 0; i < 6; ++i) {
    QTransform turn;
    turn.translate(kCentre.x(), kCentre.y());
    turn.rotate(i * 60.0 + 30.0);
    p.setTransform(turn);
    p.fillPath(Rounded(QRectF(-2.6, -kRadius + 1.4, 5.2, 6.2), 1.2), QColor(0xf6, 0xf1, 0xe2));
  }
  p.resetTransform();
  // A dashed ring of the chip's colour, lighter, and the ivory inlay.
  QPen dash(Mix(look.body, Qt::white, 0.55), 1.3);
  dash.setDashPattern({2.2, 1.8});
  p.setBrush(Qt::NoBrush);
  p.setPen(dash);
  p.drawEllipse(kCentre, 15.2, 15.2);
  p.setPen(Qt::NoPen);
  QRadialGradient inlay(kCentre + QPointF(-3, -4), 16);
  inlay.setColorAt(0, QColor(0xff, 0xfc, 0xf2));
  inlay.setColorAt(1, QColor(0xe6, 0xdc, 0xc4));
  p.setBrush(inlay);
  p.drawEllipse(kCentre, 13, 13);
  const QString amount = QString::fromLatin1(look.amount);
  const double size = amount.size() > 4 ? 7.5 : (amount.size() > 3 ? 9 : 11);
  p.fillPath(TextPath(amount, Font("DejaVu Sans Condensed", size, QFont::Bold), kCentre), look.ink);
  // Gloss across the top.
  QRadialGradient gloss(kCentre + QPointF(-7, -9), 18);
  gloss.setColorAt(0, QColor(255, 255, 255, 80));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(gloss);
  p.drawEllipse(kCentre, kRadius - 1.2, kRadius - 1.2);
  p.end();
  return image;
}

}  // namespace vexlor::art
