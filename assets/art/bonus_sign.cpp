// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus stage's lettering: a marquee sign with "BONUS ROUND" over the
// stage, and the neon "PICK A TOKEN" line under it.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/art/bonus_common.h"
#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::bonus {
namespace {

using namespace cabinet;

const QRectF kSign(kStageMiddle - 172, 14, 344, 146);
constexpr double kSignRadius = 18;
constexpr int kSignBulbs = 48;
constexpr double kInstructionY = 192;

void SignFrame(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(kSign.adjusted(-3, -2, 3, 5), kSignRadius + 3), QColor(0, 0, 0, 140));
  p.fillPath(Rounded(kSign, kSignRadius), Gold(kSign.topLeft(), kSign.bottomLeft()));
  const QRectF band = kSign.adjusted(4, 4, -4, -4);
  QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
  bandFill.setColorAt(0, QColor(0x2a, 0x0c, 0x3a));
  bandFill.setColorAt(1, QColor(0x12, 0x06, 0x22));
  p.fillPath(Rounded(band, kSignRadius - 4), bandFill);
}

void SignScreen(QPainter& p, const QRectF& screen) {
  QRadialGradient heart(screen.center(), screen.width() * 0.6);
  heart.setColorAt(0, QColor(0x72, 0x1e, 0x86));
  heart.setColorAt(0.55, QColor(0x2e, 0x12, 0x5a));
  heart.setColorAt(1, QColor(0x12, 0x0a, 0x2e));
  p.fillPath(Rounded(screen, 7), heart);
  // Rays from behind the lettering.
  p.save();
  p.setClipPath(Rounded(screen, 7));
  constexpr int kRays = 20;
  for (int i = 0; i < kRays; ++i) {
    const double a0 = 2 * std::numbers::pi * i / kRays;
    const double a1 = a0 + std::numbers::pi / kRays;
    QPainterPath ray;
    ray.moveTo(screen.center());
    ray.lineTo(screen.center() + QPointF(std::cos(a0), std::sin(a0)) * 200);
    ray.lineTo(screen.center() + QPointF(std::cos(a1), std::sin(a1)) * 200);
    ray.closeSubpath();
    QRadialGradient fade(screen.center(), 200);
    fade.setColorAt(0, QColor(255, 130, 225, 50));
    fade.setColorAt(1, QColor(255, 130, 225, 0));
    p.fillPath(ray, fade);
  }
  p.restore();
  MetalRing(p, screen.adjusted(-2, -2, 2, 2), 9, 2, Gold(screen.topLeft(), screen.bottomLeft()));
}

// One lit bulb in its socket with its halo, centred in a square of kBulbBox.
constexpr int kBulbBox = 24;
QImage LitBulb() {
  QImage image = Canvas(kBulbBox, kBulbBox);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(kBulbBox / 2.0, kBulbBox / 2.0);
  QPainterPath halo;
  halo.addEllipse(c, 4, 4);
  Glow(p, halo, QColor(255, 200, 90, 200), 3, 0, QPainter::CompositionMode_Screen);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1a, 0x0a, 0x10));
  p.drawEllipse(c, 5, 5);
  Bulb(p, c, 4, QColor(0xff, 0xd2, 0x60), true);
  p.end();
  return image;
}

// The bulbs round the sign, all stamped from one.
void SignBulbs(QPainter& p) {
  const QImage bulb = LitBulb();
  const QPainterPath track = Rounded(kSign.adjusted(12, 12, -12, -12), kSignRadius - 10);
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  for (int i = 0; i < kSignBulbs; ++i) {
    const QPointF b = track.pointAtPercent((i + 0.5) / kSignBulbs);
    p.drawImage(b - QPointF(kBulbBox / 2.0, kBulbBox / 2.0), bulb);
  }
  p.restore();
}

// "BONUS": big gold serif capitals with a magenta glow.
void BonusWord(QPainter& p, QPointF centre) {
  const QPainterPath word =
      TextPath(QStringLiteral("BONUS"), Font("DejaVu Serif", 54, QFont::Bold, 2), centre);
  GoldWord(p, word, 6, 3, 6, 2);
}

