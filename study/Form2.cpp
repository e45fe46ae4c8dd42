#include "study/Form2.h"

#include <QLabel>

#include "platform/runtime/buttons.h"
#include "platform/runtime/column_tick.h"
#include "platform/runtime/graphical_button.h"
#include "platform/runtime/shapes.h"
#include "platform/runtime/twips.h"
#include "study/button_pictures.h"
#include "study/sector_boxes.h"

using forms::place;

namespace {
const study::GridRow fieldRows[] = {
    {"Label1", "Συχνότητα λειτουργίας(MHz)", 1200},
    {"Label5", "Ισχύς ανά κανάλι (W)", 1680},
    {"Label6", "Ισχύς ανά κανάλι (dBm)", 2160},
    {"Label7", "Κατεύθυνση (μοίρες)", 2640},
    {"Label8", "Τύπος κεραιών", 3120},
    {"Label9", "Κέρδος κεραιών (dBi)", 3600},
    {"Label10", "Προς τα κάτω κλίση της κεραίας (μοίρες)", 4080},
    {"Label11", "Οριζόντια απόκλιση (μοίρες)", 4560},
    {"Label12", "Κάθετη απόκλιση (μοίρες)", 5040},
    {"Label13", "Κάθετη απόκλιση σε σχέση με την προς τα κάτω κλίση της κεραίας (μοίρες)", 5640},
    {"Label14", "Οριζόντια απώλεια (dB)", 6240},
    {"Label15", "Κατακόρυφη απώλεια (dB)", 6720},
    {"Label16", "Απώλεια καλωδίων (dB)", 7200},
    {"Label17", "Γενικό κέρδος (dB)", 7680},
    {"Label18", "Ύψος κεραιών από τη χαμηλότερη άκρη (m)", 8160},
};
static_assert(std::size(fieldRows) == Form2::fieldCount);

const int sectorLefts[Form2::sectorCount] = {4560, 6000, 7440, 8880, 10440, 12000, 13440, 15000, 16560};
constexpr int boxWidth = 1095;
constexpr int boxHeight = 285;
constexpr int headerTop = 720;

} // namespace

Form2::Form2()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Τομεοποίηση"), 18960, 11160,
                    forms::CloseBox::Hide) {
    Frame1 = study::placeFrame(client(), QStringLiteral("Sectorisation ανά συχνότητα λειτουργίας"), 120, 120,
                               18720, 8880);
    QFont normal = Frame1->font();
    normal.setBold(false);

    auto* title = place<QLabel>(Frame1, QStringLiteral("Label2"), 120, headerTop, 3000, boxHeight,
                                QStringLiteral("Τομέας"));
    title->setFont(normal);
    for (int k = 0; k < sectorCount; ++k) {
        Check[k] = place<QCheckBox>(Frame1, QStringLiteral("Check%1").arg(k + 1), sectorLefts[k], headerTop,
                                    255, boxHeight);
        auto* caption = place<QLabel>(Frame1, QStringLiteral("Label3"), sectorLefts[k] + 255, headerTop,
                                      boxWidth - 255, boxHeight, QStringLiteral("Sector %1").arg(k + 1));
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(normal);
    }

    sectors = study::buildTextGrid(Frame1, fieldRows, sectorLefts, {120, 4200, boxWidth, boxHeight},
                                   [](int field, int sector) { return study::sectorBox(sector + 1, field); });
    for (const auto& column : sectors)
        for (QLineEdit* box : column)
            box->setEnabled(false);

    const int tableLeft = sectorLefts[0] - 60;
    const int tableRight = sectorLefts[sectorCount - 1] + boxWidth + 60;
    const int tableTop = headerTop + boxHeight + 60;
    const int tableBottom = fieldRows[fieldCount - 1].top + boxHeight + 60;
    // The table's ruling lines, under its boxes; a line ends on its last pixel, one
    // pixel (15 twips) short of the table's edge.
    (new forms::Line(Frame1, QString(), tableLeft, tableTop, tableLeft, tableBottom - 15))->lower();
    for (const study::GridRow& row : fieldRows) {
        const int y = row.top + boxHeight + 60;
        (new forms::Line(Frame1, QString(), tableLeft, y, tableRight - 15, y))->lower();
    }

    // The bottom row at the right: "Back", the export, "Proceed to word".
    back1 =
        place<QPushButton>(client(), QStringLiteral("back1"), 14280, 9720, 1455, 735, QStringLiteral("Back"));
    print_report_excel =
        place<forms::GraphicalButton>(client(), QStringLiteral("print_report_excel"), 15840, 9720, 1455, 735,
                                      QStringLiteral("Export to excel (Stand alone)"));
    print_report_excel->setIcon(study::spreadsheetPicture());
    next_to_word = place<forms::GraphicalButton>(client(), QStringLiteral("next_to_word"), 17400, 9720, 1455,
                                                 735, QStringLiteral("Proceed to word"));
    next_to_word->setIcon(study::documentPicture());

    for (int k = 0; k < sectorCount; ++k)
        forms::onValueChange(Check[k], this, &Form2::Check_Click, k + 1);
    forms::onClick(back1, this, &Form2::back1_Click);
    forms::onClick(next_to_word, this, &Form2::next_to_word_Click);
}

void Form2::Check_Click(int sector) {
    forms::openColumn(sectors[sector - 1], Check[sector - 1]->isChecked());
}

void Form2::back1_Click() {
    forms::show(QStringLiteral("Form1"));
    forms::hide<Form2>();
}

void Form2::next_to_word_Click() {
    forms::show(QStringLiteral("browse"));
}
