#include "eeae/numeric_key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace eeae {

namespace {
// The twelve characters a box accepts: the ten digits, the comma and backspace.
const QString allowed = QStringLiteral("0123456789,\b");

// Keys that move the caret, the focus or delete without typing a character.
bool typesNothing(int key) {
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// Enter and Escape type a control character whatever text the platform gives them.
bool typesControlCharacter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}
} // namespace

bool passesNumericFilter(const QKeyEvent& event) {
    if (typesNothing(event.key()))
        return true;
    if (typesControlCharacter(event.key()))
        return false;
    // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and the like type a control character.
    if (event.modifiers() & Qt::ControlModifier)
        return false;
    const QString typed = event.text();
    if (typed.isEmpty())
        return true; // a modifier or function key alone
    for (QChar c : typed)
        if (!allowed.contains(c))
            return false;
    return true;
}

QString numericPart(const QString& committed) {
    QString kept;
    for (QChar c : committed)
        if (allowed.contains(c))
            kept += c;
    return kept;
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !passesNumericFilter(*static_cast<QKeyEvent*>(event)))
        return true;
    // Dead keys, compose and input-method engines type by committing text, one
    // or more characters at once: each character meets the filter of a key press.
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString kept = numericPart(input->commitString());
        if (kept != input->commitString())
            input->setCommitString(kept, input->replacementStart(), input->replacementLength());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace eeae
