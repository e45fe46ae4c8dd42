#include "salzburg/Form2_saltz.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

Form2_saltz::Form2_saltz()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Τομεοποίηση"), 18960, 11160,
                    forms::CloseBox::Hide) {
    calculations = place<QPushButton>(client(), QStringLiteral("calculations"), 16200, 10200, 1215, 375,
                                      QStringLiteral("Calculate..."));
    back1 = place<QPushButton>(client(), QStringLiteral("back1"), 14880, 10200, 1215, 375,
                               QStringLiteral("Back"));
    forms::onClick(calculations, this, &Form2_saltz::calculations_Click);
    forms::onClick(back1, this, &Form2_saltz::back1_Click);
}

void Form2_saltz::calculations_Click() {
    forms::show(QStringLiteral("results"));
}

void Form2_saltz::back1_Click() {
    forms::show(QStringLiteral("pinb2_saltz"));
    forms::hide(QString::fromLatin1(formName));
}
