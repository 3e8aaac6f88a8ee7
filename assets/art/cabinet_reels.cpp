// SPDX-License-Identifier: GPL-3.0-or-later
// The reel frame: the dark reel panel with gold window bezels, the hold seats,
// the rule plate under the reels, and the payline lamps drawn into it.
#include <QRadialGradient>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

const QRectF kFrame(224, 242, 344, 270);
const QRectF kPanelRect(234, 268, 324, 236);

QColor LampColourOf(LampColour c) {
  switch (c) {
    case LampColour::Red:
      return palette::kLineRed;
    case LampColour::Blue:
      return palette::kLineBlue;
    case LampColour::Green:
      return palette::kLineGreen;
  }
  return palette::kLineRed;
}

// One lamp centred on the piece [x0, x1) x [0, 14) of its row, in local coordinates.
void DrawLamp(QPainter& p, double x0, double x1, const QColor& colour, bool lit) {
  const double w = x1 - x0;
  const QPointF c(x0 + w / 2, 7);
  const QRectF glass =
      w > 16 ? QRectF(c.x() - 8.5, c.y() - 5, 17, 10) : QRectF(c.x() - 5, c.y() - 5, 10, 10);
  const QPainterPath glassPath = Rounded(glass, 5);
  if (lit) {
    Glow(p, glassPath, colour, 2, 2, QPainter::CompositionMode_Screen);
  }
  // A thin chrome cup around the glass.
  p.fillPath(Rounded(glass.adjusted(-1.5, -1.5, 1.5, 1.5), 6.5),
             Chrome(glass.topLeft() + QPointF(0, -1.5), glass.bottomLeft() + QPointF(0, 1.5)));
  QRadialGradient g(c + QPointF(0, -1), glass.width() * 0.6);
  if (lit) {
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.35, Mix(colour, Qt::white, 0.55));
    g.setColorAt(0.8, colour);
    g.setColorAt(1, colour.darker(140));
  } else {
    g.setColorAt(0, Mix(colour, Qt::black, 0.55));
    g.setColorAt(0.7, Mix(colour, Qt::black, 0.78));
    g.setColorAt(1, Mix(colour, Qt::black, 0.88));
  }
  p.fillPath(glassPath, g);
  // Glass highlight along the top.
  const QRectF shine(glass.left() + 2, glass.top() + 1, glass.width() - 4, 3);
  p.fillPath(Rounded(shine, 1.5), QColor(255, 255, 255, lit ? 170 : 70));
}

void DrawRulePlate(QPainter& p) {
  const QRectF plate(224, 514, 440, 33);
  Seat(p, plate.adjusted(-2, -2, 2, 2), 9);
  QLinearGradient glass(plate.topLeft(), plate.bottomLeft());
  glass.setColorAt(0, QColor(0x14, 0x10, 0x34));
  glass.setColorAt(1, QColor(0x05, 0x04, 0x10));
  p.fillPath(Rounded(plate, 8), glass);
  MetalRing(p, plate, 8, 2, Gold(plate.topLeft(), plate.bottomLeft()));
  const QFont font = Font("DejaVu Sans Condensed", 11, QFont::Bold, 0.8);
  FillOutlined(p,
               TextPath(QStringLiteral("WILD SUBSTITUTES FOR ALL SYMBOLS"), font,
                        QPointF(plate.center().x(), 524.5)),
               palette::kCyan, QColor(0, 0, 0), 2);
  FillOutlined(p,
               TextPath(QStringLiteral("12 BONUS POINTS OPEN THE BONUS ROUND"), font,
                        QPointF(plate.center().x(), 537.5)),
               Gold(QPointF(0, 532), QPointF(0, 543)), QColor(0, 0, 0), 2);
}

}  // namespace

void DrawReelPanel(QPainter& p) {
  // The frame: chrome plate with gold piping, holding the dark reel panel.
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(kFrame.adjusted(-2, -2, 2, 2), 14), QColor(0, 0, 0, 120));
  p.fillPath(Rounded(kFrame, 12), Chrome(kFrame.topLeft(), kFrame.bottomLeft()));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(Gold(kFrame.topLeft(), kFrame.bottomLeft())), 2));
  p.drawPath(Rounded(kFrame.adjusted(1, 1, -1, -1), 11));
  // The hold seats in the top rail.
  for (int i = 0; i < 3; ++i)
    Seat(p, QRectF(HoldRect(i)).adjusted(-2, -2, 2, 2), 8);
  // The recessed reel panel.
  QLinearGradient panel(kPanelRect.topLeft(), kPanelRect.bottomLeft());
  panel.setColorAt(0, QColor(0x04, 0x03, 0x0c));
  panel.setColorAt(0.12, kPanel);
  panel.setColorAt(0.5, QColor(0x14, 0x10, 0x36));
  panel.setColorAt(1, kPanel);
  p.fillPath(Rounded(kPanelRect, 6), panel);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 180), 2));
  p.drawPath(Rounded(kPanelRect.adjusted(1, 1, -1, -1), 5));
  // Each window: a gold bezel and a dark lip just outside the reel.
  for (int i = 0; i < 3; ++i) {
    const QRectF reel = ReelRect(i);
    const QRectF bezel = reel.adjusted(-5, -5, 5, 5);
    p.fillPath(Rounded(bezel.adjusted(-1, -1, 1, 1), 6), QColor(0, 0, 0, 160));
    MetalRing(p, bezel, 5, 3, Gold(bezel.topLeft(), bezel.topRight()));
    p.fillPath(Rounded(reel.adjusted(-2, -2, 2, 2), 2), QColor(0x02, 0x01, 0x06));
    p.fillRect(reel, palette::kIvoryShade);
  }
}

void DrawReelArea(QPainter& p) {
  DrawReelPanel(p);
  // The lamps, dark: exactly what the game shows through the mask when unlit.
  for (LampColour c : {LampColour::Blue, LampColour::Red, LampColour::Green}) {
    const QImage strip = LampStrip(c);
    for (const auto& piece : kLampPieces) {
      const QRect from(piece[0], 0, piece[1] - piece[0], kLampHeight);
      p.drawImage(QPoint(kLampLeft + piece[0], LampRowTop(c)), strip, Pixels(from));
    }
  }
  DrawRulePlate(p);
}

}  // namespace vexlor::art::cabinet

namespace vexlor::art {
using namespace cabinet;

QImage LampStrip(LampColour colour) {
  QImage image = Canvas(kLampWidth, 2 * kLampHeight, Qt::black);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int half = 0; half < 2; ++half) {
    for (const auto& piece : kLampPieces) {
      p.save();
      p.setClipRect(QRect(piece[0], half * kLampHeight, piece[1] - piece[0], kLampHeight));
      // What the background has here, then the lamp over it.
      p.save();
      p.translate(-kLampLeft, half * kLampHeight - LampRowTop(colour));
      DrawReelPanel(p);
      p.restore();
      p.translate(0, half * kLampHeight);
      DrawLamp(p, piece[0], piece[1], LampColourOf(colour), half == 1);
      p.restore();
    }
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage LampMask() {
  QImage image = Canvas(kLampWidth, 2 * kLampHeight, Qt::white);
  QPainter p(&image);
  for (int half = 0; half < 2; ++half) {
    for (const auto& piece : kLampPieces) {
      p.fillRect(QRect(piece[0], half * kLampHeight, piece[1] - piece[0], kLampHeight), Qt::black);
    }
  }
  p.end();
  return image.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace vexlor::art
