// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <filesystem>

#include "dialogs/side_window.h"

namespace vexlor {

// The payoff chart: one picture, the built-in chart or Paychart.jpg beside the
// program, in a window exactly its size; on a screen too small for it, the
// picture shrinks to fit `room` (the client area the screen leaves).
class TPaychart : public QDialog {
  Q_OBJECT
 public:
  TPaychart(const std::filesystem::path& appDir, const SideEnvironment& env,
            double devicePixelRatio, QSize room, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Image1: the chart at the display's device pixels.
  void FormCreate(const std::filesystem::path& appDir, const SideEnvironment& env,
                  double devicePixelRatio, QSize room);

  QImage image1_;
};

}  // namespace vexlor
