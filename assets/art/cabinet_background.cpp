// The 800 x 600 background: every part of the machine put together, and the
// dimmed panels cut from the same drawing so lit and dim line up exactly.
#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

// Draws `part` in the local coordinates of `region`, clipped to it.
template <typename Part>
void InRegion(QPainter& p, const QRect& region, Part part) {
  p.save();
  p.setClipRect(region);
  p.translate(region.topLeft());
  part(p);
  p.restore();
}

}  // namespace

QImage RenderCabinet(bool titleLit, bool plateLit, bool coinLit) {
  QImage image = Canvas(800, 600, kRoom);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  DrawRoom(p);
  DrawPayTable(p);
  DrawGrille(p, QRectF(18, 554, 178, 40));
  DrawGrille(p, QRectF(690, 446, 98, 144));
  DrawShell(p);
  DrawHandle(p);
  DrawConsole(p);
  DrawColumn(p);
  DrawReelArea(p);
  // The controls, shown in their resting state.
  const QImage hold = HoldButton();
  for (int i = 0; i < 3; ++i)
    p.drawImage(HoldRect(i).topLeft(), hold, QRect(0, 0, 72, 17));
  p.drawImage(kSpinRect.topLeft(), SpinButton(), QRect(0, 0, 78, 59));
  p.drawImage(kBetOneRect.topLeft(), BetOneButton(), QRect(0, 0, 78, 59));
  p.drawImage(kBetMaxRect.topLeft(), BetMaxButton(), QRect(0, 0, 78, 59));
  // The parts that flash.
  InRegion(p, kTitleRect, [titleLit](QPainter& q) { DrawTitlePanel(q, titleLit); });
  InRegion(p, kCoinRect, [coinLit](QPainter& q) { DrawCoinSpot(q, coinLit); });
  InRegion(p, kPlateRect, [plateLit](QPainter& q) { DrawNamePlate(q, plateLit); });
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vexlor::art::cabinet

namespace vexlor::art {
using namespace cabinet;

QImage Background() {
  return RenderCabinet(true, true, true);
}

QImage DimmedTitlePanel() {
  return RenderCabinet(false, true, true).copy(kTitleRect);
}

QImage DimmedNamePlate() {
  return RenderCabinet(true, false, true).copy(kPlateRect);
}

QImage DimmedCoinSpot() {
  return RenderCabinet(true, true, false).copy(kCoinRect);
}

}  // namespace vexlor::art
