// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_fitter.h"

#include <QFont>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include "config/identity.h"
#include "window/layout.h"
#include "window/machine_art.h"
#include "window/machine_view.h"

namespace vexlor {

WindowFitter::WindowFitter(QMainWindow& window, MachineView& view, GameState& state,
                           const Artwork& artwork, MachineRenderer& renderer, PlayRunner& runner,
                           const WindowEnvironment& env)
    : window_(window),
      view_(view),
      state_(state),
      artwork_(artwork),
      renderer_(renderer),
      runner_(runner),
      env_(env) {}

ScreenRoom WindowFitter::Room() const {
  return ScreenRoom{env_.screenSize, env_.availableGeometry, env_.devicePixelRatio,
                    env_.frameMargins ? env_.frameMargins(window_) : QMargins(),
                    window_.menuBar()->sizeHint().height()};
}

void WindowFitter::Fit() {
  // The machine is laid out in device pixels, so it is sharp at any display scale.
  state_.ScreenWidth = DeviceScreenWidth(Room());
  state_.ScreenHeight = ToDevice(env_.screenSize, env_.devicePixelRatio).height();
  view_.SetDevicePixelRatio(env_.devicePixelRatio);
  maximise_ = env_.logicalDpi < 100;
  const WindowPlan plan = PlanWindow(Room(), maximise_);
  LayoutForScreen(plan.layoutWidth);
  // The player cannot resize the window; a maximised one is fixed once the
  // window manager has maximised it.
  if (maximise_) {
    window_.resize(plan.client);
  } else {
    window_.setFixedSize(plan.client);
  }
  window_.move(plan.frameTopLeft);
}

void WindowFitter::LayoutForScreen(int32_t layoutWidth) {
  const SymbolSheetChoice choice =
      SymbolSheetFor(layoutWidth, QString::fromStdString(state_.AssetPrefix));
  bool unscaled = layoutWidth == kDesignWidth;
  Picture sheet = artwork_.symbols;  // a size variant is used for this layout only
  if (!choice.variantFile.isEmpty()) {
    const Replacement variant = LoadReplacement(sheet, state_.AppDir, choice.variantFile);
    if (!variant.error.isEmpty()) env_.error(ErrorBoxText(variant.error.toStdString()).c_str());
    unscaled = variant.loaded;
  }
  const ReelGeometry geometry =
      ComputeReelGeometry(layoutWidth, unscaled, artwork_.blur.Size().height());
  state_.CellSize = geometry.cellSize;
  state_.ReelLeft = geometry.reelLeft;
  state_.ReelTop = geometry.reelTop;
  state_.ReelPitch = geometry.reelPitch;
  state_.BlurHeight = geometry.blurHeight;
  renderer_.SetArt(BuildMachineArt(artwork_, sheet, layoutWidth, geometry.stretchSheet));
  ReleaseBuiltInPictures();

  QFont labels(QStringLiteral("DejaVu Sans"));
  const bool small = layoutWidth < 900;
  labels.setPointSizeF((small ? 8 : 10) * GrowthFactor(layoutWidth));
  labels.setBold(!small && env_.logicalDpi < 100);
  renderer_.SetLabelFont(labels);
}

void WindowFitter::ShowAsCreated() {
  if (maximise_) {
    window_.showMaximized();
  } else {
    window_.show();
  }
  view_.setFocus();
}

void WindowFitter::ViewResized(QSize) {
  // A spin finishes on the layout it began with.
  runner_.WhenIdle([this] { Refit(); });
}

void WindowFitter::Refit() {
  // The machine must be seen whole and fill its room: when the window got
  // another size than was reckoned with (a window manager's frame, a
  // maximised window), the machine is laid out again to fit, larger or smaller.
  // A machine that no longer fits is always laid out again; one with room to
  // spare only when it can grow by more than 3 %, so that a frame a few pixels
  // off the one reckoned with costs no second layout at start-up.
  const int32_t fitting = LayoutForView(Room(), view_.size());
  const int32_t current = renderer_.Art().layoutWidth;
  if (fitting >= current && fitting <= current + current * 3 / 100) return;
  LayoutForScreen(fitting);
  renderer_.FormPaint();
}

void WindowFitter::WindowChanged() {
  if (reviewPending_) return;
  reviewPending_ = true;
  QTimer::singleShot(0, this, &WindowFitter::ReviewFit);
}

void WindowFitter::ReviewFit() {
  reviewPending_ = false;
  if (!window_.isVisible()) return;
  if (maximise_) {
    // Once maximised the window keeps that size.
    if (window_.isMaximized() && window_.maximumSize() != window_.size())
      window_.setFixedSize(window_.size());
    return;
  }
  // Now that the window manager has framed the window, its real frame is known.
  const WindowPlan plan = PlanWindow(Room(), false);
  if (plan.client != window_.size()) {
    window_.setFixedSize(plan.client);
    window_.move(plan.frameTopLeft);
  } else if (window_.frameGeometry().topLeft() != plan.frameTopLeft &&
             !window_.frameGeometry().isEmpty() &&
             !env_.availableGeometry.contains(window_.frameGeometry())) {
    window_.move(plan.frameTopLeft);
  }
}

}  // namespace vexlor
