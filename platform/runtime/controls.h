#pragma once
// The text of a control as the system reads it: a text box's text, a label's
// or button's caption.
#include <QString>

class QWidget;

namespace forms {

QString textOf(const QWidget* control);
void setTextOf(QWidget* control, const QString& text);

} // namespace forms
