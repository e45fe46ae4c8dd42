#include "study/eisagwgh_meleths.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

eisagwgh_meleths::eisagwgh_meleths()
    : forms::Window(QString::fromLatin1(formName),
                    QStringLiteral("Γενική περιγραφή της εξεταζόμενης εγκατάστασης"), 18960, 11160,
                    forms::CloseBox::Hide) {
    export_to_word = place<QPushButton>(client(), QStringLiteral("export_to_word"), 16200, 10200, 1575, 375,
                                        QStringLiteral("Proceed"));
    forms::onClick(export_to_word, this, &eisagwgh_meleths::export_to_word_Click);
    back =
        place<QPushButton>(client(), QStringLiteral("back"), 16200, 9720, 1575, 375, QStringLiteral("Back"));
    forms::onClick(back, this, &eisagwgh_meleths::back_Click);
}

void eisagwgh_meleths::export_to_word_Click() {
    forms::show(QStringLiteral("Form1"));
}

void eisagwgh_meleths::back_Click() {
    forms::show(QStringLiteral("pinb2"));
    forms::hide(QString::fromLatin1(formName));
}
