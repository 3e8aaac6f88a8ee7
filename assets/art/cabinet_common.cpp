// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the cabinet pictures: fonts and text outlines,
// soft glows, metal gradients, rings, seats and bulbs.
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "assets/art/cabinet_common.h"
#include "assets/art/fonts.h"
#include "assets/art/palette.h"
#include "assets/art/rounded_division.h"

namespace vexlor::art::cabinet {

QImage Canvas(int width, int height, const QColor& fill) {
  const int scale = RenderScale::Current();
  QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(fill);
  return image;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QFont Font(const char* family, double pixelSize, int weight, double spacing) {
  QFont font = InstalledFont(QString::fromLatin1(family));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setHintingPreference(QFont::PreferNoHinting);
  if (spacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  return font;
}

QPainterPath TextPath(const QString& text, const QFont& font, QPointF centre) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  path.translate(centre - path.boundingRect().center());
  return path;
}

QPainterPath TextPathAt(const QString& text, const QFont& font, QPointF origin) {
  QPainterPath path;
  path.addText(origin, font, text);
  return path;
}

void FillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                  double outlineWidth) {
  if (outlineWidth > 0) {
    p.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.fillPath(path, fill);
}

namespace {

// The rounded average of a box's premultiplied channel sums.
quint32 Average(const quint32* sum, const RoundedDivision& bySpan) {
  quint32 out = 0;
  for (int k = 0; k < 4; ++k)
    out |= bySpan(sum[k]) << (8 * k);
  return out;
}

void Add(quint32* sum, quint32 c) {
  for (int k = 0; k < 4; ++k)
    sum[k] += (c >> (8 * k)) & 0xff;
}

void Subtract(quint32* sum, quint32 c) {
  for (int k = 0; k < 4; ++k)
    sum[k] -= (c >> (8 * k)) & 0xff;
}

// One box-blur pass along a row of n pixels, transparent beyond its ends.
void BoxRow(quint32* data, int n, int r, std::vector<quint32>& tmp) {
  tmp.assign(data, data + n);
  quint32 sum[4] = {0, 0, 0, 0};
  for (int i = 0; i <= std::min(r, n - 1); ++i)
    Add(sum, tmp[static_cast<size_t>(i)]);
  const RoundedDivision bySpan(static_cast<quint32>(2 * r + 1));
  for (int i = 0; i < n; ++i) {
    data[i] = Average(sum, bySpan);
    if (i + r + 1 < n) Add(sum, tmp[static_cast<size_t>(i + r + 1)]);
    if (i - r >= 0) Subtract(sum, tmp[static_cast<size_t>(i - r)]);
  }
}

// The same pass down every column at once, row after row, so that memory is
// read in order.
void BoxColumns(quint32* bits, int w, int h, int stride, int r, std::vector<quint32>& tmp,
                std::vector<quint32>& sums) {
  tmp.assign(bits, bits + static_cast<size_t>(h) * static_cast<size_t>(stride));
  sums.assign(static_cast<size_t>(w) * 4, 0);
  const auto row = [&](int y) {
    return tmp.data() + static_cast<size_t>(y) * static_cast<size_t>(stride);
  };
  for (int y = 0; y <= std::min(r, h - 1); ++y) {
    for (int x = 0; x < w; ++x)
      Add(&sums[4 * static_cast<size_t>(x)], row(y)[x]);
  }
  const RoundedDivision bySpan(static_cast<quint32>(2 * r + 1));
  for (int y = 0; y < h; ++y) {
    quint32* out = bits + static_cast<size_t>(y) * static_cast<size_t>(stride);
    for (int x = 0; x < w; ++x) {
      quint32* sum = &sums[4 * static_cast<size_t>(x)];
      out[x] = Average(sum, bySpan);
      if (y + r + 1 < h) Add(sum, row(y + r + 1)[x]);
      if (y - r >= 0) Subtract(sum, row(y - r)[x]);
    }
  }
}

}  // namespace

QImage Blurred(const QImage& image, int radius) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (radius < 1) return out;
  const int w = out.width();
  const int h = out.height();
  auto* bits = reinterpret_cast<quint32*>(out.bits());
  const int stride = static_cast<int>(out.bytesPerLine() / 4);
  std::vector<quint32> tmp;
  std::vector<quint32> sums;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y)
      BoxRow(bits + y * stride, w, radius, tmp);
    BoxColumns(bits, w, h, stride, radius, tmp, sums);
  }
  return out;
}

