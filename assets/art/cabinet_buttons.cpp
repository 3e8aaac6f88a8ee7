// SPDX-License-Identifier: GPL-3.0-or-later
// The player's controls: Spin, Bet One and Bet Max, the hold buttons, and the
// frames of the bonus meter.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

// A glowing plastic key in a chrome rim filling `r`; the corners take the seat colour.
void Key(QPainter& p, const QRectF& r, double radius, double rim, const QColor& hue, bool lit) {
  p.setPen(Qt::NoPen);
  p.fillRect(r, kSeat);
  const QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
  p.fillPath(Rounded(outer, radius), Chrome(outer.topLeft(), outer.bottomLeft()));
  const QRectF face = outer.adjusted(rim, rim, -rim, -rim);
  const double fr = std::max(1.0, radius - rim);
  QLinearGradient body(face.topLeft(), face.bottomLeft());
  if (lit) {
    body.setColorAt(0, Mix(hue, Qt::white, 0.45));
    body.setColorAt(0.45, hue);
    body.setColorAt(1, hue.darker(150));
  } else {
    body.setColorAt(0, Mix(hue, Qt::black, 0.55));
    body.setColorAt(0.5, Mix(hue, Qt::black, 0.72));
    body.setColorAt(1, Mix(hue, Qt::black, 0.82));
  }
  p.fillPath(Rounded(face, fr), body);
  p.save();
  p.setClipPath(Rounded(face, fr));
  if (lit) {
    // Light from inside: a hot centre.
    QRadialGradient core(face.center(), face.width() * 0.55);
    core.setColorAt(0, QColor(255, 255, 240, 170));
    core.setColorAt(0.6, WithAlpha(Mix(hue, Qt::white, 0.4), 60));
    core.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(face, core);
  }
  // Gloss over the upper half of the dome.
  const QRectF gloss(face.left() + 3, face.top() + 1.5, face.width() - 6, face.height() * 0.42);
  QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
  shine.setColorAt(0, QColor(255, 255, 255, lit ? 150 : 70));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillPath(Rounded(gloss, std::min(fr, gloss.height() / 2)), shine);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 140), 1));
  p.drawPath(Rounded(face.adjusted(-0.5, -0.5, 0.5, 0.5), fr + 0.5));
}

void Legend(QPainter& p, const QPainterPath& path, const QColor& hue, bool lit) {
  if (lit) {
    FillOutlined(p, path, QColor(255, 255, 255), hue.darker(300), 3);
  } else {
    FillOutlined(p, path, Mix(hue, Qt::white, 0.25).darker(150), QColor(0, 0, 0, 200), 2.5);
  }
}

// A 78 x 118 button picture: dim upper half, lit lower half.
QImage ButtonPicture(const QString& caption, const QString& big, const QColor& hue) {
  QImage image = Canvas(78, 118);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int half = 0; half < 2; ++half) {
    const bool lit = half == 1;
    p.save();
    p.translate(0, 59 * half);
    Key(p, QRectF(0, 0, 78, 59), 10, 3.5, hue, lit);
    if (caption.isEmpty()) {
      Legend(p, TextPath(big, Font("DejaVu Sans", 20, QFont::Black, 1.5), QPointF(39, 30)), hue,
             lit);
    } else {
      Legend(p, TextPath(caption, Font("DejaVu Sans Condensed", 12, QFont::Bold, 2), {39, 18}), hue,
             lit);
      const double size = big.size() > 1 ? 17 : 24;
      Legend(p, TextPath(big, Font("DejaVu Sans", size, QFont::Black, 1), QPointF(39, 38)), hue,
             lit);
    }
    p.restore();
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

// The 12-step gauge along the bottom of a meter frame, `lit` steps from the left.
void Gauge(QPainter& p, int lit, bool gold) {
  if (gold) p.fillPath(Rounded(QRectF(5, 42, 68, 11), 3), QColor(0x40, 0x04, 0x30, 200));
  for (int i = 0; i < 12; ++i) {
    const QRectF step(7.5 + i * 5.3, 44, 4.3, 7);
    QColor c = gold ? palette::kGoldHigh : Mix(palette::kCyan, palette::kMagenta, i / 11.0);
    if (i < lit) {
      QPainterPath s = Rounded(step, 1.2);
      Glow(p, s, WithAlpha(c, 160), 2, 0.5, QPainter::CompositionMode_Screen);
      p.fillPath(s, Mix(c, Qt::white, 0.25));
    } else {
      p.fillPath(Rounded(step, 1.2), QColor(0x24, 0x1e, 0x44));
    }
  }
}

}  // namespace

