// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <stdexcept>

#include "tools/artgen/image_writers.h"
#include "window/machine_view.h"

namespace vexlor::testing {

void TestWindow::Drive() {
  for (int step = 0; step < 1'000'000; ++step) {
    if (!form_->Runner().InProgress() && !record_->timers.HasWaiting()) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return;
    }
    record_->Step();
  }
  throw std::runtime_error("the machine never came to rest");
}

void TestWindow::Press(QPoint at, Qt::MouseButton button) {
  QTest::mousePress(form_->View(), button, {}, at + form_->View()->Origin());
  Drive();
}

void CloseModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) throw std::runtime_error("no modal window is open");
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
