// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/renderer.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "engine/evaluate.h"
#include "engine/reels.h"
#include "window/layout.h"

namespace vexlor {
namespace {

constexpr int kCaptureShortfall = 8;  // the bottom rows of a reel are left out of the bounce

const QColor kGuideRed(255, 0, 0);
const QColor kGuideBlue(0, 0, 255);
const QColor kGuideGreen(0, 128, 0);
// The paying lines and their pay table rows, by line: the lamps' own colours.
const std::array<QColor, kLineCount> kPayingColours = {QColor(255, 48, 48), QColor(64, 140, 255),
                                                       QColor(40, 220, 90)};

}  // namespace

void MachineRenderer::SetArt(MachineArt art) {
  art_ = std::move(art);
  // The surface starts as the background, sharing its pixels until the first drawing.
  surface_ = art_.background.convertToFormat(QImage::Format_RGB32);
  scratch_ = {};
  counterExtent_ = {};
  buttonShown_ = {};
  drawn_ = QRegion();
}

int32_t MachineRenderer::Scale(int32_t designUnits) const {
  return ScaleBy(art_.layoutWidth, designUnits);
}

void MachineRenderer::Dirty(const QRect& rect) {
  if (rect.isEmpty()) return;
  // A little wider than reported, for the anti-aliased edges of strokes and text.
  drawn_ += rect.adjusted(-2, -2, 2, 2);
  if (onDirty) onDirty(rect);
}

void MachineRenderer::LayBackground() {
  // The reels and the buttons are drawn whole and opaque over their places next.
  for (int reel = 0; reel < kReelCount; ++reel)
    drawn_ -= ReelWindow(reel);
  for (const DesignRect& button : design::kButtons)
    drawn_ -= Scaled(art_.layoutWidth, button);
  QPainter painter(&surface_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& rect : drawn_)
    painter.drawImage(rect.topLeft(), art_.background, rect);
  drawn_ = QRegion();
}

QRect MachineRenderer::ReelWindow(int reel) const {
  return QRect(state_.ReelLeft + reel * state_.ReelPitch, state_.ReelTop, state_.CellSize,
               3 * state_.CellSize);
}

void MachineRenderer::FormPaint() {
  LayBackground();
  counterExtent_ = {};
  buttonShown_ = {};
  for (int reel = 0; reel < kReelCount; ++reel)
    PaintReel(reel);
  DrawCredits();
  DrawCoins();
  DrawHolds();
  DrawLabels();
  DrawBonusMeter();
  DrawPaylines();
  for (ButtonId id : {ButtonId::BetOne, ButtonId::BetMax, ButtonId::Spin})
    DrawButton(id, true);
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (state_.ReelHeld[reel]) PaintHoldButton(true, reel);  // a held reel's button stays lit
  }
  for (int line = 0; line < kLineCount; ++line) {
    if (line < state_.CoinsBet) DrawLineLamp(line, true);
  }
  DrawLogo();
  if (payingShown_) LightPayRows();
  if (onDirty) onDirty(surface_.rect());
}

void MachineRenderer::DrawReel(int reel) {
  PaintReel(reel);
  DrawPaylines();
}

void MachineRenderer::PaintReel(int reel) {
  const QRect window = ReelWindow(reel);
  const int cell = state_.CellSize;
  {
    QPainter painter(&surface_);
    int32_t position = state_.ReelStop[reel];
    for (int row = 0; row < 3; ++row) {
      const int sheet = SheetIndex(state_, reel, position);
      painter.drawImage(QPoint(window.x(), window.y() + row * cell), art_.symbolSheet,
                        QRect(cell * (sheet % 4), cell * (sheet / 4), cell, cell));
      position = position % kStripLength + 1;
    }
  }
  Dirty(window);
}

void MachineRenderer::DrawReelBlur(int reel, int32_t offset) {
  const QRect window = ReelWindow(reel);
  const int strip = std::min(state_.BlurHeight, art_.blurStrip.height());
  {
    QPainter painter(&surface_);
    painter.setClipRect(window);
    if (strip <= 0) {
      painter.fillRect(window, Qt::black);
    } else {
      // The strip is cyclic: the window continues from its top when it runs off the end.
      int y = 0;
      int from = ((offset % strip) + strip) % strip;
      while (y < window.height()) {
        const int rows = std::min(strip - from, window.height() - y);
        painter.drawImage(QPoint(window.x(), window.y() + y), art_.blurStrip,
                          QRect(0, from, state_.CellSize, rows));
        y += rows;
        from = 0;
      }
    }
  }
  Dirty(window);
  DrawPaylines();
}

