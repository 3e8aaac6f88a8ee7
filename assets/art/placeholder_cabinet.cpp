// Temporary flat pictures until the cabinet art is drawn.
#include <QPainter>

#include "assets/art/art.h"
#include "assets/art/palette.h"

namespace vexlor::art {
namespace {
QImage Flat(int w, int h, QColor c) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(c);
  return image;
}
}  // namespace

QImage Background() {
  return Flat(800, 600, palette::kBody);
}
QImage DimmedTitlePanel() {
  return Flat(302, 143, palette::kBodyDark);
}
QImage DimmedNamePlate() {
  return Flat(436, 49, palette::kBodyDark);
}
QImage DimmedCoinSpot() {
  return Flat(84, 85, palette::kBodyDark);
}
QImage BetOneButton() {
  return Flat(78, 118, palette::kGold);
}
QImage BetMaxButton() {
  return Flat(78, 118, palette::kGold);
}
QImage SpinButton() {
  return Flat(78, 118, palette::kGold);
}
QImage HoldButton() {
  return Flat(72, 34, palette::kChromeMid);
}
QImage BonusMeter() {
  return Flat(78, 767, palette::kMagenta);
}
QImage LampStrip(LampColour) {
  return Flat(318, 28, Qt::black);
}
QImage LampMask() {
  return Flat(318, 28, Qt::white);
}
QImage Logo() {
  return Flat(125, 95, Qt::black);
}
QImage LogoMask() {
  return Flat(125, 95, Qt::white);
}

}  // namespace vexlor::art
