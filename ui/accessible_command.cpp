#include "ui/accessible_command.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

namespace velkora {

namespace {

constexpr const char* kDescribed = "velkoraDescribed";

// The first menu or menu bar that shows action.
QWidget* menuOf(const QAction* action) {
  for (QObject* object : action->associatedObjects()) {
    if (qobject_cast<QMenu*>(object) != nullptr || qobject_cast<QMenuBar*>(object) != nullptr) {
      return static_cast<QWidget*>(object);
    }
  }
  return nullptr;
}

// Where action sits in menu (a QMenu or QMenuBar), in menu's coordinates.
QRect geometryIn(const QWidget* menu, QAction* action) {
  if (const auto* popup = qobject_cast<const QMenu*>(menu)) return popup->actionGeometry(action);
  if (const auto* bar = qobject_cast<const QMenuBar*>(menu)) return bar->actionGeometry(action);
  return {};
}

// The action menu (a QMenu or QMenuBar) highlights.
const QAction* activeIn(const QWidget* menu) {
  if (const auto* popup = qobject_cast<const QMenu*>(menu)) return popup->activeAction();
  if (const auto* bar = qobject_cast<const QMenuBar*>(menu)) return bar->activeAction();
  return nullptr;
}

class AccessibleCommand : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  explicit AccessibleCommand(QAction* action) : action_(action) {}

  bool isValid() const override { return !action_.isNull(); }
  QObject* object() const override { return action_.data(); }
  QWindow* window() const override {
    const QWidget* menu = owner();
    return menu != nullptr ? menu->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(owner());
  }
  QAccessibleInterface* child(int index) const override {
    if (index != 0 || action_.isNull() || action_->menu() == nullptr) return nullptr;
    return QAccessible::queryAccessibleInterface(action_->menu());
  }
  int childCount() const override {
    return !action_.isNull() && action_->menu() != nullptr ? 1 : 0;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && childCount() == 1 && child->object() == action_->menu() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text which) const override {
    if (action_.isNull()) return {};
    switch (which) {
      case QAccessible::Name: {
        QString name = action_->text();
        name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        name.remove(QLatin1Char('&'));
        name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return name;
      }
      case QAccessible::Description:
        return action_->statusTip();
      case QAccessible::Help:
        return action_->whatsThis();
      case QAccessible::Accelerator:
        return action_->shortcut().toString(QKeySequence::NativeText);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text /*which*/, const QString& /*text*/) override {}

  QRect rect() const override {
    const QWidget* menu = owner();
    if (menu == nullptr || action_.isNull() || !menu->isVisible()) return {};
    const QRect local = geometryIn(menu, action_.data());
    return QRect(menu->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override {
    return !action_.isNull() && action_->isSeparator() ? QAccessible::Separator
                                                       : QAccessible::MenuItem;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (action_.isNull()) return state;
    const QWidget* menu = owner();
    state.disabled = !action_->isEnabled();
    state.focusable = true;
    state.checkable = action_->isCheckable();
    state.checked = action_->isChecked();
    state.invisible = !action_->isVisible() || menu == nullptr || !menu->isVisible();
    state.focused = menu != nullptr && activeIn(menu) == action_.data();
    state.hasPopup = action_->menu() != nullptr;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override {
    if (action_.isNull() || !action_->isEnabled()) return {};
    return {pressAction()};
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && !action_.isNull() && action_->isEnabled()) action_->trigger();
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if (name != pressAction() || action_.isNull() || action_->shortcut().isEmpty()) return {};
    return {action_->shortcut().toString(QKeySequence::NativeText)};
  }

 private:
  QWidget* owner() const { return action_.isNull() ? nullptr : menuOf(action_.data()); }

  QPointer<QAction> action_;
};

QAccessibleInterface* describedCommand(const QString& /*key*/, QObject* object) {
  auto* action = qobject_cast<QAction*>(object);
  if (action == nullptr || !action->property(kDescribed).toBool()) return nullptr;
  return new AccessibleCommand(action);
}

}  // namespace

void markDescribed(QAction& action) {
  static const bool installed = [] {
    QAccessible::installFactory(describedCommand);
    return true;
  }();
  (void)installed;
  action.setProperty(kDescribed, true);
}

}  // namespace velkora
