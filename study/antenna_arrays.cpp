#include "study/antenna_arrays.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

pinb2::pinb2()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Τεχνικά χαρακτηριστικά κεραιοδιατάξεων"),
                    18960, 11160, forms::CloseBox::Hide) {
    proceed = place<QPushButton>(client(), QStringLiteral("proceed"), 16200, 9720, 1215, 375,
                                 QStringLiteral("Proceed"));
    back =
        place<QPushButton>(client(), QStringLiteral("back"), 16200, 10200, 1215, 375, QStringLiteral("Back"));
    forms::onClick(proceed, this, &pinb2::proceed_Click);
    forms::onClick(back, this, &pinb2::back_Click);
}

void pinb2::proceed_Click() {
    forms::show(QStringLiteral("eisagwgh_meleths"));
    forms::hide(QString::fromLatin1(formName));
}

void pinb2::back_Click() {
    forms::show(QStringLiteral("pinb1"));
    forms::hide(QString::fromLatin1(formName));
}

pinb2_saltz::pinb2_saltz()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Τεχνικά χαρακτηριστικά κεραιοδιατάξεων"),
                    18960, 11160, forms::CloseBox::Hide) {
    proceed = place<QPushButton>(client(), QStringLiteral("proceed"), 16200, 9720, 1215, 375,
                                 QStringLiteral("Proceed"));
    forms::onClick(proceed, this, &pinb2_saltz::proceed_Click);
}

void pinb2_saltz::proceed_Click() {
    forms::show(QStringLiteral("Form2_saltz"));
    forms::hide(QString::fromLatin1(formName));
}
