// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared geometry, colours and drawing helpers of the cabinet pictures
// (assets/art/cabinet_*.cpp). Coordinates are pixels of the 800 x 600
// background unless a function says it draws in local coordinates.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include "assets/art/art.h"
#include "engine/machine_geometry.h"

namespace vexlor::art::cabinet {

// --- Places the game draws over --------------------------------------------
inline QRect FromDesign(const design::Rect& r) {
  return {r.left, r.top, r.width(), r.height()};
}
inline QPointF FromDesign(design::Point p) {
  return {static_cast<double>(p.x), static_cast<double>(p.y)};
}
inline const QRect kTitleRect = FromDesign(design::kTitlePanel);
inline const QRect kCoinRect = FromDesign(design::kCoinSpot);
inline const QRect kPlateRect = FromDesign(design::kNamePlate);
inline const QRect kMeterRect = FromDesign(design::kBonusMeterBox);
inline const QRect kSpinRect = FromDesign(design::kButtons[2]);
inline const QRect kBetOneRect = FromDesign(design::kButtons[0]);
inline const QRect kBetMaxRect = FromDesign(design::kButtons[1]);
inline const QRect kLogoRect{design::kLogoAt.x, design::kLogoAt.y, design::kLogoWidth,
                             design::kLogoHeight};
inline const QRect kLeverRect = FromDesign(design::kLeverRegion);
inline QRect ReelRect(int i) {
  return FromDesign(design::ReelWindow(i));
}
inline QRect HoldRect(int i) {
  return FromDesign(design::kHoldButtons[static_cast<size_t>(i)]);
}
// Payline lamp rows: the strip's left edge, its width and each row's top.
inline constexpr int kLampLeft = design::kLampRows[0].left;
inline constexpr int kLampWidth = design::kLampRows[0].width();
inline constexpr int kLampHeight = design::kLampRows[0].height();
inline int LampRowTop(LampColour c) {
  return design::kLampRows[static_cast<size_t>(c)].top;  // rows go in the order of LampColour
}
// Lamp pieces in strip coordinates (x from, x to; right exclusive).
using design::kLampPieces;

// A rectangle of listed coordinates in pixels of a picture drawn at the render scale.
inline QRect Pixels(const QRect& r) {
  const int k = RenderScale::Current();
  return {r.x() * k, r.y() * k, r.width() * k, r.height() * k};
}

// --- Colours of the cabinet beyond palette.h ----------------------------------
inline const QColor kSeat{0x07, 0x05, 0x14};     // recess behind buttons and panels
inline const QColor kPanel{0x0b, 0x08, 0x1f};    // the reel panel
inline const QColor kRoom{0x06, 0x05, 0x10};     // the dark room around the machine
inline const QColor kNeonRed{0xff, 0x2a, 0x4a};  // Bet Max
inline const QColor kNeonGreen{0x2c, 0xe0, 0x5a};
inline const QColor kAmber{0xff, 0xb0, 0x20};

// --- Helpers (cabinet_common.cpp) --------------------------------------------
// A premultiplied image of width x height listed pixels at the render scale.
QImage Canvas(int width, int height, const QColor& fill = Qt::transparent);
QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor c, int alpha);
QFont Font(const char* family, double pixelSize, int weight = QFont::Bold, double spacing = 0);
// Text outline centred (by its ink) on `centre`.
QPainterPath TextPath(const QString& text, const QFont& font, QPointF centre);
// Text outline of `text` with its baseline starting at `origin`.
QPainterPath TextPathAt(const QString& text, const QFont& font, QPointF origin);
// Outline stroke (round joins) under a fill.
void FillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline,
                  double outlineWidth);
// A soft glow of `path` (filled, optionally fattened by `spread`), added on top;
// `radius` is in listed pixels.
void Glow(QPainter& p, const QPainterPath& path, const QColor& colour, int radius,
          double spread = 0, QPainter::CompositionMode mode = QPainter::CompositionMode_Plus);
// Three-pass box blur of a premultiplied image, transparent beyond its edges.
QImage Blurred(const QImage& image, int radius);

// Metal gradients along the line a -> b.
QLinearGradient Chrome(QPointF a, QPointF b);
QLinearGradient Gold(QPointF a, QPointF b);
QPainterPath Rounded(const QRectF& r, double radius);
// A diamond of half-diagonal `half` about `middle`.
QPainterPath Diamond(QPointF middle, double half);
// The gilded sign lettering: a magenta glow, a dark outline, a drop shade and
// a gold fill running down the word.
void GoldWord(QPainter& p, const QPainterPath& word, int glowRadius, double glowSpread,
              double outline, double drop);
// A reel symbol in a rounded box, shaded at its foot as on the reels.
void ShadedSymbol(QPainter& p, const QImage& icon, const QRectF& box, double radius);
// The jackpot row's magenta neon frame.
void NeonRow(QPainter& p, const QRectF& row, double radius);
// Wedge `i` of a sunburst of `count` wedges reaching `length` from `centre`;
// the wedges fill every other half-step of the circle.
QPainterPath SunburstRay(QPointF centre, int count, int i, double length);
// A metal ring between `outer` and `outer` shrunk by `width`, with a light
// outer edge and a dark inner lip.
void MetalRing(QPainter& p, const QRectF& outer, double radius, double width, const QBrush& brush);
// A recessed seat: dark rounded well with a soft inner shadow.
void Seat(QPainter& p, const QRectF& r, double radius);
// A glossy sphere (lamp bulb, knob) of `colour`, `lit` adds a hot core.
void Bulb(QPainter& p, QPointF centre, double radius, const QColor& colour, bool lit);

// --- Parts, shared between the background and the separate pictures ----------
// The body (cabinet_body.cpp), drawn in this order.
void DrawRoom(QPainter& p);
void DrawShell(QPainter& p);
void DrawConsole(QPainter& p);
void DrawColumn(QPainter& p);
// The pull lever: its mount on the side rail, then the rod with the knob, then
// the hub over the rod's foot.
void DrawLeverMount(QPainter& p);
void DrawLeverArm(QPainter& p);
void DrawLeverHub(QPainter& p);
void DrawGrille(QPainter& p, const QRectF& r);
// The reel frame, dark reel panel and window bezels, without lamps.
void DrawReelPanel(QPainter& p);
// The reel panel with its dark lamps, and the rule plate under it.
void DrawReelArea(QPainter& p);
void DrawPayTable(QPainter& p);
// In local coordinates of their regions:
void DrawTitlePanel(QPainter& p, bool lit);  // 302 x 143
void DrawNamePlate(QPainter& p, bool lit);   // 436 x 49
void DrawCoinSpot(QPainter& p, bool lit);    // 84 x 85
// One meter frame (0 = BONUS, f = f to go) in local 78 x 59 coordinates.
void DrawMeterFrame(QPainter& p, int frame);

}  // namespace vexlor::art::cabinet
