#pragma once
// Wiring of the system's controls to their procedures.
#include <QAbstractButton>
#include <QCheckBox>

namespace forms {

// A command button runs its click procedure when pressed.
template <class Receiver, class Slot> void onClick(QAbstractButton* button, Receiver* receiver, Slot slot) {
    QObject::connect(button, &QAbstractButton::clicked, receiver, [receiver, slot] { (receiver->*slot)(); });
}

// A check box runs its click procedure whenever its value changes, by the user
// or by code, and not when it is set to the value it already has.
template <class Receiver, class Slot> void onValueChange(QCheckBox* box, Receiver* receiver, Slot slot) {
    QObject::connect(box, &QCheckBox::toggled, receiver, [receiver, slot] { (receiver->*slot)(); });
}

// One procedure shared by a family of numbered controls (Check1..Check6,
// sc1..sc6): it is passed the control's number.
template <class Receiver, class Slot>
void onClick(QAbstractButton* button, Receiver* receiver, Slot slot, int number) {
    QObject::connect(button, &QAbstractButton::clicked, receiver,
                     [receiver, slot, number] { (receiver->*slot)(number); });
}

template <class Receiver, class Slot>
void onValueChange(QCheckBox* box, Receiver* receiver, Slot slot, int number) {
    QObject::connect(box, &QCheckBox::toggled, receiver,
                     [receiver, slot, number] { (receiver->*slot)(number); });
}

} // namespace forms
