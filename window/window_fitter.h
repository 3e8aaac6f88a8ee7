// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/play_runner.h"
#include "window/artwork.h"
#include "window/environment.h"
#include "window/renderer.h"
#include "window/window_fit.h"

class QMainWindow;

namespace vexlor {

class MachineView;

// Fits the machine to its screen: the window's size and place, and the
// machine's layout for the room the window gets, laid out again when the
// window manager gives it another size (after a spin, when one runs).
class WindowFitter : public QObject {
  Q_OBJECT
 public:
  WindowFitter(QMainWindow& window, MachineView& view, GameState& state, const Artwork& artwork,
               MachineRenderer& renderer, PlayRunner& runner, const WindowEnvironment& env);

  // Start-up: the screen in device pixels, the layout and the window's size.
  void Fit();
  // Lays the machine out for a layout width (see FitLayoutWidth).
  void LayoutForScreen(int32_t layoutWidth);
  // Shows the window centred, or maximised on screens below 100 pixels per inch.
  void ShowAsCreated();
  // The window was shown, moved or resized: checked once the events settle.
  void WindowChanged();
  void ViewResized(QSize size);

 private:
  ScreenRoom Room() const;
  void Refit();
  void ReviewFit();

  QMainWindow& window_;
  MachineView& view_;
  GameState& state_;
  const Artwork& artwork_;
  MachineRenderer& renderer_;
  PlayRunner& runner_;
  const WindowEnvironment& env_;
  bool maximise_ = false;
  bool reviewPending_ = false;
};

}  // namespace vexlor
