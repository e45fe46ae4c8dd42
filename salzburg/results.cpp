#include "salzburg/results.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

results::results()
    : forms::Window(QString::fromLatin1(formName),
                    QStringLiteral("Αποτελέσματα μελέτης - Γραφική απεικόνιση περιοχών"), 18960, 11160,
                    forms::CloseBox::Hide) {
    back =
        place<QPushButton>(client(), QStringLiteral("back"), 16200, 10200, 1215, 375, QStringLiteral("Back"));
    forms::onClick(back, this, &results::back_Click);
}

// The one back button that hides its own window before showing the previous one.
void results::back_Click() {
    forms::hide(QString::fromLatin1(formName));
    forms::show(QStringLiteral("Form2_saltz"));
}
