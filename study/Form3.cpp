#include "study/Form3.h"

#include "platform/runtime/twips.h"

using forms::place;

Form3::Form3()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Credits"), 6960, 3480,
                    forms::CloseBox::Unload) {
    Label1 = place<QLabel>(client(), QStringLiteral("Label1"), 360, 360, 6240, 480, QStringLiteral("Vorlux"));
    QFont name = Label1->font();
    name.setPointSize(14);
    name.setBold(true);
    Label1->setFont(name);
    Label2 = place<QLabel>(client(), QStringLiteral("Label2"), 360, 1020, 6240, 480,
                           QStringLiteral("Μελέτη ραδιοεκπομπών κεραιών σταθμών βάσης κινητής τηλεφωνίας"));
    Label3 = place<QLabel>(client(), QStringLiteral("Label3"), 360, 1680, 6240, 480,
                           QStringLiteral("Μελέτη κατά το υπόμνημα της ΕΕΑΕ και κατά το μοντέλο Saltzburg"));
    Label4 = place<QLabel>(client(), QStringLiteral("Label4"), 360, 2460, 6240, 480,
                           QStringLiteral("Γραμμένο σε C++ με τη βιβλιοθήκη Qt"));
    for (QLabel* label : {Label1, Label2, Label3, Label4}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
}
