// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/renderer.h"

#include <QPainter>
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
  // The surface starts as the background, sharing its pixels, and keeps the
  // only whole copy: of the background itself just the pieces that anything
  // is drawn over are kept, to clear it again.
  surface_ = art_.background.convertToFormat(QImage::Format_RGB32);
  art_.background = QImage();
  background_ = BackgroundPieces(surface_, DrawnOverBackground());
  scratch_ = {};
  counterExtent_ = {};
  buttonShown_ = {};
  drawn_ = QRegion();
  drawnLately_.clear();
}

int32_t MachineRenderer::Scale(int32_t designUnits) const {
  return ScaleBy(art_.layoutWidth, designUnits);
}

void MachineRenderer::Dirty(const QRect& rect) {
  if (rect.isEmpty()) return;
  // A little wider than reported, for the anti-aliased edges of strokes and text.
  // Most frames report the same few rectangles again: they are kept once, and
  // joined into the region only when many different ones have gathered.
  const QRect wider = rect.adjusted(-2, -2, 2, 2);
  if (std::find(drawnLately_.begin(), drawnLately_.end(), wider) == drawnLately_.end()) {
    if (drawnLately_.size() >= kDrawnLately) JoinDrawnLately();
    drawnLately_.push_back(wider);
  }
  if (onDirty) onDirty(rect);
}

void MachineRenderer::JoinDrawnLately() {
  for (const QRect& rect : drawnLately_)
    drawn_ += rect;
  drawnLately_.clear();
}

QRegion MachineRenderer::DrawnOpaque() const {
  QRegion opaque;
  for (int reel = 0; reel < kReelCount; ++reel)
    opaque += ReelWindow(reel);
  for (const DesignRect& button : design::kButtons)
    opaque += Scaled(art_.layoutWidth, button);
  return opaque;
}

void MachineRenderer::LayBackground() {
  // The reels and the buttons are drawn whole and opaque over their places next.
  JoinDrawnLately();
  drawn_ -= DrawnOpaque();
  QPainter painter(&surface_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& rect : drawn_)
    background_.Draw(painter, rect);
  drawn_ = QRegion();
}

