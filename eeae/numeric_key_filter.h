#pragma once
// The key filter of the band-calculation window's eleven input boxes: only the
// digits, the comma and backspace can be typed. Keys that type nothing (Delete,
// the arrows, Home, End, Tab) and pasting through the context menu pass.
#include <QObject>

class QKeyEvent;

namespace eeae {

// Whether a key press reaches the box.
bool passesNumericFilter(const QKeyEvent& event);

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace eeae
