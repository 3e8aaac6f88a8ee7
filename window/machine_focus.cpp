// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/machine_focus.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace vexlor {

MachineFocus::MachineFocus(QWidget& machine, QObject* parent) : QObject(parent), machine_(machine) {
  qApp->installEventFilter(this);
}

bool MachineFocus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && !queued_ &&
      (qobject_cast<QMenu*>(watched) != nullptr || qobject_cast<QDialog*>(watched) != nullptr)) {
    // Once the closing has run its course: moving from one menu to the next
    // hides one and shows the other.
    queued_ = true;
    QTimer::singleShot(0, this, &MachineFocus::ReturnKeys);
  }
  return false;
}

void MachineFocus::ReturnKeys() {
  queued_ = false;
  if (QApplication::activePopupWidget() != nullptr || QApplication::activeModalWidget() != nullptr)
    return;
  // A window of its own that the player is in (the manual) keeps the keys.
  QWidget* active = QApplication::activeWindow();
  if (active != nullptr && active != machine_.window()) return;
  machine_.setFocus(Qt::OtherFocusReason);
}

}  // namespace vexlor
