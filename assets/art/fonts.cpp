// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/art/fonts.h"

#include <QFontInfo>

namespace vexlor::art {

QFont InstalledFont(const QString& family) {
  const QFont font(family);
  const QString resolved = QFontInfo(font).family();
  if (resolved.compare(family, Qt::CaseInsensitive) != 0) {
    throw MissingFont(QStringLiteral("font \"%1\" is not installed (Qt would draw with \"%2\"); "
                                     "install Debian's fonts-dejavu-core and fonts-dejavu-extra")
                          .arg(family, resolved)
                          .toStdString());
  }
  return font;
}

}  // namespace vexlor::art
