// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/credits_chart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "assets/art/palette.h"
#include "dialogs/game_style.h"
#include "dialogs/last_plays_layout.h"
#include "dialogs/side_window.h"

namespace vexlor {
namespace {

using namespace lastplays;

int64_t FloorTo(int64_t value, int64_t step) {
  const int64_t q = value / step;
  return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

int64_t CeilTo(int64_t value, int64_t step) {
  const int64_t q = value / step;
  return (value % step != 0 && value > 0 ? q + 1 : q) * step;
}

int64_t RoundStep(int64_t atLeast) {
  for (int64_t power = 1;; power *= 10) {
    for (int64_t factor : {1, 2, 5}) {
      if (factor * power >= atLeast) return factor * power;
    }
  }
}

}  // namespace

std::vector<int64_t> AxisTicks(int64_t low, int64_t high, int targetSteps) {
  if (high < low) std::swap(low, high);
  const int64_t span = high - low;
  const int64_t steps = std::max(1, targetSteps);
  const int64_t step = RoundStep(std::max<int64_t>(1, (span + steps - 1) / steps));
  const int64_t first = FloorTo(low, step);
  int64_t last = CeilTo(high, step);
  if (last == first) last += step;  // a flat run still gets an axis with height
  std::vector<int64_t> ticks;
  for (int64_t value = first; value <= last; value += step)
    ticks.push_back(value);
  return ticks;
}

CreditsChart::CreditsChart(std::vector<int32_t> credits, int32_t firstSpin, int32_t lastSpin,
                           const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      credits_(std::move(credits)),
      firstSpin_(firstSpin),
      lastSpin_(lastSpin),
      locale_(locale) {
  locale_.setNumberOptions(locale_.numberOptions() & ~QLocale::OmitGroupSeparator);
  if (!credits_.empty()) {
    const auto [low, high] = std::minmax_element(credits_.begin(), credits_.end());
    ticks_ = AxisTicks(*low, *high, kChartTargetTicks);
  }
  setFont(WindowFont(kChartFontPx));
}

QString CreditsChart::Number(int64_t value) const {
  return locale_.toString(static_cast<qlonglong>(value));
}

QStringList CreditsChart::AxisLabels() const {
  QStringList labels;
  for (int64_t tick : ticks_)
    labels << Number(tick);
  if (!credits_.empty()) {
    labels << Number(firstSpin_) << Number(lastSpin_);
  }
  return labels;
}

QRectF CreditsChart::PlotArea() const {
  return QRectF(kChartLeftAxis, kChartTop, width() - kChartLeftAxis - kChartRight,
                height() - kChartTop - kChartBottomAxis);
}

QPointF CreditsChart::PointAt(std::size_t index, const QRectF& plot) const {
  const double low = static_cast<double>(ticks_.front());
  const double span = static_cast<double>(ticks_.back() - ticks_.front());
  const double x = credits_.size() < 2 ? plot.center().x()
                                       : plot.left() + plot.width() * static_cast<double>(index) /
                                                           static_cast<double>(credits_.size() - 1);
  return {x, plot.bottom() - plot.height() * (credits_[index] - low) / span};
}

void CreditsChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().base());
  const QRectF plot = PlotArea();
  const QString title =
      credits_.size() == 1
          ? QCoreApplication::translate("LastPlays", "Credits after the last spin")
          : QCoreApplication::translate("LastPlays", "Credits over the last %1 spins")
                .arg(credits_.size());
  painter.save();
  painter.setFont(HeadingFont(kChartTitlePx));
  painter.setPen(art::palette::kGold);
  painter.drawText(
      QRectF(plot.left(), 0, plot.width(), kChartTop), Qt::AlignCenter,
      credits_.empty() ? QCoreApplication::translate("LastPlays", "No spins yet") : title);
  painter.restore();
  if (credits_.empty()) return;

  const QStringList labels = AxisLabels();
  const QColor grid = palette().mid().color();
  for (std::size_t i = 0; i < ticks_.size(); ++i) {
    const double y = plot.bottom() - plot.height() * static_cast<double>(i) /
                                         static_cast<double>(ticks_.size() - 1);
    painter.setPen(QPen(grid, 0, i == 0 ? Qt::SolidLine : Qt::DotLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(palette().text().color());
    painter.drawText(QRectF(0, y - kChartFontPx, kChartLeftAxis - 6, 2 * kChartFontPx),
                     Qt::AlignRight | Qt::AlignVCenter, labels[static_cast<qsizetype>(i)]);
  }
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  const QRectF below(plot.left(), plot.bottom() + 3, plot.width(), kChartBottomAxis - 3);
  const qsizetype spinLabels = labels.size() - 2;
  painter.drawText(below, Qt::AlignLeft | Qt::AlignTop,
                   QCoreApplication::translate("LastPlays", "Spin %1").arg(labels[spinLabels]));
  if (credits_.size() > 1)
    painter.drawText(below, Qt::AlignRight | Qt::AlignTop, labels[spinLabels + 1]);

  QPainterPath line(PointAt(0, plot));
  for (std::size_t i = 1; i < credits_.size(); ++i)
    line.lineTo(PointAt(i, plot));
  painter.setPen(QPen(palette().highlight(), 2));
  painter.drawPath(line);
  painter.setBrush(palette().highlight());
  painter.drawEllipse(PointAt(credits_.size() - 1, plot), 3, 3);  // where the game stands now
}

}  // namespace vexlor
