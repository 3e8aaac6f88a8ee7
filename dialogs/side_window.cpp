#include "dialogs/side_window.h"

#include <QApplication>

namespace vexlor {

QFont WindowFont(int pixelHeight, bool bold) {
  QFont font = QApplication::font();
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

}  // namespace vexlor
