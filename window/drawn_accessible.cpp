// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/drawn_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace vexlor {
namespace {

// A part as an accessible object of its own: it has no QObject, so it reads
// everything from its DrawnParts on every call, and is invalid once they go.
class PartAccessible : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleValueInterface,
                       public QAccessibleTextInterface {
 public:
  PartAccessible(DrawnParts& parts, int index) : parts_(&parts), index_(index) {}

  bool isValid() const override { return parts_ != nullptr && index_ < parts_->PartCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return isValid() ? parts_->Widget().window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return isValid() ? QAccessible::queryAccessibleInterface(&parts_->Widget()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    const DrawnPart part = Part();
    switch (t) {
      case QAccessible::Name:
        return part.name;
      case QAccessible::Description:
        return part.description;
      case QAccessible::Value:
        return part.value;
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return Part().rect; }
  QAccessible::Role role() const override { return Part().role; }
  QAccessible::State state() const override {
    const DrawnPart part = Part();
    QAccessible::State state;
    state.disabled = !part.enabled;
    state.invisible = !isValid() || !parts_->Widget().isVisible();
    state.readOnly = part.role != QAccessible::Button;
    state.checkable = part.checked.has_value();
    state.checked = part.checked.value_or(false);
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    const DrawnPart part = Part();
    switch (type) {
      case QAccessible::ActionInterface:
        return part.role == QAccessible::Button ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
      case QAccessible::ValueInterface:
        return part.number ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
      case QAccessible::TextInterface:
        return part.value.isEmpty() ? nullptr : static_cast<QAccessibleTextInterface*>(this);
      default:
        return nullptr;
    }
  }

  // The one action: a press, as the pointer would give it.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid()) parts_->Press(index_);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    return action == pressAction() ? Part().keys : QStringList();
  }

  QVariant currentValue() const override { return Part().number.value_or(0); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return Part().maximum; }
  QVariant minimumValue() const override { return 0.0; }
  QVariant minimumStepSize() const override { return 1.0; }

  // The value as read-only text.
  QString text(int start, int end) const override {
    const QString value = Part().value;
    if (end < 0 || end > value.size()) end = static_cast<int>(value.size());
    return start < 0 || start >= end ? QString() : value.mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Part().value.size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  DrawnPart Part() const { return isValid() ? parts_->Part(index_) : DrawnPart(); }

  QPointer<DrawnParts> parts_;
  int index_;
};

// The widget with its parts as children. The parts' interfaces are given to
// Qt's accessibility registry, which owns them; they are deleted with this one.
class DrawnWidgetAccessible : public QAccessibleWidget {
 public:
  explicit DrawnWidgetAccessible(QWidget* widget)
      : QAccessibleWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Pane) {}
  ~DrawnWidgetAccessible() override {
    for (const QAccessible::Id id : children_)
      QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override {
    const DrawnParts* parts = DrawnParts::Of(object());
    return parts != nullptr ? parts->PartCount() : 0;
  }
  QAccessibleInterface* child(int index) const override {
    DrawnParts* parts = DrawnParts::Of(object());
    if (parts == nullptr || index < 0 || index >= parts->PartCount()) return nullptr;
    while (static_cast<int>(children_.size()) <= index) {
      children_.push_back(QAccessible::registerAccessibleInterface(
          new PartAccessible(*parts, static_cast<int>(children_.size()))));
    }
    return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < static_cast<int>(children_.size()); ++i) {
      if (QAccessible::accessibleInterface(children_[static_cast<std::size_t>(i)]) == child)
        return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      QAccessibleInterface* part = child(i);
      if (part->rect().contains(x, y)) return part;
    }
    return nullptr;
  }
  QString text(QAccessible::Text t) const override {
    const DrawnParts* parts = DrawnParts::Of(object());
    if (t == QAccessible::Name && parts != nullptr) return parts->Title();
    return QAccessibleWidget::text(t);
  }

 private:
  mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* DrawnWidgetFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget != nullptr && DrawnParts::Of(widget) != nullptr ? new DrawnWidgetAccessible(widget)
                                                                : nullptr;
}

}  // namespace

DrawnParts::DrawnParts(QWidget& widget) : QObject(&widget) {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(DrawnWidgetFactory), true);
  // An interface Qt made for the widget before it had parts is dropped from
  // the registry, so the next one asked for has them.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
  if (made != nullptr && dynamic_cast<DrawnWidgetAccessible*>(made) == nullptr)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QWidget& DrawnParts::Widget() const {
  return *static_cast<QWidget*>(parent());
}

DrawnParts* DrawnParts::Of(const QObject* widget) {
  return widget != nullptr ? widget->findChild<DrawnParts*>(QString(), Qt::FindDirectChildrenOnly)
                           : nullptr;
}

void DrawnParts::Send(int index, QAccessible::Event type, QAccessible::State changed,
                      const QString& before) {
  emit Sent(index, type);
  if (!QAccessible::isActive()) return;  // no screen reader: nothing is made for one
  QAccessibleInterface* widget = QAccessible::queryAccessibleInterface(&Widget());
  QAccessibleInterface* part = widget != nullptr ? widget->child(index) : nullptr;
  if (part == nullptr) return;
  if (type == QAccessible::StateChanged) {
    QAccessibleStateChangeEvent event(part, changed);
    QAccessible::updateAccessibility(&event);
  } else if (type == QAccessible::ValueChanged) {
    QAccessibleValueChangeEvent event(part, part->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&event);
  } else if (type == QAccessible::TextUpdated) {
    QAccessibleTextUpdateEvent event(part, 0, before, part->text(QAccessible::Value));
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleEvent event(part, type);
    QAccessible::updateAccessibility(&event);
  }
}

void DrawnParts::SendChanges(bool settled) {
  const int count = PartCount();
  if (static_cast<int>(sent_.size()) != count) {
    // The first look: nothing has changed yet.
    sent_.clear();
    for (int i = 0; i < count; ++i)
      sent_.push_back(Part(i));
    return;
  }
  for (int i = 0; i < count; ++i) {
    const DrawnPart now = Part(i);
    DrawnPart& sent = sent_[static_cast<std::size_t>(i)];
    const DrawnPart before = sent;
    QAccessible::State changed;
    changed.disabled = now.enabled != before.enabled;
    changed.checked = now.checked != before.checked;
    sent.enabled = now.enabled;
    sent.checked = now.checked;
    if (changed.disabled || changed.checked) Send(i, QAccessible::StateChanged, changed);
    if (!settled) continue;
    sent = now;
    if (now.value != before.value || now.number != before.number)
      Send(i, now.number ? QAccessible::ValueChanged : QAccessible::TextUpdated, {}, before.value);
    if (now.name != before.name) Send(i, QAccessible::NameChanged);
  }
}

void DrawnParts::Announce(int index) {
  if (static_cast<int>(sent_.size()) != PartCount()) SendChanges(true);  // the first look
  sent_[static_cast<std::size_t>(index)] = Part(index);
  Send(index, QAccessible::NameChanged);
  Send(index, QAccessible::Alert);
}

}  // namespace vexlor
