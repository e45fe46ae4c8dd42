#include "column_tick.h"

namespace forms {

void openColumn(std::span<QLineEdit* const> boxes, bool ticked, const QString& emptied) {
    for (QLineEdit* box : boxes)
        box->setEnabled(ticked);
    if (ticked) {
        boxes.front()->setFocus();
        return;
    }
    // clear(), as the windows always did: unlike setText() it keeps the undo history.
    for (QLineEdit* box : boxes)
        if (emptied.isEmpty())
            box->clear();
        else
            box->setText(emptied);
}

} // namespace forms
