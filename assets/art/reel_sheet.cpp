// SPDX-License-Identifier: GPL-3.0-or-later
// The symbol sheet and the motion blur of a spinning reel.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <array>

#include "assets/art/art.h"
#include "assets/art/memo.h"
#include "assets/art/palette.h"
#include "assets/art/reel_draw.h"

namespace vexlor::art {

namespace reel {

namespace {

struct BadgeLook {
  QColor light, mid, dark, ink;
};

BadgeLook LookOf(const QString& text) {
  if (text == "X")
    return {QColor(0xff, 0x8a, 0x7a), QColor(0xe8, 0x1c, 0x22), QColor(0x86, 0, 0x0c), Qt::white};
  if (text == "H")
    return {QColor(0x8c, 0xb4, 0xff), QColor(0x2a, 0x5c, 0xf0), QColor(0x0c, 0x20, 0x86),
            Qt::white};
  return {palette::kGoldHigh, palette::kGold, palette::kGoldDeep, palette::kBodyDark};
}

// A round enamel badge with a white rim, in the upper-right corner.
void DrawBadge(QPainter& p, const QString& text) {
  const BadgeLook look = LookOf(text);
  const QPointF c(79, 21);
  const double r = 16;
  p.save();
  p.setPen(QPen(QColor(0x30, 0x2a, 0x40), 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(c, r, r);
  QRadialGradient face(c, r * 0.86, c + QPointF(-5, -6));
  face.setColorAt(0, look.light);
  face.setColorAt(0.55, look.mid);
  face.setColorAt(1, look.dark);
  p.setPen(Qt::NoPen);
  p.setBrush(face);
  p.drawEllipse(c, r * 0.84, r * 0.84);
  QPainterPath disc;
  disc.addEllipse(c, r * 0.84, r * 0.84);
  const QPainterPath glyph =
      FittedText(text, "DejaVu Sans", QRectF(c.x() - 9, c.y() - 9.5, 18, 18.5));
  p.setPen(QPen(WithAlpha(look.dark, 160), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(look.ink);
  p.drawPath(glyph.translated(0, 0.8));
  p.setPen(Qt::NoPen);
  p.drawPath(glyph);
  Sheen(p, disc, QRectF(c.x() - 11, c.y() - 14, 18, 11), 150);
  p.restore();
}

void DrawSymbol(QPainter& p, int symbol) {
  using Draw = void (*)(QPainter&);
  static constexpr std::array<Draw, 8> kDraw = {DrawGlobe, DrawDiamond, DrawBell,   DrawStar,
                                                DrawBar,   DrawClover,  DrawGrapes, DrawCherries};
  p.save();
  kDraw[static_cast<size_t>(symbol)](p);
  p.restore();
}

// The shadow the drawn layer casts on the reel strip: offset, softened, indigo.
QImage ShadowOf(const QImage& layer, QPointF offset, int blur) {
  QImage shadow(layer.size(), QImage::Format_ARGB32_Premultiplied);
  shadow.fill(Qt::transparent);
  QPainter p(&shadow);
  p.drawImage(offset, layer);
  p.setCompositionMode(QPainter::CompositionMode_SourceIn);
  p.fillRect(shadow.rect(), WithAlpha(palette::kBodyDark, 90));
  p.end();
  BoxBlur(shadow, blur, blur);
  return shadow;
}

}  // namespace

QImage RenderCell(int symbol, const QString& badge) {
  const int scale = RenderScale::Current();
  const int pixels = kCell * scale;
  // Masters have pixels enough of their own to need less supersampling.
  const int size = pixels * std::max(2, kSuper / scale);
  QImage layer(size, size, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kBox, size / kBox);
    DrawSymbol(p, symbol);
    if (!badge.isEmpty()) DrawBadge(p, badge);
  }
  const double unit = size / kBox;
  const QImage shadow = ShadowOf(layer, QPointF(1.6 * unit, 2.6 * unit), static_cast<int>(unit));
  QImage cell =
      CellBackgroundImage(size, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&cell);
  p.drawImage(0, 0, shadow);
  p.drawImage(0, 0, layer);
  p.end();
  QImage out = cell.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
  out.setDevicePixelRatio(scale);
  return out;
}

}  // namespace reel

namespace {

// An RGB32 picture of width x height listed pixels at the render scale.
QImage RgbPicture(int width, int height) {
  const int scale = RenderScale::Current();
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace

QImage SymbolSheet() {
  static Memo sheets;
  return sheets.Get(0, [] {
    static const std::array<const char*, 8> kBadges = {"", "X", "", "H", "", "3", "2", "1"};
    QImage sheet = RgbPicture(4 * reel::kCell, 4 * reel::kCell);
    QPainter p(&sheet);
    for (int k = 0; k < 16; ++k) {
      const QString badge = k < 8 ? QString() : QString(kBadges[static_cast<size_t>(k - 8)]);
      p.drawImage((k % 4) * reel::kCell, (k / 4) * reel::kCell, reel::RenderCell(k % 8, badge));
    }
    p.end();
    return sheet;
  });
}

QImage MotionBlur() {
  static constexpr std::array<int, 6> kOrder = {3, 5, 2, 6, 1, 7};
  const int scale = RenderScale::Current();
  const int size = reel::kCell * scale;
  // The symbols without badges, from the sheet.
  const QImage sheet = SymbolSheet();
  QImage strip = RgbPicture(reel::kCell + 1, 6 * reel::kCell);
  QPainter p(&strip);
  for (int i = 0; i < 6; ++i) {
    const int symbol = kOrder[static_cast<size_t>(i)];
    const QImage cell = sheet.copy((symbol % 4) * size, (symbol / 4) * size, size, size);
    p.drawImage(0, i * reel::kCell, cell);
    // The column right of the cell repeats its last one.
    p.drawImage(QRect(reel::kCell, i * reel::kCell, 1, reel::kCell),
                cell.copy(cell.width() - 1, 0, 1, cell.height()));
  }
  p.end();
  reel::BoxBlur(strip, 0, 20 * scale, true, 2);
  reel::Intensify(strip, reel::CellBackgroundImage(strip.width(), 1), 1.3);
  return strip;
}

}  // namespace vexlor::art
