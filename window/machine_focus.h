// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace vexlor {

// Gives the keyboard back to the machine when a menu or a window over it
// closes, so the game's keys reach it at once: a menu closed with Escape
// leaves the menu bar holding the keys otherwise. Watches the whole
// application; `machine` must outlive it.
class MachineFocus : public QObject {
  Q_OBJECT
 public:
  explicit MachineFocus(QWidget& machine, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReturnKeys();

  QWidget& machine_;
  bool queued_ = false;
};

}  // namespace vexlor
