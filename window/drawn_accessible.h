// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLocale>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

namespace vexlor {

// One part of a window that draws its controls itself (a button, a counter, a
// status line), as a screen reader finds it.
struct DrawnPart {
  QAccessible::Role role = QAccessible::StaticText;
  QString name;
  QString description;
  QString value;                 // what it reads out; empty for a button
  std::optional<double> number;  // a counter's value, from 0 to `maximum`
  double maximum = 0;
  bool enabled = true;
  std::optional<bool> checked;  // for a button that stays down
  QRect rect;                   // on the screen, logical pixels
  QStringList keys;             // the keys that do what its press does
};

// Describes the parts of the widget it is a child of, and tells a screen
// reader when they change. A part with the Button role can be pressed. Qt's
// accessibility finds the parts through the widget from the moment they are made.
class DrawnParts : public QObject {
  Q_OBJECT
 public:
  explicit DrawnParts(QWidget& widget);

  virtual QString Title() const = 0;  // the widget's own name
  virtual int PartCount() const = 0;
  virtual DrawnPart Part(int index) const = 0;
  virtual void Press(int index) = 0;

  QWidget& Widget() const;
  // The parts of `widget`, when it has them.
  static DrawnParts* Of(const QObject* widget);

 signals:
  // What a screen reader is told of a part; it reaches one only while Qt's
  // accessibility is active.
  void Sent(int index, QAccessible::Event type);

 protected:
  // Sends what changed since last sent: enabled and checked states at once,
  // values and names only when `settled` (not on every step of a count).
  void SendChanges(bool settled);
  // Says a part's name now, even when it is the same as before: a result.
  void Announce(int index);

 private:
  void Send(int index, QAccessible::Event type, QAccessible::State changed = {},
            const QString& before = {});

  std::vector<DrawnPart> sent_;
};

}  // namespace vexlor
