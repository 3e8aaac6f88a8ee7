// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/art/reel_draw.h"

#include <QFont>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assets/art/fonts.h"
#include "assets/art/palette.h"
#include "assets/art/rounded_division.h"

namespace vexlor::art::reel {

namespace {

// Where sample i of a line of n falls: wrapped around or clamped to the ends.
int Index(int i, int n, bool wrap) {
  return wrap ? ((i % n) + n) % n : std::clamp(i, 0, n - 1);
}

void Add(std::uint32_t* sum, QRgb c) {
  sum[0] += static_cast<std::uint32_t>(qRed(c));
  sum[1] += static_cast<std::uint32_t>(qGreen(c));
  sum[2] += static_cast<std::uint32_t>(qBlue(c));
  sum[3] += static_cast<std::uint32_t>(qAlpha(c));
}

void Subtract(std::uint32_t* sum, QRgb c) {
  sum[0] -= static_cast<std::uint32_t>(qRed(c));
  sum[1] -= static_cast<std::uint32_t>(qGreen(c));
  sum[2] -= static_cast<std::uint32_t>(qBlue(c));
  sum[3] -= static_cast<std::uint32_t>(qAlpha(c));
}

QRgb Average(const std::uint32_t* sum, const RoundedDivision& bySpan) {
  return qRgba(static_cast<int>(bySpan(sum[0])), static_cast<int>(bySpan(sum[1])),
               static_cast<int>(bySpan(sum[2])), static_cast<int>(bySpan(sum[3])));
}

// One box pass along a row of n pixels, its ends clamped.
void BoxRow(QRgb* data, int n, int r, std::vector<QRgb>& line) {
  line.assign(data, data + n);
  const auto at = [&](int i) { return line[static_cast<size_t>(Index(i, n, false))]; };
  std::uint32_t sum[4] = {0, 0, 0, 0};
  for (int i = -r; i <= r; ++i)
    Add(sum, at(i));
  const RoundedDivision bySpan(static_cast<std::uint32_t>(2 * r + 1));
  for (int i = 0; i < n; ++i) {
    data[i] = Average(sum, bySpan);
    Subtract(sum, at(i - r));
    Add(sum, at(i + r + 1));
  }
}

// The same pass down every column at once, row after row, so that memory is
// read in order.
void BoxColumns(QRgb* bits, int w, int h, int stride, int r, bool wrap, std::vector<QRgb>& copy,
                std::vector<std::uint32_t>& sums) {
  copy.assign(bits, bits + static_cast<size_t>(h) * static_cast<size_t>(stride));
  const auto row = [&](int y) {
    return copy.data() + static_cast<size_t>(Index(y, h, wrap)) * static_cast<size_t>(stride);
  };
  sums.assign(static_cast<size_t>(w) * 4, 0);
  for (int y = -r; y <= r; ++y) {
    for (int x = 0; x < w; ++x)
      Add(&sums[4 * static_cast<size_t>(x)], row(y)[x]);
  }
  const RoundedDivision bySpan(static_cast<std::uint32_t>(2 * r + 1));
  for (int y = 0; y < h; ++y) {
    QRgb* out = bits + static_cast<size_t>(y) * static_cast<size_t>(stride);
    const QRgb* leaving = row(y - r);
    const QRgb* coming = row(y + r + 1);
    for (int x = 0; x < w; ++x) {
      std::uint32_t* sum = &sums[4 * static_cast<size_t>(x)];
      out[x] = Average(sum, bySpan);
      Subtract(sum, leaving[x]);
      Add(sum, coming[x]);
    }
  }
}

}  // namespace

QColor Mix(const QColor& a, const QColor& b, double t) {
  const auto lerp = [t](double x, double y) { return x + (y - x) * t; };
  return QColor::fromRgbF(static_cast<float>(lerp(a.redF(), b.redF())),
                          static_cast<float>(lerp(a.greenF(), b.greenF())),
                          static_cast<float>(lerp(a.blueF(), b.blueF())),
                          static_cast<float>(lerp(a.alphaF(), b.alphaF())));
}

QColor WithAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

void BoxBlur(QImage& image, int radiusX, int radiusY, bool wrapY, int passes) {
  std::vector<QRgb> copy;
  std::vector<std::uint32_t> sums;
  const int w = image.width();
  const int h = image.height();
  const int stride = static_cast<int>(image.bytesPerLine() / 4);
  QRgb* bits = reinterpret_cast<QRgb*>(image.bits());
  for (int pass = 0; pass < passes; ++pass) {
    if (radiusX > 0) {
      for (int y = 0; y < h; ++y)
        BoxRow(bits + y * stride, w, radiusX, copy);
    }
    if (radiusY > 0) BoxColumns(bits, w, h, stride, radiusY, wrapY, copy, sums);
  }
}

QColor CellBackground(double x) {
  const double d = std::abs(x - 0.5) * 2;
  return Mix(palette::kIvory, palette::kIvoryShade, 0.38 * d * d * d);
}

QImage CellBackgroundImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int x = 0; x < width; ++x) {
    const QRgb c = CellBackground((x + 0.5) / width).rgb();
    for (int y = 0; y < height; ++y)
      image.setPixel(x, y, c);
  }
  return image;
}

