#include "tests/support/test_window.h"

#include <stdexcept>

#include "tools/artgen/image_writers.h"

namespace vexlor::testing {

bool AllBlack(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) != 0) return false;
    }
  }
  return true;
}

int DifferentPixels(const QImage& a, const QImage& b, const QRect& area, QPoint offsetInB) {
  int different = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((a.pixel(x, y) & 0xFFFFFFu) !=
          (b.pixel(x + offsetInB.x(), y + offsetInB.y()) & 0xFFFFFFu)) {
        ++different;
      }
    }
  }
  return different;
}

void WriteJpegFile(const QImage& image, const std::filesystem::path& path) {
  if (!art::WriteJpeg(image, QString::fromStdString(path.string()))) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

}  // namespace vexlor::testing
