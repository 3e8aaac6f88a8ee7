// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class QImage;

namespace vexlor {

// Adds `rect` to the rectangles of a frame, at most four: joined with those
// it lies close to, kept apart from those far away.
void AddToFrame(std::vector<QRect>& frame, QRect rect);

// The main window's client area: shows the retained picture of the machine,
// centred on black, and hands presses and keys on in machine coordinates.
// The picture holds device pixels and is shown one to one, so the machine is
// as sharp on a scaled display as on any other.
class MachineView : public QWidget {
  Q_OBJECT
 public:
  explicit MachineView(const QImage& surface, QWidget* parent = nullptr);

  // Device pixels per logical pixel, the one the machine was laid out for.
  void SetDevicePixelRatio(double ratio);
  double DevicePixelRatio() const { return ratio_; }
  // Where the machine's top-left corner sits in the view, in device pixels.
  QPoint Origin() const;
  // The logical position in the view of a machine pixel (for pointer input).
  QPoint ToView(QPoint machine) const;
  // Asks for a repaint of a rectangle of the machine (machine pixels), made
  // once the event loop is about to wait.
  void UpdateMachineRect(const QRect& rect);

  std::function<void(Qt::MouseButton, QPoint)> onPress;  // machine coordinates
  std::function<void(int key)> onKey;
  std::function<QString(QPoint)> tipAt;  // the tooltip of a machine pixel; empty for none
  std::function<void(QSize)> onResize;   // logical size
  std::function<void()> onFirstPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;  // tooltips
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PaintPending();  // the changes gathered, as one frame
  QRect ToDevice(const QRect& logical) const;
  QRect ToLogical(const QRect& device) const;
  QPoint ToMachine(QPointF logical) const;

  const QImage& surface_;
  double ratio_ = 1;
  bool painted_ = false;
  // The machine's changes since the last frame, in the view's pixels.
  std::vector<QRect> pending_;
};

}  // namespace vexlor
