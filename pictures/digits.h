// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>

class QPainter;

namespace vexlor {

// The LED digit strips of a layout: digit d in the cell at x = d * cell width.
struct Digits {
  QImage red, green;
  QSize cell;
};

// Draws `value` in LED digits onto any canvas: black behind the number and one
// blank cell on the side away from its anchor (x is the left edge, or the
// right edge when right-aligned). Negative values are drawn as 0. A number
// that would run wider than `room` (when given) is drawn in narrower cells,
// so that all its digits show within it. Returns the rectangle painted.
QRect DrawNumber(QPainter& painter, const Digits& digits, int32_t value, int x, int y, bool green,
                 bool rightAligned, int room = 0);

}  // namespace vexlor
