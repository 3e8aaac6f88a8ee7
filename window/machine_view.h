#pragma once

#include <QWidget>
#include <functional>

class QImage;

namespace vexlor {

// The main window's client area: shows the retained picture of the machine,
// centred on black, and hands presses and keys on in machine coordinates.
class MachineView : public QWidget {
  Q_OBJECT
 public:
  explicit MachineView(const QImage& surface, QWidget* parent = nullptr);

  // Where the machine's top-left corner sits in the view.
  QPoint Origin() const;
  // Asks for a repaint of a rectangle of the machine.
  void UpdateMachineRect(const QRect& rect);

  std::function<void(Qt::MouseButton, QPoint)> onPress;  // machine coordinates
  std::function<void(int key)> onKey;
  std::function<void(QSize)> onResize;
  std::function<void()> onFirstPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const QImage& surface_;
  bool painted_ = false;
};

}  // namespace vexlor
