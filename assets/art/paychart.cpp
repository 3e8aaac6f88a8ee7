// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart: a reference card in the machine's colours, with its title
// over the panels of pays and notes, in a gold frame.
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "assets/art/bonus_common.h"
#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"
#include "assets/art/paychart_common.h"

namespace vexlor::art::chart {

using namespace cabinet;

namespace {

const QRectF kCard(0, 0, kWidth, kHeight);
const QRectF kFrame = kCard.adjusted(4, 4, -4, -4);
constexpr double kFrameRadius = 16;
constexpr double kTitleY = 30;

// Indigo from dark at the edges to lighter in the middle, with a magenta haze
// behind the title and fluted lines down the wall.
void DrawWall(QPainter& p) {
  p.fillRect(kCard, kRoom);
  QLinearGradient down(kFrame.topLeft(), kFrame.bottomLeft());
  down.setColorAt(0, palette::kBodyDark);
  down.setColorAt(0.45, palette::kBody);
  down.setColorAt(1, palette::kBodyDark);
  p.fillPath(Rounded(kFrame, kFrameRadius), down);
  QRadialGradient haze(QPointF(kWidth / 2.0, kTitleY), 260);
  haze.setColorAt(0, WithAlpha(palette::kMagenta, 90));
  haze.setColorAt(0.5, WithAlpha(palette::kMagenta, 26));
  haze.setColorAt(1, WithAlpha(palette::kMagenta, 0));
  p.save();
  p.setClipPath(Rounded(kFrame, kFrameRadius));
  p.setCompositionMode(QPainter::CompositionMode_Screen);
  p.fillRect(kFrame, haze);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  for (double x = 20; x < kWidth; x += 32) {
    p.fillRect(QRectF(x, 0, 1, kHeight), QColor(255, 255, 255, 8));
    p.fillRect(QRectF(x + 1, 0, 1, kHeight), QColor(0, 0, 0, 28));
  }
  p.restore();
  MetalRing(p, kFrame, kFrameRadius, 3, Gold(kFrame.topLeft(), kFrame.bottomLeft()));
}

// "PAYOFF CHART" in gold with a magenta glow, between gold bars ending in
// cyan sparkles.
void DrawTitle(QPainter& p) {
  const QPointF centre(kWidth / 2.0, kTitleY);
  const QPainterPath word =
      TextPath(QStringLiteral("PAYOFF CHART"), Font("DejaVu Serif", 30, QFont::Bold, 2), centre);
  const QRectF wb = word.boundingRect();
  GoldWord(p, word, 5, 2, 5, 1.5);
  for (double side : {-1.0, 1.0}) {
    const double inner = side < 0 ? wb.left() - 14 : wb.right() + 14;
    const double outer = side < 0 ? kPaysPanel.left() + 24 : kWidth - 40;
    const QRectF bar(std::min(inner, outer), centre.y() - 1.5, std::abs(inner - outer), 3);
    p.fillPath(Rounded(bar, 1.5), Gold(bar.topLeft(), bar.bottomLeft()));
    const QPainterPath star = bonus::Sparkle(QPointF(outer - side * 2, centre.y()), 10);
    Glow(p, star, palette::kCyan, 3, 1, QPainter::CompositionMode_Screen);
    FillOutlined(p, star, Mix(palette::kCyan, Qt::white, 0.5), QColor(0x06, 0x10, 0x20), 1.5);
  }
}

}  // namespace

void DrawPanel(QPainter& p, const QRectF& r) {
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(r.adjusted(-2, -1, 2, 4), 14), QColor(0, 0, 0, 120));
  QLinearGradient glass(r.topLeft(), r.bottomLeft());
  glass.setColorAt(0, QColor(0x1a, 0x14, 0x44));
  glass.setColorAt(std::min(1.0, 60 / r.height()), QColor(0x10, 0x0c, 0x2c));
  glass.setColorAt(1, QColor(0x08, 0x06, 0x18));
  p.fillPath(Rounded(r, 12), glass);
  MetalRing(p, r, 12, 3, Chrome(r.topLeft(), r.topRight()));
}

void DrawHeading(QPainter& p, const QString& text, QPointF centre) {
  const QPainterPath title = TextPath(text, Font("DejaVu Serif", 17, QFont::Bold, 1.2), centre);
  const QRectF tb = title.boundingRect();
  Glow(p, title, WithAlpha(palette::kGold, 120), 3, 1, QPainter::CompositionMode_Screen);
  FillOutlined(p, title, Gold(QPointF(0, tb.top() - 2), QPointF(0, tb.bottom() + 2)),
               QColor(0x20, 0x10, 0x00), 2.5);
}

void DrawCell(QPainter& p, const QImage& sheet, int cell, const QRectF& box) {
  const int scale = RenderScale::Current();
  const int side = static_cast<int>(box.width() * scale);
  const QRect from((cell % 4) * design::kCell, (cell / 4) * design::kCell, design::kCell,
                   design::kCell);
  QImage icon =
      sheet.copy(Pixels(from)).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  icon.setDevicePixelRatio(scale);
  p.fillPath(Rounded(box.adjusted(-2, -2, 2, 2), 7), Gold(box.topLeft(), box.bottomLeft()));
  ShadedSymbol(p, icon, box, 5.5);
}

}  // namespace vexlor::art::chart

namespace vexlor::art {

QImage PayoffChart() {
  const QImage sheet = SymbolSheet().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage image = cabinet::Canvas(chart::kWidth, chart::kHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  chart::DrawWall(p);
  chart::DrawTitle(p);
  chart::DrawPays(p, sheet);
  chart::DrawBonusNote(p);
  chart::DrawRules(p);
  chart::DrawBadgeKey(p, sheet);
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vexlor::art
