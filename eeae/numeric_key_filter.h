#pragma once
// The key filter of the band-calculation window's eleven input boxes: only the
// digits, the comma and backspace can be typed, by key press or by text an input
// method commits. Keys that type nothing (Delete, the arrows, Home, End, Tab) and
// pasting through the context menu pass.
#include <QObject>
#include <QString>

class QKeyEvent;

namespace eeae {

// Whether a key press reaches the box.
bool passesNumericFilter(const QKeyEvent& event);
// The characters of a text committed by an input method that reach the box.
QString numericPart(const QString& committed);

class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace eeae
