// What a screen reader or a keyboard user learns of a window, through Qt's accessibility
// interface: names, descriptions, roles, the focused control, and the focus frame.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/ui/accessibility.h"

namespace textaria::testing {

inline QAccessibleInterface* accessible(QObject* object) {
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}
inline QString accessibleName(QObject* object) {
    QAccessibleInterface* face = accessible(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}
inline QString accessibleDescription(QObject* object) {
    QAccessibleInterface* face = accessible(object);
    return face ? face->text(QAccessible::Description) : QStringLiteral("<none>");
}

// The control a screen reader reports as focused in `window`.
inline QAccessibleInterface* focusedControl(QWidget* window) {
    QAccessibleInterface* face = accessible(window);
    return face ? face->focusChild() : nullptr;
}
inline QString focusedName(QWidget* window) {
    QAccessibleInterface* focused = focusedControl(window);
    return focused ? focused->text(QAccessible::Name) : QStringLiteral("<nothing>");
}

// Tab (or Shift+Tab) pressed on whatever has the focus.
inline void pressTab(bool backwards = false) {
    QWidget* target = QApplication::focusWidget();
    if (target) QTest::keyClick(target, backwards ? Qt::Key_Backtab : Qt::Key_Tab);
}

// The names Tab visits from the focused control on, `count` presses.
inline std::vector<QString> tabSequence(QWidget* window, int count) {
    std::vector<QString> names;
    for (int i = 0; i < count; ++i) {
        pressTab();
        names.push_back(focusedName(window));
    }
    return names;
}

// The shown controls that Tab can reach but that a screen reader could not name.
inline QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (accessibleName(w).trimmed().isEmpty()) unnamed << w->objectName();
    }
    return unnamed;
}

// Whether the window's focus frame surrounds `target` and is shown.
inline bool framed(QWidget* window, QWidget* target) {
    auto* frame = window->findChild<platform::FocusFrame*>();
    if (!frame || !frame->isVisible() || frame->target() != target) return false;
    const QRect around(target->mapTo(window, QPoint(0, 0)), target->size());
    return frame->geometry().contains(around) && frame->geometry() != around;
}

}  // namespace textaria::testing

namespace textaria::testing {

// The shown control a screen reader finds under `name` in the window's accessible tree.
inline QAccessibleInterface* findByName(QAccessibleInterface* root, const QString& name) {
    if (!root || root->state().invisible) return nullptr;
    if (root->text(QAccessible::Name) == name) return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = findByName(root->child(i), name)) return found;
    return nullptr;
}

}  // namespace textaria::testing