namespace {

// Where the guide line of `line` runs: its row and its ends.
struct GuideRun {
  int x0, x1, y;
};
GuideRun GuideOf(const GameState& state, int line) {
  const int cell = state.CellSize;
  const int x0 = state.ReelLeft - 4;
  const int x1 = x0 + 2 * state.ReelPitch + cell + 12;
  const std::array<int, kLineCount> rows = {state.ReelTop + cell + cell / 2,
                                            state.ReelTop + cell / 2 - 2,
                                            state.ReelTop + 2 * cell + cell / 2};
  return {x0, x1, rows[static_cast<std::size_t>(line)]};
}

}  // namespace

void MachineRenderer::DrawPaylines() {
  // One pixel wide up to a layout of 1600; beyond, as wide as the machine grows.
  const int width = std::max(1, static_cast<int>(std::lround(GrowthFactor(art_.layoutWidth))));
  const int above = (width - 1) / 2;
  QRect dirty;
  {
    QPainter painter(&surface_);
    const std::array<QColor, kLineCount> colours = {kGuideRed, kGuideBlue, kGuideGreen};
    for (int line = 0; line < kLineCount; ++line) {
      const GuideRun run = GuideOf(state_, line);
      const QRect stroke(run.x0, run.y - above, run.x1 - run.x0, width);
      painter.fillRect(stroke, colours[static_cast<std::size_t>(line)]);
      dirty |= stroke;
    }
    if (payingShown_)
      dirty |= DrawPayingStrokes(painter, width) | ReelWindow(0) | ReelWindow(kReelCount - 1);
  }
  Dirty(dirty);
}

QRect MachineRenderer::DrawPayingStrokes(QPainter& painter, int guideWidth) {
  const double width = std::max<double>(Scale(5), 3 * guideWidth);
  const double reach = 1.1 * width + 1;  // the glow's round caps and sides
  QRect drawn;
  painter.setRenderHint(QPainter::Antialiasing);
  for (int line = 0; line < kLineCount; ++line) {
    if (!state_.LineWon[static_cast<std::size_t>(line)]) continue;
    const GuideRun run = GuideOf(state_, line);
    const QLineF across(run.x0 + width, run.y + 0.5, run.x1 - width, run.y + 0.5);
    drawn |=
        QRectF(across.p1(), across.p2()).adjusted(-reach, -reach, reach, reach).toAlignedRect();
    const QColor colour = kPayingColours[static_cast<std::size_t>(line)];
    QColor glow = colour;
    glow.setAlpha(90);
    painter.setPen(QPen(glow, 2.2 * width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(across);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(across);
    painter.setPen(
        QPen(QColor(255, 255, 255, 170), std::max(1.0, width / 3), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(across);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  return drawn;
}

void MachineRenderer::DrawPayingLines(bool shown) {
  payingShown_ = shown;
  if (shown) {
    DrawPaylines();
    LightPayRows();
    return;
  }
  for (int reel = 0; reel < kReelCount; ++reel)
    DrawReel(reel);
  if (!art_.ledWindows) return;  // a replaced background has no pay table of ours
  const QRect table = Scaled(art_.layoutWidth, design::kPayTable);
  {
    QPainter painter(&surface_);
    painter.drawImage(table.topLeft(), art_.background, table);
  }
  Dirty(table);
}

void MachineRenderer::LightPayRows() {
  if (!art_.ledWindows) return;
  const double unit = static_cast<double>(art_.layoutWidth) / kDesignWidth;
  QPainter painter(&surface_);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int line = 0; line < kLineCount; ++line) {
    if (!state_.LineWon[static_cast<std::size_t>(line)]) continue;
    const int symbol = PayingSymbolOf(state_, line);
    if (symbol < 0) continue;
    const QRectF row(unit * (design::kPayTable.left + design::kPayRowInset),
                     unit * (design::kPayRowTop + symbol * design::kPayRowHeight),
                     unit * (design::kPayTable.width() - 2 * design::kPayRowInset),
                     unit * (design::kPayRowHeight - design::kPayRowGap));
    QColor fill = kPayingColours[static_cast<std::size_t>(line)];
    fill.setAlpha(70);
    painter.setBrush(fill);
    painter.setPen(QPen(kPayingColours[static_cast<std::size_t>(line)], 2.5 * unit));
    painter.drawRoundedRect(row, 8 * unit, 8 * unit);
    const int pen = static_cast<int>(std::ceil(1.25 * unit)) + 1;  // half the outline, and its edge
    Dirty(row.toAlignedRect().adjusted(-pen, -pen, pen, pen));
  }
}

void MachineRenderer::CaptureReel(int reel) {
  const QRect window = ReelWindow(reel);
  scratch_[reel] = surface_.copy(window.x(), window.y(), window.width(),
                                 std::max(0, window.height() - kCaptureShortfall));
}

void MachineRenderer::DrawCapturedReel(int reel, int dy) {
  const QRect window = ReelWindow(reel);
  {
    QPainter painter(&surface_);
    painter.setClipRect(window);  // the bounce never spills onto the bezel
    painter.drawImage(window.x(), window.y() + dy, scratch_[reel]);
  }
  Dirty(window);
  DrawPaylines();
}

void MachineRenderer::DrawButton(ButtonId id, bool lit) {
  const int index = id == ButtonId::BetOne ? 0 : (id == ButtonId::BetMax ? 1 : 2);
  // The lamps blink several times a second for hours: one that stays as it is costs nothing.
  if (buttonShown_[static_cast<std::size_t>(index)] == lit) return;
  buttonShown_[static_cast<std::size_t>(index)] = lit;
  const QRect region = Scaled(art_.layoutWidth, design::kButtons[index]);
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.buttons[index][lit ? 1 : 0]);
  }
  Dirty(region);
}

void MachineRenderer::DrawHoldButton(bool lit, int reel) {
  if (state_.ReelHeld[reel]) return;  // a held reel's button keeps what it showed
  PaintHoldButton(lit, reel);
}

void MachineRenderer::PaintHoldButton(bool lit, int reel) {
  const QRect region = Scaled(art_.layoutWidth, design::kHoldButtons[reel]);
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.hold[lit ? 1 : 0]);
  }
  Dirty(region);
}

