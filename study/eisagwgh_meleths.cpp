#include "study/eisagwgh_meleths.h"

#include "platform/runtime/buttons.h"
#include "platform/runtime/twips.h"
#include "study/antenna_arrays.h"

using forms::place;

eisagwgh_meleths::eisagwgh_meleths()
    : forms::Window(QString::fromLatin1(formName),
                    QStringLiteral("Γενική περιγραφή της εξεταζόμενης εγκατάστασης"), 18960, 11160,
                    forms::CloseBox::Hide) {
    Label1 = place<QLabel>(
        client(), QStringLiteral("Label1"), 480, 240, 17895, 720,
        QStringLiteral("Γενική περιγραφή της εξεταζόμενης εγκατάστασης , υπηρεσίες που παρέχει, "
                       "κάτοχος της εγκατάστασης - πάροχος, εξυπηρέτηση - συνεγκατάσταση  άλλων "
                       "παρόχων, παρουσία όλων των γειτονικών σταθμών κεραιών εντός 50 μέτρων."));
    Label1->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    // Both scroll bars: lines are not wrapped.
    eisagwgh_txt = place<QPlainTextEdit>(client(), QStringLiteral("eisagwgh_txt"), 480, 1080, 17895, 8535);
    eisagwgh_txt->setLineWrapMode(QPlainTextEdit::NoWrap);
    eisagwgh_txt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    eisagwgh_txt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    eisagwgh_txt->setTabChangesFocus(true);

    export_to_word = place<QPushButton>(client(), QStringLiteral("export_to_word"), 16920, 9840, 1455, 495,
                                        QStringLiteral("Proceed"));
    back =
        place<QPushButton>(client(), QStringLiteral("back"), 16920, 10440, 1455, 495, QStringLiteral("Back"));
    forms::onClick(export_to_word, this, &eisagwgh_meleths::export_to_word_Click);
    forms::onClick(back, this, &eisagwgh_meleths::back_Click);
}

// Despite its name it exports nothing: the band calculation comes next.
void eisagwgh_meleths::export_to_word_Click() {
    forms::show(QStringLiteral("Form1"));
}

void eisagwgh_meleths::back_Click() {
    forms::show<pinb2>();
    forms::hide<eisagwgh_meleths>();
}
