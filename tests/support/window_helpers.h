#pragma once
// Driving the system's windows as a user does, by window and control name: a
// control, a button pressed with the mouse, a menu item chosen. A control that
// is not there fails the test with its name.
#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QtTest>

#include "platform/runtime/forms.h"

namespace testsupport {

template <class T = QWidget> T* control(const QString& window, const QString& name) {
    T* found = forms::control<T>(window, name);
    if (!found)
        qFatal("%s has no control %s", qPrintable(window), qPrintable(name));
    return found;
}

// A mouse click on a shown button (a check box is ticked or unticked so).
inline void press(const QString& window, const QString& button) {
    auto* pressed = forms::control<QAbstractButton>(window, button);
    QVERIFY2(pressed && pressed->isVisible(), qPrintable(window + u'.' + button));
    QTest::mouseClick(pressed, Qt::LeftButton);
}

// An item of the window's menu bar, or null.
inline QAction* menuItem(const QString& window, const QString& item) {
    return forms::get(window)->menuBar()->findChild<QAction*>(item);
}

// The window shown, then the item of its menu bar chosen.
inline void choose(const QString& window, const QString& item) {
    forms::show(window);
    QAction* action = menuItem(window, item);
    QVERIFY2(action, qPrintable(window + u'.' + item));
    action->trigger();
}

} // namespace testsupport
