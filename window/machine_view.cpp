// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/machine_view.h"

#include <QAbstractEventDispatcher>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace vexlor {
namespace {

constexpr std::size_t kFrameRects = 4;

qint64 Area(const QRect& rect) {
  return static_cast<qint64>(rect.width()) * rect.height();
}

}  // namespace

void AddToFrame(std::vector<QRect>& frame, QRect rect) {
  if (rect.isEmpty()) return;
  // Joined with a rectangle of the frame where the two together cover little
  // more than each alone (the three reels, a button and its neighbour); kept
  // apart where they lie far from each other (the reels and the lever).
  for (std::size_t i = 0; i < frame.size();) {
    const QRect joined = frame[i].united(rect);
    if (Area(joined) * 4 <= (Area(frame[i]) + Area(rect)) * 5) {
      rect = joined;
      frame.erase(frame.begin() + static_cast<std::ptrdiff_t>(i));
      i = 0;
    } else {
      ++i;
    }
  }
  if (frame.size() == kFrameRects) {
    // Too many apart: the new one joins the rectangle it adds least to.
    auto nearest =
        std::min_element(frame.begin(), frame.end(), [&](const QRect& a, const QRect& b) {
          return Area(a.united(rect)) - Area(a) < Area(b.united(rect)) - Area(b);
        });
    rect = nearest->united(rect);
    frame.erase(nearest);
  }
  frame.push_back(rect);
}

MachineView::MachineView(const QImage& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  // What changed is painted when the event loop has nothing more to do, just
  // before it waits: all that a moment's timers, keys and clicks drew makes one
  // frame, and no event has to be posted (and the loop woken) to ask for it.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          &MachineView::PaintPending);
}

void MachineView::PaintPending() {
  if (pending_.empty()) return;
  QRegion frame;
  for (const QRect& rect : pending_)
    frame += rect;
  repaint(frame);
}

void MachineView::SetDevicePixelRatio(double ratio) {
  ratio_ = ratio > 0 ? ratio : 1;
  update();
}

QPoint MachineView::Origin() const {
  const QRect device = ToDevice(rect());
  return QPoint(std::max(0, (device.width() - surface_.width()) / 2),
                std::max(0, (device.height() - surface_.height()) / 2));
}

QPoint MachineView::ToView(QPoint machine) const {
  const QPointF device = machine + Origin() + QPointF(0.5, 0.5);
  return QPoint(static_cast<int>(std::floor(device.x() / ratio_)),
                static_cast<int>(std::floor(device.y() / ratio_)));
}

QRect MachineView::ToDevice(const QRect& logical) const {
  const auto down = [this](int v) { return static_cast<int>(std::floor(v * ratio_ + 1e-6)); };
  const auto up = [this](int v) { return static_cast<int>(std::ceil(v * ratio_ - 1e-6)); };
  return QRect(QPoint(down(logical.left()), down(logical.top())),
               QPoint(up(logical.right() + 1) - 1, up(logical.bottom() + 1) - 1));
}

QRect MachineView::ToLogical(const QRect& device) const {
  const auto down = [this](int v) { return static_cast<int>(std::floor(v / ratio_ + 1e-6)); };
  const auto up = [this](int v) { return static_cast<int>(std::ceil(v / ratio_ - 1e-6)); };
  return QRect(QPoint(down(device.left()), down(device.top())),
               QPoint(up(device.right() + 1) - 1, up(device.bottom() + 1) - 1));
}

void MachineView::UpdateMachineRect(const QRect& rect) {
  AddToFrame(pending_, ToLogical(rect.translated(Origin())));
}

void MachineView::paintEvent(QPaintEvent* event) {
  pending_.clear();
  QPainter painter(this);
  const QRect machine(Origin(), surface_.size());
  // Black around the machine; the logical pixels wholly inside it are left to the picture.
  const auto inward = [this](int v, bool start) {
    return static_cast<int>(start ? std::ceil(v / ratio_ - 1e-6) : std::floor(v / ratio_ + 1e-6));
  };
  const QRect inside(
      QPoint(inward(machine.left(), true), inward(machine.top(), true)),
      QPoint(inward(machine.right() + 1, false) - 1, inward(machine.bottom() + 1, false) - 1));
  for (const QRect& rest : event->region().subtracted(QRegion(inside)))
    painter.fillRect(rest, Qt::black);
  for (const QRect& area : event->region()) {
    const QRect shown = ToDevice(area).intersected(machine);
    if (shown.isEmpty()) continue;
    // Device pixels of the machine onto device pixels of the window, one to one.
    const QRectF target(shown.x() / ratio_, shown.y() / ratio_, shown.width() / ratio_,
                        shown.height() / ratio_);
    // Clipped to this rectangle alone, the picture is copied row by row;
    // clipped to the whole region it would be blended span by span. At a
    // ratio that is not whole the rectangle's edges fall between device
    // pixels, and only the region's own clip is sure to meet its neighbours.
    if (ratio_ == std::floor(ratio_)) painter.setClipRect(area);
    painter.drawImage(target, surface_, shown.translated(-machine.topLeft()));
  }
  if (!painted_) {
    painted_ = true;
    if (onFirstPaint) onFirstPaint();
  }
}

QPoint MachineView::ToMachine(QPointF logical) const {
  const QPointF device = logical * ratio_;
  return QPoint(static_cast<int>(std::floor(device.x())),
                static_cast<int>(std::floor(device.y()))) -
         Origin();
}

void MachineView::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(event->button(), ToMachine(event->position()));
}

bool MachineView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = tipAt ? tipAt(ToMachine(help->pos())) : QString();
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this);
  }
  return true;
}

void MachineView::keyPressEvent(QKeyEvent* event) {
  if (onKey) onKey(event->key());
  QWidget::keyPressEvent(event);
}

void MachineView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResize) onResize(size());
}

}  // namespace vexlor
