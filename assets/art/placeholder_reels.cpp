// Temporary flat pictures until the reel art is drawn.
#include "assets/art/art.h"
#include "assets/art/palette.h"

namespace vexlor::art {

QImage SymbolSheet() {
  QImage image(304, 304, QImage::Format_RGB32);
  image.fill(palette::kIvory);
  return image;
}
QImage MotionBlur() {
  QImage image(77, 456, QImage::Format_RGB32);
  image.fill(palette::kIvoryShade);
  return image;
}
QImage DigitStrip(bool, bool large) {
  QImage image(large ? 376 : 188, large ? 42 : 21, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}
QVector<QRgb> DigitPalette(bool) {
  return {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)};
}

}  // namespace vexlor::art
