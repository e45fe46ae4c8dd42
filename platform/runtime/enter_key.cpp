#include "enter_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "forms.h"

namespace forms {

namespace {
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() ||
            !qobject_cast<Window*>(button->window()))
            return false;
        button->click();
        return true;
    }
};
} // namespace

void pressFocusedButtonOnEnter() {
    static EnterPressesButton* filter = nullptr;
    if (filter)
        return;
    filter = new EnterPressesButton(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

} // namespace forms
