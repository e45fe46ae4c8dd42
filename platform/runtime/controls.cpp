#include "controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace forms {

QString textOf(const QWidget* control) {
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return QString();
}

void setTextOf(QWidget* control, const QString& text) {
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        box->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

} // namespace forms
