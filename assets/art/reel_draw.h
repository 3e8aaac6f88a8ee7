// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared drawing helpers of the reel symbols. Every symbol is drawn into a
// 100 x 100 box; the caller scales the painter onto the cell.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "engine/machine_geometry.h"

namespace vexlor::art::reel {

// A cell of the symbol sheet, in listed pixels; at the listed size a cell is
// drawn kSuper times larger, then shrunk.
inline constexpr int kCell = design::kCell;
inline constexpr int kSuper = 4;
inline constexpr double kBox = 100;  // the symbol's drawing box

// Linear blend: t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor colour, int alpha);

// Box-blur passes (three come close to a Gaussian) over a premultiplied ARGB or
// RGB32 image. Rows wrap around top to bottom when wrapY is set; otherwise edges clamp.
void BoxBlur(QImage& image, int radiusX, int radiusY, bool wrapY = false, int passes = 3);

// The ivory of the reel strip at x (0 left edge .. 1 right edge); it does not
// change with y, so cells stacked on a reel join without a seam.
QColor CellBackground(double x);
// A cell-sized strip background (RGB32), width pixels wide.
QImage CellBackgroundImage(int width, int height);

// Pushes every pixel of image away from the background colour of its column
// (row 0 of background) by factor, so blurred colours stay vivid.
void Intensify(QImage& image, const QImage& background, double factor);

// The outline of text in the given DejaVu family, scaled to fit box (keeping its
// proportions) and centred in it.
QPainterPath FittedText(const QString& text, const QString& family, const QRectF& box);

// A soft white sheen inside shape: an ellipse fading from alpha at its centre.
void Sheen(QPainter& p, const QPainterPath& shape, const QRectF& ellipse, int alpha);
// A four-pointed sparkle centred at c.
void Sparkle(QPainter& p, QPointF c, double size, const QColor& colour);
// A glossy sphere: radial gradient lit from the upper left, dark rim line, highlight.
void GlossyBall(QPainter& p, QPointF c, double r, const QColor& light, const QColor& mid,
                const QColor& dark);

// The eight symbols, in the 100 x 100 box.
void DrawGlobe(QPainter& p);
void DrawDiamond(QPainter& p);
void DrawBell(QPainter& p);
void DrawStar(QPainter& p);
void DrawBar(QPainter& p);
void DrawClover(QPainter& p);
void DrawGrapes(QPainter& p);
void DrawCherries(QPainter& p);

// One cell of the sheet (kCell x kCell at the render scale): symbol 0..7 on the
// ivory with a soft shadow, and a badge reading `badge` in the upper-right
// corner unless it is empty.
QImage RenderCell(int symbol, const QString& badge);

}  // namespace vexlor::art::reel
