// SPDX-License-Identifier: GPL-3.0-or-later
// The pay table on the left of the machine: three of a kind on a lit line,
// with the symbols taken from the symbol sheet.
#include <QRadialGradient>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

const QRectF kTable(QPointF(design::kPayTable.left, design::kPayTable.top),
                    QPointF(design::kPayTable.right, design::kPayTable.bottom));
constexpr int kPays[8] = {2500, 50, 20, 18, 14, 12, 10, 5};
constexpr int kIcon = 30;

void Icon(QPainter& p, const QImage& icon, QPointF at) {
  const QRectF cell(at, QSizeF(kIcon, kIcon));
  p.fillPath(Rounded(cell.adjusted(-1.5, -1.5, 1.5, 1.5), 5),
             Gold(cell.topLeft(), cell.bottomLeft()));
  ShadedSymbol(p, icon, cell, 4);
}

}  // namespace

void DrawPayTable(QPainter& p) {
  // The panel: dark glass in a chrome frame.
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(kTable.adjusted(-3, -3, 3, 3), 16), QColor(0, 0, 0, 140));
  QLinearGradient glass(kTable.topLeft(), kTable.bottomLeft());
  glass.setColorAt(0, QColor(0x1a, 0x14, 0x44));
  glass.setColorAt(0.3, QColor(0x10, 0x0c, 0x2c));
  glass.setColorAt(1, QColor(0x08, 0x06, 0x18));
  p.fillPath(Rounded(kTable, 14), glass);
  MetalRing(p, kTable, 14, 4, Chrome(kTable.topLeft(), kTable.topRight()));
  // Header: PAY TABLE in gold, with a line of explanation under it.
  const QPointF head(kTable.center().x(), 142);
  const QPainterPath title =
      TextPath(QStringLiteral("PAY TABLE"), Font("DejaVu Serif", 21, QFont::Bold, 1.5), head);
  Glow(p, title, WithAlpha(palette::kGold, 140), 4, 1, QPainter::CompositionMode_Screen);
  FillOutlined(p, title, Gold(QPointF(0, 132), QPointF(0, 152)), QColor(0x20, 0x10, 0x00), 3);
  FillOutlined(
      p,
      TextPath(QStringLiteral("THREE ON A LIT LINE PAY"),
               Font("DejaVu Sans Condensed", 10, QFont::Bold, 0.8), QPointF(head.x(), 163)),
      palette::kCyan, QColor(0, 0, 0), 2);
  const QImage sheet = SymbolSheet().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int k = 0; k < 8; ++k) {
    const double top = design::kPayRowTop + k * design::kPayRowHeight;
    const QRectF row(kTable.left() + design::kPayRowInset, top,
                     kTable.width() - 2 * design::kPayRowInset,
                     design::kPayRowHeight - design::kPayRowGap);
    if (k == 0) {
      // The jackpot row stands out: a magenta neon frame.
      NeonRow(p, row, 8);
    } else if (k % 2 == 1) {
      p.fillPath(Rounded(row, 8), QColor(255, 255, 255, 14));
    }
    const int cell = design::kCell;
    const int scale = RenderScale::Current();
    const QImage icon =
        sheet.copy(Pixels(QRect((k % 4) * cell, (k / 4) * cell, cell, cell)))
            .scaled(kIcon * scale, kIcon * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double iconTop = row.center().y() - kIcon / 2.0;
    for (int i = 0; i < 3; ++i)
      Icon(p, icon, QPointF(row.left() + 5 + i * 34, iconTop));
    const QFont font = Font("DejaVu Sans Condensed", k == 0 ? 21 : 20, QFont::Black);
    QPainterPath amount;
    amount.addText(0, 0, font, QString::number(kPays[k]));
    const QRectF ab = amount.boundingRect();
    amount.translate(row.right() - 6 - ab.right(), row.center().y() - ab.center().y());
    if (k == 0) {
      Glow(p, amount, palette::kGold, 3, 1, QPainter::CompositionMode_Screen);
    }
    const QRectF at = amount.boundingRect();
    QLinearGradient fill(0, at.top(), 0, at.bottom());
    fill.setColorAt(0, k == 0 ? QColor(255, 255, 255) : palette::kGoldHigh);
    fill.setColorAt(1, palette::kGold);
    FillOutlined(p, amount, fill, QColor(0x18, 0x0a, 0x00), 3);
  }
}

}  // namespace vexlor::art::cabinet
