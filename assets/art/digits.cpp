// SPDX-License-Identifier: GPL-3.0-or-later
// LED counter digits: seven-segment figures with pointed segment ends and a
// faint glow, stored with 16 colours at the listed size and in full colour in
// the masters. The small ones stand upright so their two-pixel segments stay
// crisp; the large ones lean slightly and have a hot core.
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "assets/art/art.h"

namespace vexlor::art {

namespace {

// Segments a (top), b (upper right), c (lower right), d (bottom), e (lower
// left), f (upper left), g (middle) as bits 0..6.
constexpr std::array<int, 10> kSegments = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                           0x6d, 0x7d, 0x07, 0x7f, 0x6f};

struct Layout {
  int width, height;                // the cell
  double left, right, top, bottom;  // outer edges of the figure
  double thick, gap, slant, glow;   // glow: spread of the halo, in pixels
  bool hotCore;                     // a near-white line along each lit segment
};

constexpr Layout kSmall{16, 21, 3, 13, 2, 18, 2, 0.45, 0.0, 1.0, false};
constexpr Layout kLarge{32, 42, 5.5, 26.5, 4, 38, 4.6, 0.5, 0.07, 2.0, true};
constexpr int kSuper = 8;  // supersampling of the listed size; masters need less

// `l` with every length k times longer.
Layout Enlarged(const Layout& l, int k) {
  return {l.width * k, l.height * k, l.left * k, l.right * k, l.top * k, l.bottom * k,
          l.thick * k, l.gap * k,    l.slant,    l.glow * k,  l.hotCore};
}

QColor Brightest(bool green) {
  return green ? QColor(0x3c, 0xff, 0x6e) : QColor(0xff, 0x2e, 0x1e);
}

// A segment along the centre line from p to q: flat sides `thick` apart and
// pointed ends, shortened by `gap` at both ends.
QPolygonF Segment(QPointF p, QPointF q, double thick, double gap) {
  const QPointF d = (q - p) / std::hypot(q.x() - p.x(), q.y() - p.y());
  const QPointF n(-d.y(), d.x());
  const QPointF a = p + d * gap, b = q - d * gap;
  const double h = thick / 2;
  return QPolygonF(
      {a, a + d * h + n * h, b - d * h + n * h, b, b - d * h - n * h, a + d * h - n * h});
}

// Coverage (0..1) of the lit segments of `digit`, drawn `thick` wide.
std::vector<double> Coverage(const Layout& l, int digit, double thick, double gap, int super) {
  const double x0 = l.left + l.thick / 2, x1 = l.right - l.thick / 2;
  const double y0 = l.top + l.thick / 2, y2 = l.bottom - l.thick / 2, y1 = (y0 + y2) / 2;
  const std::array<std::pair<QPointF, QPointF>, 7> lines = {{{{x0, y0}, {x1, y0}},
                                                             {{x1, y0}, {x1, y1}},
                                                             {{x1, y1}, {x1, y2}},
                                                             {{x0, y2}, {x1, y2}},
                                                             {{x0, y1}, {x0, y2}},
                                                             {{x0, y0}, {x0, y1}},
                                                             {{x0, y1}, {x1, y1}}}};
  QImage big(l.width * super, l.height * super, QImage::Format_RGB32);
  big.fill(Qt::black);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(super, super);
    const double mid = (l.top + l.bottom) / 2;
    p.setTransform(QTransform(1, 0, -l.slant, 1, l.slant * mid, 0), true);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int s = 0; s < 7; ++s) {
      if (kSegments[static_cast<size_t>(digit)] & (1 << s)) {
        p.drawPolygon(Segment(lines[static_cast<size_t>(s)].first,
                              lines[static_cast<size_t>(s)].second, thick, gap));
      }
    }
  }
  const QImage small =
      big.scaled(l.width, l.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  std::vector<double> cover(static_cast<size_t>(l.width * l.height));
  for (int y = 0; y < l.height; ++y) {
    for (int x = 0; x < l.width; ++x)
      cover[static_cast<size_t>(y * l.width + x)] = qRed(small.pixel(x, y)) / 255.0;
  }
  return cover;
}

