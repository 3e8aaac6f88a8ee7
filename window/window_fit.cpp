// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_fit.h"

#include <cmath>

#include "window/layout.h"

namespace vexlor {

int32_t DeviceScreenWidth(const ScreenRoom& room) {
  return static_cast<int32_t>(std::floor(room.screen.width() * room.devicePixelRatio + 1e-6));
}

QSize ToDevice(QSize logical, double devicePixelRatio) {
  const auto device = [devicePixelRatio](int v) {
    return static_cast<int>(std::floor(v * devicePixelRatio + 1e-6));
  };
  return QSize(device(logical.width()), device(logical.height()));
}

int32_t LayoutForView(const ScreenRoom& room, QSize view) {
  return FitLayoutWidth(DeviceScreenWidth(room), ToDevice(view, room.devicePixelRatio));
}

WindowPlan PlanWindow(const ScreenRoom& room, bool maximised) {
  QSize outer = maximised ? room.available.size()
                          : QSize(room.screen.width() - 10, room.screen.height() - 10)
                                .boundedTo(room.available.size());
  const QSize frame(room.frame.left() + room.frame.right(), room.frame.top() + room.frame.bottom());
  WindowPlan plan;
  plan.client = (outer - frame).expandedTo(QSize(1, room.menuBar + 1));
  outer = plan.client + frame;
  plan.frameTopLeft =
      room.available.topLeft() + QPoint((room.available.width() - outer.width()) / 2,
                                        (room.available.height() - outer.height()) / 2);
  const QSize view(plan.client.width(), plan.client.height() - room.menuBar);
  plan.view = ToDevice(view, room.devicePixelRatio);
  plan.layoutWidth = LayoutForView(room, view);
  return plan;
}

}  // namespace vexlor
