#include "window/machine_view.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vexlor {

MachineView::MachineView(const QImage& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

QPoint MachineView::Origin() const {
  return QPoint(std::max(0, (width() - surface_.width()) / 2),
                std::max(0, (height() - surface_.height()) / 2));
}

void MachineView::UpdateMachineRect(const QRect& rect) {
  update(rect.translated(Origin()));
}

void MachineView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect machine(Origin(), surface_.size());
  for (const QRect& area : event->region()) {
    const QRect shown = area.intersected(machine);
    if (shown.isEmpty()) {
      painter.fillRect(area, Qt::black);
      continue;
    }
    painter.drawImage(shown.topLeft(), surface_, shown.translated(-machine.topLeft()));
    const QRegion outside = QRegion(area).subtracted(QRegion(shown));
    for (const QRect& rest : outside)
      painter.fillRect(rest, Qt::black);
  }
  if (!painted_) {
    painted_ = true;
    if (onFirstPaint) onFirstPaint();
  }
}

void MachineView::mousePressEvent(QMouseEvent* event) {
  if (onPress) onPress(event->button(), event->position().toPoint() - Origin());
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