void MachineRenderer::DrawLineLamp(int line, bool lit) {
  const QRect region = Scaled(art_.layoutWidth, design::kLampRows[line]);
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.lamps[line][lit ? 1 : 0]);
  }
  Dirty(region);
}

void MachineRenderer::DrawPanel(const DesignRect& design, const QImage& dimmed, bool lit) {
  const QRect region = Scaled(art_.layoutWidth, design);
  {
    QPainter painter(&surface_);
    if (lit) {
      painter.drawImage(region.topLeft(), art_.background, region);  // the background's own look
    } else {
      painter.drawImage(region.topLeft(), dimmed);
    }
  }
  Dirty(region);
}

void MachineRenderer::DrawTitlePanel(bool lit) {
  DrawPanel(design::kTitlePanel, art_.dimTitle, lit);
}
void MachineRenderer::DrawNamePlate(bool lit) {
  DrawPanel(design::kNamePlate, art_.dimNamePlate, lit);
}
void MachineRenderer::DrawCoinSpot(bool lit) {
  DrawPanel(design::kCoinSpot, art_.dimCoinSpot, lit);
}

void MachineRenderer::DrawTitlePanels(bool lit) {
  DrawTitlePanel(lit);
  DrawNamePlate(lit);
}

void MachineRenderer::DrawLogo() {
  const QRect region(QPoint(Scale(design::kLogoAt.x), Scale(design::kLogoAt.y)), art_.logo.size());
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.logo);
  }
  Dirty(region);
}

bool MachineRenderer::CanDrawLever() const {
  return !art_.leverArm.isNull();
}

void MachineRenderer::DrawLever(double pull) {
  const QRect region = art_.leverRegion;
  if (region.isEmpty()) return;
  QPainter painter(&surface_);
  if (pull <= 0 || !CanDrawLever()) {
    painter.drawImage(region.topLeft(), art_.background, region);  // at rest, as drawn
    Dirty(region);
    return;
  }
  // Pulled toward the player the rod turns about the hub and looks shorter;
  // the ball on its end stays round.
  const double squash = 1.0 - 0.8 * std::min(pull, 1.0);
  const QPointF pivot = art_.leverPivot;
  const auto down = [&](double y) { return pivot.y() + (y - pivot.y()) * squash; };
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(region.topLeft(), art_.leverBackdrop);
  const int armLeft = region.left() + art_.leverArmLeft;
  painter.drawImage(QRectF(armLeft, down(region.top()), art_.leverArm.width(),
                           down(region.top() + region.height()) - down(region.top())),
                    art_.leverArm);
  const QPointF knob(Scale(design::kLeverKnob.x), Scale(design::kLeverKnob.y));
  const double radius = Scale(design::kLeverKnobRadius + 3);
  const QRectF ball(knob.x() - radius, knob.y() - radius, 2 * radius, 2 * radius);
  QPainterPath round;
  round.addEllipse(ball.translated(0, down(knob.y()) - knob.y()));
  painter.setClipPath(round);
  painter.drawImage(ball.translated(0, down(knob.y()) - knob.y()), art_.leverArm,
                    ball.translated(-armLeft, -region.top()));
  painter.setClipping(false);
  painter.drawImage(art_.leverHubAt, art_.leverHub);
  Dirty(region);
}

}  // namespace vexlor