void DrawMeterFrame(QPainter& p, int frame) {
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(0, 0, 78, 59), kSeat);
  const QRectF outer(0.5, 0.5, 77, 58);
  p.fillPath(Rounded(outer, 10), Chrome(outer.topLeft(), outer.bottomLeft()));
  const QRectF screen = outer.adjusted(3.5, 3.5, -3.5, -3.5);
  QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
  glass.setColorAt(0, frame == 0 ? QColor(0x5a, 0x12, 0x5a) : QColor(0x10, 0x0a, 0x26));
  glass.setColorAt(1, frame == 0 ? QColor(0x26, 0x08, 0x34) : QColor(0x05, 0x03, 0x0e));
  p.fillPath(Rounded(screen, 7), glass);
  p.save();
  p.setClipPath(Rounded(screen, 7));
  if (frame == 0) {
    // Triumph: a burst of gold light, rays, sparkles, a shining BONUS, every step lit.
    const QPointF c(39, 24);
    QRadialGradient burst(c, 46);
    burst.setColorAt(0, QColor(255, 236, 160));
    burst.setColorAt(0.35, QColor(0xf0, 0x8a, 0x30));
    burst.setColorAt(1, QColor(0x9a, 0x14, 0x6a));
    p.fillRect(screen, burst);
    for (int i = 0; i < 16; ++i) {
      const double a0 = 2 * std::numbers::pi * i / 16;
      const double a1 = a0 + std::numbers::pi / 16;
      QPainterPath ray;
      ray.moveTo(c);
      ray.lineTo(c + QPointF(std::cos(a0), std::sin(a0)) * 60);
      ray.lineTo(c + QPointF(std::cos(a1), std::sin(a1)) * 60);
      ray.closeSubpath();
      p.fillPath(ray, QColor(255, 250, 220, 70));
    }
    for (const QPointF& s : {QPointF(11, 12), QPointF(68, 10), QPointF(66, 36), QPointF(12, 37)}) {
      QPainterPath sparkle;
      sparkle.moveTo(s + QPointF(0, -4.5));
      sparkle.quadTo(s, s + QPointF(4.5, 0));
      sparkle.quadTo(s, s + QPointF(0, 4.5));
      sparkle.quadTo(s, s + QPointF(-4.5, 0));
      sparkle.quadTo(s, s + QPointF(0, -4.5));
      p.fillPath(sparkle, QColor(255, 255, 255, 230));
    }
    const QPainterPath word =
        TextPath(QStringLiteral("BONUS"), Font("DejaVu Sans", 15, QFont::Black, 0.3), c);
    Glow(p, word, QColor(0x8a, 0x08, 0x50), 3, 2.5, QPainter::CompositionMode_SourceOver);
    const QRectF wb = word.boundingRect();
    QLinearGradient fill(0, wb.top(), 0, wb.bottom());
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(0.55, palette::kGoldHigh);
    fill.setColorAt(1, palette::kGold);
    FillOutlined(p, word, fill, QColor(0x50, 0x06, 0x30), 3);
    Gauge(p, 12, true);
  } else {
    const char* family = frame >= 10 ? "DejaVu Sans Condensed" : "DejaVu Sans";
    const QPainterPath number =
        TextPath(QString::number(frame), Font(family, 28, QFont::Black), QPointF(26, 23));
    Glow(p, number, WithAlpha(palette::kMagenta, 200), 3, 1, QPainter::CompositionMode_Screen);
    const QRectF nb = number.boundingRect();
    QLinearGradient fill(0, nb.top(), 0, nb.bottom());
    fill.setColorAt(0, palette::kGoldHigh);
    fill.setColorAt(1, palette::kGold);
    FillOutlined(p, number, fill, QColor(0x30, 0x08, 0x28), 2.5);
    const QFont words = Font("DejaVu Sans Condensed", 11, QFont::Bold, 1);
    for (const auto& [text, y] : {std::pair{"TO", 17.5}, std::pair{"GO", 30.5}}) {
      FillOutlined(p, TextPath(QString::fromLatin1(text), words, QPointF(59, y)), palette::kCyan,
                   QColor(0, 0, 0), 2);
    }
    Gauge(p, 12 - frame, false);
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 160), 1));
  p.drawPath(Rounded(screen.adjusted(-0.5, -0.5, 0.5, 0.5), 7.5));
}

}  // namespace vexlor::art::cabinet

namespace vexlor::art {
using namespace cabinet;

QImage SpinButton() {
  return ButtonPicture(QString(), QStringLiteral("SPIN"), kNeonGreen);
}

QImage BetOneButton() {
  return ButtonPicture(QStringLiteral("BET"), QStringLiteral("ONE"), kAmber);
}

QImage BetMaxButton() {
  return ButtonPicture(QStringLiteral("BET"), QStringLiteral("3"), kNeonRed);
}

QImage HoldButton() {
  QImage image = Canvas(72, 34);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor hue(0xff, 0xc8, 0x30);
  for (int half = 0; half < 2; ++half) {
    const bool lit = half == 1;
    p.save();
    p.translate(0, 17 * half);
    Key(p, QRectF(0, 0, 72, 17), 8, 1.5, hue, lit);
    const QPainterPath word =
        TextPath(QStringLiteral("HOLD"), Font("DejaVu Sans", 10.5, QFont::Black, 2.5), {36, 8.5});
    if (lit) {
      FillOutlined(p, word, QColor(0x3a, 0x16, 0x00), QColor(255, 250, 220, 160), 2);
    } else {
      FillOutlined(p, word, QColor(0xc8, 0x96, 0x3a), QColor(0, 0, 0, 200), 2);
    }
    p.restore();
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage BonusMeter() {
  QImage image = Canvas(78, 767);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame <= 12; ++frame) {
    p.save();
    p.translate(0, 59 * frame);
    p.setClipRect(QRect(0, 0, 78, 59));
    DrawMeterFrame(p, frame);
    p.restore();
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vexlor::art