QRegion MachineRenderer::DrawnOverBackground() const {
  const int32_t width = art_.layoutWidth;
  const auto scaled = [width](const DesignRect& rect) { return Scaled(width, rect); };
  QRegion over = PaylinesReach() + art_.leverRegion + MeterPlace() + scaled(design::kBonusMeterBox);
  // The counters, their blanks and labels, as deep as the digits reach.
  const QRect console = scaled(design::kCounterConsole);
  over += console;
  over +=
      QRect(console.left(), Scale(design::kCounterTop), console.width(), art_.digits.cell.height());
  for (const DesignRect& lamps : design::kLampRows)
    over += scaled(lamps);
  for (const DesignRect& hold : design::kHoldButtons)
    over += scaled(hold) | QRect(scaled(hold).topLeft(), art_.hold[0].size());
  for (const DesignRect& panel : {design::kTitlePanel, design::kNamePlate, design::kCoinSpot})
    over += scaled(panel);
  over += QRect(QPoint(Scale(design::kLogoAt.x), Scale(design::kLogoAt.y)), art_.logo.size());
  if (art_.ledWindows) over += PayRowsReach();
  // As wide as Dirty() takes what is drawn, for anti-aliased edges.
  QRegion margined;
  for (const QRect& rect : over)
    margined += rect.adjusted(-2, -2, 2, 2);
  return margined - DrawnOpaque();
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

// One pixel wide up to a layout of 1600; beyond, as wide as the machine grows.
int GuideWidth(int32_t layoutWidth) {
  return std::max(1, static_cast<int>(std::lround(GrowthFactor(layoutWidth))));
}
QRect GuideStroke(const GuideRun& run, int width) {
  return QRect(run.x0, run.y - (width - 1) / 2, run.x1 - run.x0, width);
}

// The paying stroke along a guide line, and where it draws with its glow's round caps and sides.
QLineF PayingAcross(const GuideRun& run, double width) {
  return QLineF(run.x0 + width, run.y + 0.5, run.x1 - width, run.y + 0.5);
}
QRect PayingReach(const GuideRun& run, double width) {
  const double reach = 1.1 * width + 1;
  const QLineF across = PayingAcross(run, width);
  return QRectF(across.p1(), across.p2()).adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

}  // namespace

void MachineRenderer::DrawPaylines() {
  const int width = GuideWidth(art_.layoutWidth);
  std::array<QRect, kLineCount> drawn;
  {
    QPainter painter(&surface_);
    const std::array<QColor, kLineCount> colours = {kGuideRed, kGuideBlue, kGuideGreen};
    for (std::size_t line = 0; line < kLineCount; ++line) {
      drawn[line] = GuideStroke(GuideOf(state_, static_cast<int>(line)), width);
      painter.fillRect(drawn[line], colours[line]);
    }
    if (payingShown_) {
      DrawPayingStrokes(painter);
      for (std::size_t line = 0; line < kLineCount; ++line) {
        if (state_.LineWon[line])
          drawn[line] |= PayingReach(GuideOf(state_, static_cast<int>(line)), PayingWidth());
      }
    }
  }
  // Line by line: between the lines the bezel between the reels stays untouched.
  for (const QRect& line : drawn)
    Dirty(line);
}

QRegion MachineRenderer::PaylinesReach() const {
  QRegion reach;
  for (int line = 0; line < kLineCount; ++line) {
    const GuideRun run = GuideOf(state_, line);
    reach += GuideStroke(run, GuideWidth(art_.layoutWidth)) | PayingReach(run, PayingWidth());
  }
  return reach;
}

double MachineRenderer::PayingWidth() const {
  return std::max<double>(Scale(5), 3 * GuideWidth(art_.layoutWidth));
}

void MachineRenderer::DrawPayingStrokes(QPainter& painter) {
  const double width = PayingWidth();
  painter.setRenderHint(QPainter::Antialiasing);
  for (int line = 0; line < kLineCount; ++line) {
    if (!state_.LineWon[static_cast<std::size_t>(line)]) continue;
    const QLineF across = PayingAcross(GuideOf(state_, line), width);
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
  const QRect rows = PayRowsReach();
  {
    QPainter painter(&surface_);
    background_.Draw(painter, rows);
  }
  Dirty(rows);
}

namespace {

// The pay table's row of `symbol` at a layout, and where lighting it draws:
// half its outline, and the outline's edge, beyond it.
QRectF PayRow(int32_t layoutWidth, int symbol) {
  const double unit = static_cast<double>(layoutWidth) / kDesignWidth;
  return QRectF(unit * (design::kPayTable.left + design::kPayRowInset),
                unit * (design::kPayRowTop + symbol * design::kPayRowHeight),
                unit * (design::kPayTable.width() - 2 * design::kPayRowInset),
                unit * (design::kPayRowHeight - design::kPayRowGap));
}
QRect PayRowReach(int32_t layoutWidth, int symbol) {
  const double unit = static_cast<double>(layoutWidth) / kDesignWidth;
  const int pen = static_cast<int>(std::ceil(1.25 * unit)) + 1;
  return PayRow(layoutWidth, symbol).toAlignedRect().adjusted(-pen, -pen, pen, pen);
}

}  // namespace

QRect MachineRenderer::PayRowsReach() const {
  QRect reach;
  for (int symbol = 0; symbol < kSymbolCount; ++symbol)
    reach |= PayRowReach(art_.layoutWidth, symbol);
  return reach;
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
    const QRectF row = PayRow(art_.layoutWidth, symbol);
    QColor fill = kPayingColours[static_cast<std::size_t>(line)];
    fill.setAlpha(70);
    painter.setBrush(fill);
    painter.setPen(QPen(kPayingColours[static_cast<std::size_t>(line)], 2.5 * unit));
    painter.drawRoundedRect(row, 8 * unit, 8 * unit);
    Dirty(PayRowReach(art_.layoutWidth, symbol));
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

}  // namespace vexlor
