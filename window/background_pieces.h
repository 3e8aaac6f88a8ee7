// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

class QPainter;

namespace vexlor {

// The parts of the machine's background that anything is ever drawn over,
// kept once the whole picture is let go, so that what was drawn there can be
// cleared again. Outside them the background is not kept at all.
class BackgroundPieces {
 public:
  BackgroundPieces() = default;
  // Copies `where` (clipped to the picture) out of `background`, in the surface's format.
  BackgroundPieces(const QImage& background, const QRegion& where);

  // Lays over `rect` what the pieces hold of it; the rest of it is left alone.
  void Draw(QPainter& painter, const QRect& rect) const;
  // Where the pieces lie.
  const QRegion& Region() const { return region_; }

 private:
  struct Piece {
    QRect rect;
    QImage image;
  };
  std::vector<Piece> pieces_;
  QRegion region_;
};

}  // namespace vexlor
