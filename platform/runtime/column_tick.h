#pragma once
// A column of text boxes that a tick box opens and closes.
#include <QLineEdit>
#include <QString>
#include <span>

namespace forms {

// Ticked: the boxes open for typing and the caret goes to the first one; what was
// typed stays. Unticked: all the boxes close, then all are emptied to `emptied`
// (no text by default).
void openColumn(std::span<QLineEdit* const> boxes, bool ticked, const QString& emptied = QString());

} // namespace forms
