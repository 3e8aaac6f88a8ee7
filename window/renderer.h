// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "window/background_pieces.h"
#include "window/machine_art.h"

class QPainter;

namespace vexlor {

// Draws the machine into a retained picture of the machine's size. Each
// operation redraws one element from the GameState, which it only reads, and
// reports the rectangle it touched through `onDirty`, so the window repaints
// just that part.
class MachineRenderer : public DrawingHooks {
 public:
  explicit MachineRenderer(const GameState& state) : state_(state) {}

  // A new layout: the pictures for it and a fresh surface of the machine's
  // size. The surface takes the art's background over, as the only whole copy.
  void SetArt(MachineArt art);
  void SetLabelFont(const QFont& font) { labelFont_ = font; }
  const QImage& Surface() const { return surface_; }
  const MachineArt& Art() const { return art_; }
  MachineArt& Art() { return art_; }
  // What is kept of the background: whatever is drawn outside these pieces,
  // but for the reels and buttons, could never be cleared again.
  const BackgroundPieces& Background() const { return background_; }
  int32_t Scale(int32_t designUnits) const override;

  std::function<void(const QRect&)> onDirty;

  // The full repaint from the GameState. The surface starts as the
  // background, which is laid again only where anything has been drawn.
  void FormPaint();
  void Repaint() override { FormPaint(); }

  void DrawReel(int reel) override;
  void DrawReelBlur(int reel, int32_t offset) override;
  void DrawPaylines() override;
  void DrawPayingLines(bool shown) override;
  void CaptureReel(int reel) override;
  void DrawCapturedReel(int reel, int dy) override;

  void DrawCredits() override;
  void DrawCoins() override;
  void DrawHolds() override;
  void DrawWinnings(int32_t value) override;
  int32_t ShownWinnings() const { return shownWinnings_; }  // 0 while the counter is blank
  void DrawWinningsLabel() override;
  void DrawLabels();
  void DrawBonusMeter() override;

  void DrawButton(ButtonId id, bool lit) override;
  void DrawHoldButton(bool lit, int reel) override;
  void DrawLineLamp(int line, bool lit) override;
  void DrawTitlePanel(bool lit);
  void DrawNamePlate(bool lit);
  void DrawCoinSpot(bool lit) override;
  void DrawTitlePanels(bool lit) override;
  void DrawLogo();
  // The pull lever, `pull` of the way down (0 at rest, 1 fully pulled).
  void DrawLever(double pull);
  bool CanDrawLever() const;  // the lever has its pictures (not on a replaced background)

 private:
  enum Counter { kCredits, kCoins, kHolds, kWinnings };
  // `rect` was drawn: the window repaints it, and the next full repaint lays
  // the background there again.
  void Dirty(const QRect& rect);
  void LayBackground();         // over everything drawn since the surface was the background
  QRegion DrawnOpaque() const;  // the reels and buttons: drawn whole, never cleared
  QRegion DrawnOverBackground() const;  // where anything else may ever be drawn
  QRegion PaylinesReach() const;        // the guide lines and the paying strokes along them
  void PaintReel(int reel);             // the reel's symbols, without the guide lines over them
  void DrawPanel(const DesignRect& design, const QImage& dimmed, bool lit);
  void PaintHoldButton(bool lit, int reel);
  double PayingWidth() const;
  void DrawPayingStrokes(QPainter& painter);
  void LightPayRows();
  QRect PayRowsReach() const;  // where lighting any row of the pay table draws
  void DrawCounter(Counter counter, int32_t value, int x, bool green, bool rightAligned, int room);
  void DrawCounter(Counter counter, const design::Counter& place, int32_t value);
  void DrawLabel(const design::Label& label);
  QRect MeterPlace() const;  // where the bonus meter's frames are drawn
  QRect ReelWindow(int reel) const;

  const GameState& state_;
  MachineArt art_;  // its background handed to the surface
  QImage surface_;
  BackgroundPieces background_;
  QFont labelFont_;
  std::array<QImage, kReelCount> scratch_;  // each reel's window, kept for its stop bounce
  std::array<QRect, 4> counterExtent_{};    // where each counter drew last
  std::array<std::optional<bool>, 3> buttonShown_{};  // whether each button is lit on the surface
  void JoinDrawnLately();                             // into drawn_
  static constexpr std::size_t kDrawnLately = 32;
  QRegion drawn_;                   // where the surface may differ from the background,
  std::vector<QRect> drawnLately_;  // with these, each once (at most kDrawnLately)
  bool payingShown_ = false;        // a win is being counted
  int32_t shownWinnings_ = 0;
};

}  // namespace vexlor
