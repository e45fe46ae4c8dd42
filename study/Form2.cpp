#include "study/Form2.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

Form2::Form2()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Τομεοποίηση"), 18960, 11160,
                    forms::CloseBox::Hide) {
    back1 = place<QPushButton>(client(), QStringLiteral("back1"), 16200, 10200, 1575, 375,
                               QStringLiteral("Back"));
    forms::onClick(back1, this, &Form2::back1_Click);
    next_to_word = place<QPushButton>(client(), QStringLiteral("next_to_word"), 16200, 9720, 1575, 375,
                                      QStringLiteral("Proceed to word"));
    forms::onClick(next_to_word, this, &Form2::next_to_word_Click);
}

void Form2::back1_Click() {
    forms::show(QStringLiteral("Form1"));
    forms::hide(QString::fromLatin1(formName));
}

void Form2::next_to_word_Click() {
    forms::show(QStringLiteral("browse"));
}
