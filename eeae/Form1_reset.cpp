// "Αρχικοποίηση": back to the window's initial state. The check boxes go first,
// so the procedures of the ticked ones run (and may show their hints).
#include "eeae/Form1.h"

void Form1::reset_Click() {
    proceed->setEnabled(false);
    for (BandControls& band : bands)
        band.check->setChecked(false);
    for (BandControls& band : bands)
        for (QLineEdit* input : band.inputs())
            input->setText(QStringLiteral("0"));
    dp1->setText(QStringLiteral("0"));
    dp2->setText(QStringLiteral("0"));
    // Quantity by quantity: power density, E, H, safety distance, each over the bands.
    for (std::size_t quantity = 0; quantity < 4; ++quantity)
        for (BandControls& band : bands)
            for (std::size_t column = 0; column < 2; ++column)
                band.results[2 * quantity + column]->setText(QStringLiteral("-"));
    for (QLineEdit* box : depps)
        box->setText(QStringLiteral("-"));
    for (QFrame* line : lines)
        line->hide();
    for (QLabel* caption : captions)
        caption->clear();
}
