#include "study/pinb1.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

pinb1::pinb1()
    : forms::Window(QString::fromLatin1(formName),
                    QStringLiteral("Χαρακτηριστικά ιστών στήριξης κεραιοδιατάξεων"), 18960, 11160,
                    forms::CloseBox::Hide) {
    proceed = place<QPushButton>(client(), QStringLiteral("proceed"), 16200, 10200, 1575, 375,
                                 QStringLiteral("Proceed"));
    forms::onClick(proceed, this, &pinb1::proceed_Click);
}

void pinb1::proceed_Click() {
    forms::show(QStringLiteral("pinb2"));
    forms::hide(QString::fromLatin1(formName));
}