void Glow(QPainter& p, const QPainterPath& path, const QColor& colour, int radius, double spread,
          QPainter::CompositionMode mode) {
  const QPainterPath device = p.transform().map(path);
  const int margin = radius * 3 + static_cast<int>(std::ceil(spread)) + 2;
  const QRect box =
      device.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
  QImage layer = Canvas(box.width(), box.height());
  {
    QPainter lp(&layer);
    lp.setRenderHint(QPainter::Antialiasing);
    lp.translate(-box.topLeft());
    if (spread > 0) {
      lp.strokePath(device, QPen(colour, spread * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    lp.fillPath(device, colour);
  }
  layer = Blurred(layer, radius * RenderScale::Current());
  p.save();
  p.resetTransform();
  p.setCompositionMode(mode);
  p.drawImage(box.topLeft(), layer);
  p.restore();
}

QLinearGradient Chrome(QPointF a, QPointF b) {
  QLinearGradient g(a, b);
  g.setColorAt(0.0, palette::kChromeHigh);
  g.setColorAt(0.22, palette::kChromeMid);
  g.setColorAt(0.48, palette::kChromeLow);
  g.setColorAt(0.55, palette::kChromeMid);
  g.setColorAt(0.8, palette::kChromeHigh);
  g.setColorAt(1.0, palette::kChromeMid);
  return g;
}

QLinearGradient Gold(QPointF a, QPointF b) {
  QLinearGradient g(a, b);
  g.setColorAt(0.0, palette::kGoldHigh);
  g.setColorAt(0.3, palette::kGold);
  g.setColorAt(0.55, palette::kGoldDeep);
  g.setColorAt(0.8, palette::kGold);
  g.setColorAt(1.0, palette::kGoldHigh);
  return g;
}

QPainterPath SunburstRay(QPointF centre, int count, int i, double length) {
  const double a0 = 2 * std::numbers::pi * i / count;
  const double a1 = a0 + std::numbers::pi / count;
  QPainterPath ray;
  ray.moveTo(centre);
  ray.lineTo(centre + QPointF(std::cos(a0), std::sin(a0)) * length);
  ray.lineTo(centre + QPointF(std::cos(a1), std::sin(a1)) * length);
  ray.closeSubpath();
  return ray;
}

QPainterPath Rounded(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath Diamond(QPointF middle, double half) {
  QPainterPath diamond;
  diamond.moveTo(middle + QPointF(0, -half));
  diamond.lineTo(middle + QPointF(half, 0));
  diamond.lineTo(middle + QPointF(0, half));
  diamond.lineTo(middle + QPointF(-half, 0));
  diamond.closeSubpath();
  return diamond;
}

void GoldWord(QPainter& p, const QPainterPath& word, int glowRadius, double glowSpread,
              double outline, double drop) {
  const QRectF wb = word.boundingRect();
  Glow(p, word, palette::kMagenta, glowRadius, glowSpread, QPainter::CompositionMode_Screen);
  QLinearGradient fill(0, wb.top(), 0, wb.bottom());
  fill.setColorAt(0, QColor(255, 255, 235));
  fill.setColorAt(0.35, palette::kGoldHigh);
  fill.setColorAt(0.6, palette::kGold);
  fill.setColorAt(1, QColor(0xc2, 0x7a, 0x14));
  FillOutlined(p, word, QColor(0x2a, 0x08, 0x20), QColor(0x2a, 0x08, 0x20), outline);
  p.fillPath(word.translated(0, drop), QColor(0x40, 0x10, 0x30));
  p.fillPath(word, fill);
}

void ShadedSymbol(QPainter& p, const QImage& icon, const QRectF& box, double radius) {
  p.save();
  p.setClipPath(Rounded(box, radius));
  p.drawImage(box.topLeft(), icon);
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0.6, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0x40, 0x30, 0x10, 60));
  p.fillRect(box, shade);
  p.restore();
}

void NeonRow(QPainter& p, const QRectF& row, double radius) {
  Glow(p, Rounded(row, radius), WithAlpha(palette::kMagenta, 90), 3, 1,
       QPainter::CompositionMode_Screen);
  p.fillPath(Rounded(row, radius), QColor(0x3a, 0x10, 0x48));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kMagenta, 1.5));
  p.drawPath(Rounded(row.adjusted(0.75, 0.75, -0.75, -0.75), radius - 1));
  p.setPen(Qt::NoPen);
}

void MetalRing(QPainter& p, const QRectF& outer, double radius, double width, const QBrush& brush) {
  const QRectF inner = outer.adjusted(width, width, -width, -width);
  const double innerRadius = std::max(0.0, radius - width);
  const QPainterPath ring = Rounded(outer, radius).subtracted(Rounded(inner, innerRadius));
  p.fillPath(ring, brush);
  // A light rim on the outside, a dark lip where the ring meets the inside.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawPath(Rounded(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius));
  p.setPen(QPen(QColor(0, 0, 0, 150), 1));
  p.drawPath(Rounded(inner.adjusted(-0.5, -0.5, 0.5, 0.5), innerRadius + 0.5));
}

void Seat(QPainter& p, const QRectF& r, double radius) {
  p.fillPath(Rounded(r, radius), kSeat);
  // The inner shadow: darker along the top, a faint light along the bottom edge.
  QLinearGradient shade(r.topLeft(), r.bottomLeft());
  shade.setColorAt(0, QColor(0, 0, 0, 200));
  shade.setColorAt(std::min(0.5, 6.0 / r.height()), QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillPath(Rounded(r, radius), shade);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(r.left() + radius, r.bottom() - 0.5),
             QPointF(r.right() - radius, r.bottom() - 0.5));
}

void Bulb(QPainter& p, QPointF centre, double radius, const QColor& colour, bool lit) {
  QRadialGradient g(centre + QPointF(-radius * 0.3, -radius * 0.35), radius * 1.35);
  if (lit) {
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.3, colour.lighter(150));
    g.setColorAt(0.75, colour);
    g.setColorAt(1, colour.darker(170));
  } else {
    g.setColorAt(0, colour.darker(130));
    g.setColorAt(0.5, colour.darker(330));
    g.setColorAt(1, colour.darker(600));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  // The glass highlight.
  QRadialGradient spec(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.45);
  spec.setColorAt(0, QColor(255, 255, 255, lit ? 230 : 150));
  spec.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(spec);
  p.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.45, radius * 0.45);
}

}  // namespace vexlor::art::cabinet
