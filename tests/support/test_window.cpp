#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <stdexcept>

#include "tools/artgen/image_writers.h"

namespace vexlor::testing {

void WhenModal(std::function<void(QWidget*)> act, bool thenClose) {
  QTimer::singleShot(0, [act = std::move(act), thenClose] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal window opened";
    act(modal);
    if (thenClose) modal->close();
  });
}

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