void Intensify(QImage& image, const QImage& background, double factor) {
  const auto push = [factor](int value, int base) {
    return std::clamp(static_cast<int>(std::lround(base + (value - base) * factor)), 0, 255);
  };
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb b = background.pixel(x, 0);
      line[x] = qRgb(push(qRed(line[x]), qRed(b)), push(qGreen(line[x]), qGreen(b)),
                     push(qBlue(line[x]), qBlue(b)));
    }
  }
}

QPainterPath FittedText(const QString& text, const QString& family, const QRectF& box) {
  QFont font = InstalledFont(family);
  font.setBold(true);
  font.setPixelSize(200);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

void Sheen(QPainter& p, const QPainterPath& shape, const QRectF& ellipse, int alpha) {
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  QRadialGradient g(ellipse.center(), 0.5);
  g.setCoordinateMode(QGradient::ObjectBoundingMode);
  g.setCenter(0.5, 0.5);
  g.setFocalPoint(0.5, 0.5);
  g.setColorAt(0, QColor(255, 255, 255, alpha));
  g.setColorAt(0.55, QColor(255, 255, 255, alpha * 2 / 3));
  g.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(ellipse);
  p.restore();
}

void Sparkle(QPainter& p, QPointF c, double size, const QColor& colour) {
  p.save();
  QRadialGradient glow(c, size * 0.9);
  glow.setColorAt(0, WithAlpha(colour, 150));
  glow.setColorAt(1, WithAlpha(colour, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, size * 0.9, size * 0.9);
  const double k = size * 0.16;
  QPainterPath star;
  star.moveTo(c.x(), c.y() - size);
  star.quadTo(c.x() + k, c.y() - k, c.x() + size, c.y());
  star.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + size);
  star.quadTo(c.x() - k, c.y() + k, c.x() - size, c.y());
  star.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - size);
  p.setBrush(colour);
  p.drawPath(star);
  p.setBrush(Qt::white);
  p.drawEllipse(c, size * 0.14, size * 0.14);
  p.restore();
}

void GlossyBall(QPainter& p, QPointF c, double r, const QColor& light, const QColor& mid,
                const QColor& dark) {
  p.save();
  QRadialGradient body(c, r, c + QPointF(-0.38 * r, -0.42 * r));
  body.setColorAt(0, light);
  body.setColorAt(0.5, mid);
  body.setColorAt(1, dark);
  p.setPen(QPen(Mix(dark, Qt::black, 0.35), 1.3));
  p.setBrush(body);
  p.drawEllipse(c, r, r);
  QPainterPath ball;
  ball.addEllipse(c, r, r);
  // Light bounced back from the reel strip onto the lower right.
  p.setPen(QPen(WithAlpha(Mix(mid, Qt::white, 0.3), 120), r * 0.12, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6), -20 * 16, -70 * 16);
  Sheen(p, ball, QRectF(c.x() - 0.68 * r, c.y() - 0.72 * r, 0.62 * r, 0.42 * r), 235);
  p.restore();
}

}  // namespace vexlor::art::reel
