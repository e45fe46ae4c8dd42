#include "eeae/Form1.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

Form1::Form1()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Vorlux"), 18960, 11160,
                    forms::CloseBox::Hide) {
    proceed = place<QPushButton>(client(), QStringLiteral("proceed"), 16200, 10200, 1215, 375,
                                 QStringLiteral("Proceed"));
    back =
        place<QPushButton>(client(), QStringLiteral("back"), 14880, 10200, 1215, 375, QStringLiteral("Back"));
    proceed->setEnabled(false); // until a successful calculation
    forms::onClick(proceed, this, &Form1::proceed_Click);
    forms::onClick(back, this, &Form1::back_Click);
}

void Form1::proceed_Click() {
    forms::show(QStringLiteral("Form2"));
}

void Form1::back_Click() {
    forms::show(QStringLiteral("eisagwgh_meleths"));
    forms::hide(QString::fromLatin1(formName));
}
