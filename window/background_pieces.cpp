// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/background_pieces.h"

#include <QPainter>
#include <algorithm>

namespace vexlor {

BackgroundPieces::BackgroundPieces(const QImage& background, const QRegion& where)
    : region_(where.intersected(background.rect())) {
  pieces_.reserve(static_cast<std::size_t>(region_.rectCount()));
  for (const QRect& rect : region_) {
    // A copy of its own, so that nothing of the whole picture stays shared.
    QImage image = background.copy(rect).convertToFormat(QImage::Format_RGB32);
    pieces_.push_back({rect, std::move(image)});
  }
}

void BackgroundPieces::Draw(QPainter& painter, const QRect& rect) const {
  // The pieces come in bands from the top down, as a region holds its
  // rectangles: only those of the bands across `rect` are looked at.
  auto piece = std::lower_bound(pieces_.begin(), pieces_.end(), rect.top(),
                                [](const Piece& p, int top) { return p.rect.bottom() < top; });
  for (; piece != pieces_.end() && piece->rect.top() <= rect.bottom(); ++piece) {
    const QRect part = piece->rect.intersected(rect);
    if (part.isEmpty()) continue;
    painter.drawImage(part.topLeft(), piece->image, part.translated(-piece->rect.topLeft()));
  }
}

}  // namespace vexlor