// "ROUND": spaced chrome capitals with a cyan glow between two gold bars.
void RoundWord(QPainter& p, QPointF centre, const QRectF& screen) {
  const QPainterPath word =
      TextPath(QStringLiteral("ROUND"), Font("DejaVu Sans", 22, QFont::Bold, 9), centre);
  const QRectF wb = word.boundingRect();
  Glow(p, word, palette::kCyan, 4, 2, QPainter::CompositionMode_Screen);
  QLinearGradient fill(0, wb.top(), 0, wb.bottom());
  fill.setColorAt(0, QColor(255, 255, 255));
  fill.setColorAt(1, palette::kCyan);
  FillOutlined(p, word, fill, QColor(0x10, 0x06, 0x20), 4);
  for (double side : {-1.0, 1.0}) {
    const double x0 = side < 0 ? screen.left() + 22 : wb.right() + 12;
    const double x1 = side < 0 ? wb.left() - 12 : screen.right() - 22;
    const QRectF bar(x0, wb.center().y() - 2, x1 - x0, 4);
    p.fillPath(Rounded(bar, 2), Gold(bar.topLeft(), bar.bottomLeft()));
  }
}

// A magenta haze on the wall round the sign.
void Haze(QPainter& p) {
  const QRectF hazeBox = kSign.adjusted(-60, -50, 60, 50);
  QRadialGradient haze(0, 0, 1);
  haze.setCoordinateMode(QGradient::ObjectMode);
  haze.setCenter(0.5, 0.5);
  haze.setFocalPoint(0.5, 0.5);
  haze.setRadius(0.5);
  haze.setColorAt(0, WithAlpha(palette::kMagenta, 120));
  haze.setColorAt(0.6, WithAlpha(palette::kMagenta, 70));
  haze.setColorAt(1, WithAlpha(palette::kMagenta, 0));
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Screen);
  p.setPen(Qt::NoPen);
  p.setBrush(haze);
  p.drawEllipse(hazeBox);
  p.restore();
}

}  // namespace

void DrawHeadingSign(QPainter& p) {
  Haze(p);
  SignFrame(p);
  const QRectF screen = kSign.adjusted(22, 22, -22, -22);
  SignScreen(p, screen);
  SignBulbs(p);
  BonusWord(p, QPointF(kStageMiddle, screen.top() + 40));
  RoundWord(p, QPointF(kStageMiddle + 4, screen.bottom() - 18), screen);
}

QPainterPath Sparkle(QPointF c, double radius) {
  QPainterPath star;
  for (int i = 0; i < 8; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 4;
    const double r = i % 2 == 0 ? radius : radius * 0.28;
    const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
    if (i == 0) {
      star.moveTo(pt);
    } else {
      star.lineTo(pt);
    }
  }
  star.closeSubpath();
  return star;
}

void DrawInstruction(QPainter& p) {
  const QFont font = Font("DejaVu Sans", 26, QFont::Bold, 4);
  const QPainterPath line =
      TextPath(QStringLiteral("PICK A TOKEN"), font, QPointF(kStageMiddle, kInstructionY));
  const QRectF lb = line.boundingRect();
  Glow(p, line, palette::kMagenta, 5, 3, QPainter::CompositionMode_Screen);
  FillOutlined(p, line, Mix(palette::kMagenta, Qt::white, 0.62), QColor(0x5a, 0x06, 0x32), 3.5);
  for (double x : {lb.left() - 24, lb.right() + 24}) {
    const QPainterPath star = Sparkle(QPointF(x, lb.center().y()), 12);
    Glow(p, star, palette::kCyan, 3, 1.5, QPainter::CompositionMode_Screen);
    FillOutlined(p, star, Mix(palette::kCyan, Qt::white, 0.5), QColor(0x06, 0x10, 0x20), 2);
  }
}

}  // namespace vexlor::art::bonus
