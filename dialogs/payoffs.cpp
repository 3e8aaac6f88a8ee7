// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/payoffs.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

#include "config/identity.h"
#include "dialogs/symbol_words.h"
#include "pictures/picture.h"

namespace vexlor {

TPaychart::TPaychart(const std::filesystem::path& appDir, const SideEnvironment& env,
                     double devicePixelRatio, QSize room, QWidget* parent)
    : QDialog(parent, kSideWindowFlags) {
  setWindowTitle(QCoreApplication::translate("Payoffs", "Payoff Chart"));
  setProperty(kHelpContextProperty, kPayoffChartTopic);
  // The chart is a picture: a screen reader reads its pays and rules instead.
  setAccessibleDescription(PayTableWords());
  FormCreate(appDir, env, devicePixelRatio, room);
}

void TPaychart::FormCreate(const std::filesystem::path& appDir, const SideEnvironment& env,
                           double devicePixelRatio, QSize room) {
  Picture chart = Picture::BuiltIn(Art::PayoffChart);
  // A chart that does not decode keeps the built-in one; the window still opens.
  const Replacement replaced = LoadReplacement(chart, appDir, QStringLiteral("Paychart.jpg"));
  if (!replaced.error.isEmpty())
    env.error(QString::fromStdString(ErrorBoxText(replaced.error.toStdString())));
  QSize size = chart.Size();
  if (!room.isEmpty() && (size.width() > room.width() || size.height() > room.height()))
    size.scale(room, Qt::KeepAspectRatio);
  image1_ = chart.Scaled(QSize(static_cast<int>(std::lround(size.width() * devicePixelRatio)),
                               static_cast<int>(std::lround(size.height() * devicePixelRatio))));
  image1_.setDevicePixelRatio(devicePixelRatio);
  setFixedSize(size);  // the window fits the picture exactly
}

void TPaychart::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(QPoint(0, 0), image1_);
}

}  // namespace vexlor
