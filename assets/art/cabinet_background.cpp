// SPDX-License-Identifier: GPL-3.0-or-later
// The 800 x 600 background: every part of the machine put together, and the
// dimmed panels and the lever's layers cut from the same drawing so they line
// up with it exactly.
#include "assets/art/cabinet_common.h"
#include "assets/art/memo.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

const QRect kWhole(0, 0, design::kWidth, design::kHeight);

// Draws `part` in the local coordinates of `region`, clipped to it.
template <typename Part>
void InRegion(QPainter& p, const QRect& region, Part part) {
  p.save();
  p.setClipRect(region);
  p.translate(region.topLeft());
  part(p);
  p.restore();
}

void StartPainting(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The whole machine but the panels that flash, with or without the lever's
// rod, knob and hub (its mount is always there).
QImage DrawBase(bool lever) {
  QImage image = Canvas(kWhole.width(), kWhole.height(), kRoom);
  QPainter p(&image);
  StartPainting(p);
  DrawRoom(p);
  DrawPayTable(p);
  DrawGrille(p, QRectF(18, 554, 178, 40));
  DrawGrille(p, QRectF(690, 446, 98, 144));
  DrawShell(p);
  DrawLeverMount(p);
  if (lever) {
    DrawLeverArm(p);
    DrawLeverHub(p);
  }
  DrawConsole(p);
  DrawColumn(p);
  DrawReelArea(p);
  // The controls, shown in their resting state.
  const QImage hold = HoldButton();
  for (int i = 0; i < 3; ++i)
    p.drawImage(HoldRect(i).topLeft(), hold, Pixels(QRect(0, 0, 72, 17)));
  const QRect upperHalf = Pixels(QRect(0, 0, 78, 59));
  p.drawImage(kSpinRect.topLeft(), SpinButton(), upperHalf);
  p.drawImage(kBetOneRect.topLeft(), BetOneButton(), upperHalf);
  p.drawImage(kBetMaxRect.topLeft(), BetMaxButton(), upperHalf);
  p.end();
  return image;
}

struct CabinetState {
  bool titleLit = true;
  bool plateLit = true;
  bool coinLit = true;
  bool lever = true;
};

// `region` of the machine in `state`: the base, drawn once for all the
// pictures, with those of the flashing panels over it that reach into the region.
QImage Cut(const CabinetState& state, const QRect& region) {
  static Memo bases;
  QImage image = bases.Get(state.lever, [&state] { return DrawBase(state.lever); });
  QPainter p(&image);
  StartPainting(p);
  if (region.intersects(kTitleRect)) {
    InRegion(p, kTitleRect, [&state](QPainter& q) { DrawTitlePanel(q, state.titleLit); });
  }
  if (region.intersects(kCoinRect)) {
    InRegion(p, kCoinRect, [&state](QPainter& q) { DrawCoinSpot(q, state.coinLit); });
  }
  if (region.intersects(kPlateRect)) {
    InRegion(p, kPlateRect, [&state](QPainter& q) { DrawNamePlate(q, state.plateLit); });
  }
  p.end();
  return image.copy(Pixels(region)).convertToFormat(QImage::Format_RGB32);
}

// One part of the lever alone, on a transparent picture of the lever's region.
QImage LeverLayer(void (*part)(QPainter&)) {
  QImage image = Canvas(kLeverRect.width(), kLeverRect.height());
  QPainter p(&image);
  StartPainting(p);
  p.translate(-kLeverRect.topLeft());
  part(p);
  p.end();
  return image;
}

}  // namespace
}  // namespace vexlor::art::cabinet

namespace vexlor::art {
using namespace cabinet;

QImage Background() {
  return Cut({}, kWhole);
}

QImage DimmedTitlePanel() {
  return Cut({.titleLit = false}, kTitleRect);
}

QImage DimmedNamePlate() {
  return Cut({.plateLit = false}, kPlateRect);
}

QImage DimmedCoinSpot() {
  return Cut({.coinLit = false}, kCoinRect);
}

QImage LeverBackdrop() {
  return Cut({.lever = false}, kLeverRect);
}

QImage LeverArm() {
  return LeverLayer(DrawLeverArm);
}

QImage LeverHub() {
  return LeverLayer(DrawLeverHub);
}

}  // namespace vexlor::art
