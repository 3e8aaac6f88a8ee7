// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "bonus/round_art.h"
#include "engine/game_state.h"
#include "engine/hooks.h"

namespace vexlor {

// What the round needs from the main window.
struct RoundEnvironment {
  QRect screen;                 // the screen, logical pixels
  double devicePixelRatio = 1;  // of the screen
  double logicalDpi = 96;       // below 100 the round opens maximised
  // How many times its own size the round is drawn, its hit areas and prize
  // included: 1, or the machine's growth on a screen wider than 1280.
  double zoom = 1;
  std::function<int32_t(int32_t n)> random;   // the game's generator: 0..n-1
  std::function<void(const QString&)> error;  // the error box
  // The game's clock, and calls at its moments (see WindowEnvironment::at).
  // Without them the round's timers move only when Advance is called.
  std::function<int64_t()> clock;
  std::function<void(QObject* context, int64_t dueMs, std::function<void()> call)> at;
};

// The bonus round: a borderless, screen-filling window in which the player
// picks one of five closed tokens; it opens in two steps and shows its prize,
// and three seconds later the window closes. Its timers run on the game
// clock. The window pays nothing itself: when it closes it says what prize
// it revealed (Settled).
class TTrickForm : public QWidget {
  Q_OBJECT
 public:
  TTrickForm(const GameState& state, SoundHooks& sound, RoundEnvironment env,
             QWidget* parent = nullptr);

  // Creation: round state, size and place, the pictures (bonus1.jpg in place
  // of the built-in background), the token places; then the first paint.
  void FormCreate();
  // The full repaint: the picture and all five tokens closed.
  void FormPaint();
  // A press at `at` (logical window pixels), and any key pressed afresh.
  void FormMouseDown(QPoint at);
  void FormKeyDown();
  // What a press on token 0..4 does: picks it, unless one is picked.
  void PressToken(int token);
  void Timer1Timer();  // the opening animation, every 200 ms once picked
  void Timer2Timer();  // closes the window 3 s after the reveal
  void ShowPrize();

  // Fires the timers due at `nowMs` on the game clock.
  void Advance(int64_t nowMs);

 signals:
  // The round has closed: the prize it revealed, or 0. While the machine is
  // closing (StopRequested) a round not yet shown through is settled at once,
  // with the token picked, or one picked for the player.
  void Settled(int32_t prize);
  // A token was picked, or its prize shown.
  void RoundChanged();

 public:
  bool Closed() const { return closed_; }
  int Picked() const { return picked_; }
  int OpenStep() const { return openStep_; }
  int32_t RoundPrize() const { return roundPrize_; }
  // Where the picture's top-left corner stands in the window (logical pixels);
  // its pixels are Zoom() logical pixels wide.
  QPoint PictureOrigin() const { return origin_; }
  double Zoom() const { return env_.zoom; }
  const QImage& Surface() const { return surface_; }
  // Where token 0..4 stands in the window, logical pixels.
  QRect TokenRect(int token) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Pick(int token);
  void WakeAt(int64_t dueMs);
  QPoint TokenCorner(int token) const;
  int Zoomed(int pixels) const;
  void DrawToken(int token, int frame);
  void DrawSurround();
  void DrawPrize();

  const GameState& state_;
  SoundHooks& sound_;
  RoundEnvironment env_;
  RoundArt art_;
  QImage surface_;  // retained: an expose shows what was drawn, prize and all
  QPoint origin_;
  int picked_ = -1;
  int openStep_ = 0;
  int32_t roundPrize_ = 0;
  bool closed_ = false;
  int64_t now_ = 0;
  int64_t timer1Due_ = -1;  // the next Timer1 tick on the game clock; -1 while off
  int64_t timer2Due_ = -1;
};

}  // namespace vexlor