// Separable Gaussian blur inside the cell (nothing spills into the neighbours).
std::vector<double> Blur(const std::vector<double>& v, int w, int h, double sigma) {
  const int r = static_cast<int>(std::ceil(sigma * 3));
  std::vector<double> k(static_cast<size_t>(2 * r + 1));
  for (int i = -r; i <= r; ++i)
    k[static_cast<size_t>(i + r)] = std::exp(-i * i / (2 * sigma * sigma));
  const auto pass = [&](const std::vector<double>& in, int dx, int dy) {
    std::vector<double> out(in.size(), 0.0);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        double sum = 0, weight = 0;
        for (int i = -r; i <= r; ++i) {
          const int sx = x + i * dx, sy = y + i * dy;
          const double kw = k[static_cast<size_t>(i + r)];
          weight += kw;
          if (sx >= 0 && sx < w && sy >= 0 && sy < h)
            sum += kw * in[static_cast<size_t>(sy * w + sx)];
        }
        out[static_cast<size_t>(y * w + x)] = sum / weight;
      }
    }
    return out;
  };
  return pass(pass(v, 1, 0), 0, 1);
}

// The palette colour nearest to c, weighing the channels as the BMP writer does.
QRgb Nearest(QRgb c, const QVector<QRgb>& colours) {
  QRgb best = colours.front();
  long bestDistance = -1;
  for (QRgb e : colours) {
    const long dr = qRed(c) - qRed(e), dg = qGreen(c) - qGreen(e), db = qBlue(c) - qBlue(e);
    const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = e;
    }
  }
  return best;
}

QColor Scaled(const QColor& c, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(static_cast<float>(c.redF() * t), static_cast<float>(c.greenF() * t),
                          static_cast<float>(c.blueF() * t));
}

QColor TowardWhite(const QColor& c, double t) {
  const auto up = [t](float v) { return static_cast<float>(v + (1 - v) * t); };
  return QColor::fromRgbF(up(c.redF()), up(c.greenF()), up(c.blueF()));
}

// One digit at `scale` times the size of `l`: palette colours at 1, full colour above.
QImage DigitCell(const Layout& listed, int scale, int digit, bool green) {
  const Layout l = Enlarged(listed, scale);
  const int super = std::max(2, kSuper / scale);
  const std::vector<double> lit = Coverage(l, digit, l.thick, l.gap, super);
  const std::vector<double> glow = Blur(lit, l.width, l.height, l.glow);
  const std::vector<double> core =
      l.hotCore ? Coverage(l, digit, l.thick * 0.3, l.gap + l.thick * 0.35, super)
                : std::vector<double>();
  const QVector<QRgb> colours = DigitPalette(green);
  QImage cell(l.width, l.height, QImage::Format_RGB32);
  for (int y = 0; y < l.height; ++y) {
    for (int x = 0; x < l.width; ++x) {
      const size_t i = static_cast<size_t>(y * l.width + x);
      const double level = std::max(lit[i], 0.7 * glow[i]);
      QColor c = Scaled(Brightest(green), level < 0.05 ? 0 : level);
      if (!core.empty()) c = TowardWhite(c, 0.55 * core[i]);
      cell.setPixel(x, y, scale == 1 ? Nearest(c.rgb(), colours) : c.rgb());
    }
  }
  return cell;
}

}  // namespace

QVector<QRgb> DigitPalette(bool green) {
  static constexpr std::array<double, 13> kRamp = {0.07, 0.11, 0.16, 0.22, 0.29, 0.37, 0.46,
                                                   0.55, 0.64, 0.73, 0.82, 0.91, 1.0};
  const QColor top = Brightest(green);
  QVector<QRgb> colours{qRgb(0, 0, 0)};
  for (double t : kRamp)
    colours.append(Scaled(top, t).rgb());
  colours.append(TowardWhite(top, 0.35).rgb());
  colours.append(TowardWhite(top, 0.7).rgb());
  return colours;
}

QImage DigitStrip(bool green, bool large) {
  const Layout& l = large ? kLarge : kSmall;
  const int scale = RenderScale::Current();
  QImage strip((large ? 376 : 188) * scale, l.height * scale, QImage::Format_RGB32);
  strip.fill(Qt::black);
  QPainter p(&strip);
  for (int d = 0; d < 10; ++d)
    p.drawImage(d * l.width * scale, 0, DigitCell(l, scale, d, green));
  p.end();
  strip.setDevicePixelRatio(scale);
  return strip;
}

}  // namespace vexlor::art
