#include "window/renderer.h"

#include <QPainter>

#include "engine/reels.h"
#include "window/layout.h"

namespace vexlor {
namespace {

constexpr int kCaptureShortfall = 8;  // the bottom rows of a reel are left out of the bounce

const QColor kGuideRed(255, 0, 0);
const QColor kGuideBlue(0, 0, 255);
const QColor kGuideGreen(0, 128, 0);

}  // namespace

void MachineRenderer::SetArt(MachineArt art) {
  art_ = std::move(art);
  surface_ = QImage(art_.background.size(), QImage::Format_RGB32);
  surface_.fill(Qt::black);
  scratch_ = {};
  counterExtent_ = {};
}

int32_t MachineRenderer::Scale(int32_t designUnits) const {
  return ScaleBy(art_.layoutWidth, designUnits);
}

void MachineRenderer::Dirty(const QRect& rect) {
  if (onDirty && !rect.isEmpty()) onDirty(rect);
}

QRect MachineRenderer::ReelWindow(int reel) const {
  return QRect(state_.ReelLeft + reel * state_.ReelPitch, state_.ReelTop, state_.CellSize,
               3 * state_.CellSize);
}

void MachineRenderer::FormPaint() {
  {
    QPainter painter(&surface_);
    painter.drawImage(0, 0, art_.background);
  }
  counterExtent_ = {};
  for (int reel = 0; reel < kReelCount; ++reel)
    DrawReel(reel);
  DrawCredits();
  DrawCoins();
  DrawHolds();
  DrawLabels();
  DrawBonusMeter();
  DrawPaylines();
  for (ButtonId id : {ButtonId::BetOne, ButtonId::BetMax, ButtonId::Spin})
    DrawButton(id, true);
  for (int line = 0; line < kLineCount; ++line) {
    if (line < state_.CoinsBet) DrawLineLamp(line, true);
  }
  DrawLogo();
  Dirty(surface_.rect());
}

void MachineRenderer::DrawReel(int reel) {
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
  DrawPaylines();
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

void MachineRenderer::DrawPaylines() {
  const int cell = state_.CellSize;
  const int x0 = state_.ReelLeft - 4;
  const int x1 = x0 + 2 * state_.ReelPitch + cell + 12;
  const int yRed = state_.ReelTop + cell + cell / 2;
  const int yBlue = state_.ReelTop + cell / 2 - 2;
  const int yGreen = state_.ReelTop + 2 * cell + cell / 2;
  {
    QPainter painter(&surface_);
    for (const auto& [y, colour] : {std::pair{yRed, kGuideRed}, std::pair{yBlue, kGuideBlue},
                                    std::pair{yGreen, kGuideGreen}}) {
      painter.fillRect(QRect(x0, y, x1 - x0, 1), colour);
    }
  }
  Dirty(QRect(x0, yBlue, x1 - x0, yGreen - yBlue + 1));
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
  const QRect region = Scaled(art_.layoutWidth, kButtons[index]);
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.buttons[index][lit ? 1 : 0]);
  }
  Dirty(region);
}

void MachineRenderer::DrawHoldButton(bool lit, int reel) {
  if (state_.ReelHeld[reel]) return;  // a held reel's button keeps what it showed
  const QRect region = Scaled(art_.layoutWidth, kHoldButtons[reel]);
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.hold[lit ? 1 : 0]);
  }
  Dirty(region);
}

void MachineRenderer::DrawLineLamp(int line, bool lit) {
  const QRect region = Scaled(art_.layoutWidth, kLampRows[line]);
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
      painter.drawImage(region.topLeft(), art_.background,
                        region);  // lit is the background's own look
    } else {
      painter.drawImage(region.topLeft(), dimmed);
    }
  }
  Dirty(region);
}

void MachineRenderer::DrawTitlePanel(bool lit) {
  DrawPanel(kTitlePanel, art_.dimTitle, lit);
}
void MachineRenderer::DrawNamePlate(bool lit) {
  DrawPanel(kNamePlate, art_.dimNamePlate, lit);
}
void MachineRenderer::DrawCoinSpot(bool lit) {
  DrawPanel(kCoinSpot, art_.dimCoinSpot, lit);
}

void MachineRenderer::DrawTitlePanels(bool lit) {
  DrawTitlePanel(lit);
  DrawNamePlate(lit);
}

void MachineRenderer::DrawLogo() {
  const QRect region(QPoint(Scale(10), Scale(10)), art_.logo.size());
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.logo);
  }
  Dirty(region);
}

}  // namespace vexlor
