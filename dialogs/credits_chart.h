// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace vexlor {

// The values the credit axis is marked at: round steps (1, 2 or 5 times a
// power of ten) from at or below `low` to at or above `high`.
std::vector<int64_t> AxisTicks(int64_t low, int64_t high, int targetSteps);

// A line chart of the credits after each of a run of spins, oldest on the left.
class CreditsChart : public QWidget {
  Q_OBJECT
 public:
  CreditsChart(std::vector<int32_t> credits, int32_t firstSpin, int32_t lastSpin,
               const QLocale& locale, QWidget* parent = nullptr);

  // The axis labels as drawn: the credit marks from the bottom up, then the
  // first and last spin numbers.
  QStringList AxisLabels() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString Number(int64_t value) const;
  QRectF PlotArea() const;
  QPointF PointAt(std::size_t index, const QRectF& plot) const;

  std::vector<int32_t> credits_;
  int32_t firstSpin_;
  int32_t lastSpin_;
  QLocale locale_;
  std::vector<int64_t> ticks_;
};

}  // namespace vexlor
