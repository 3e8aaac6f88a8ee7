// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/side_window.h"

#include <QApplication>

namespace vexlor {

QFont WindowFont(int pixelHeight, bool bold) {
  QFont font = QApplication::font();
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QIcon StandardIcon(QStyle::StandardPixmap which) {
  // Kept as a property of the application, so the icons go with it.
  const QByteArray name = "vexlorStandardIcon" + QByteArray::number(static_cast<int>(which));
  QVariant kept = qApp->property(name.constData());
  if (!kept.isValid()) {
    kept = QVariant::fromValue(QApplication::style()->standardIcon(which));
    qApp->setProperty(name.constData(), kept);
  }
  return kept.value<QIcon>();
}

}  // namespace vexlor
