#include "study/pinb1.h"

#include "platform/runtime/buttons.h"
#include "platform/runtime/twips.h"
#include "study/antenna_arrays.h"

using forms::place;

namespace {
const char* const fieldStems[] = {"on",      "kat",     "nb_ant",    "nb_micro",
                                  "nb_rest", "h_istou", "h_ktiriou", "h_edafous"};

const study::GridRow rows[] = {
    {"Label1", "Ονομασία Ιστού", 840},
    {"Label2", "Κάτοχος", 1200},
    {"Label3", "Αριθμός κεραιών κινητής τηλεφωνίας", 1800},
    {"Label4", "Αριθμός μικροκυματικών ζεύξεων", 2520},
    {"Label5", "Αριθμός άλλων κεραιοδιατάξεων", 3360},
    {"Label6", "Ύψος ιστού (m)", 3960},
    {"Label7", "Ύψος κτιρίου (m)", 4560},
    {"Label8", "Υψόμετρο εδάφους (m)", 5040},
};

static_assert(std::size(fieldStems) == pinb1::fieldCount && std::size(rows) == pinb1::fieldCount);

const int mastLefts[pinb1::mastCount] = {3480, 5520, 7680, 9960, 12240, 14400, 16440};
} // namespace

QString pinb1::boxName(int field, int mast) {
    return QString::fromLatin1(fieldStems[field]) + QString::number(mast);
}

pinb1::pinb1()
    : forms::Window(QString::fromLatin1(formName),
                    QStringLiteral("Χαρακτηριστικά ιστών στήριξης κεραιοδιατάξεων"), 18960, 11160,
                    forms::CloseBox::Hide) {
    Frame1 = study::placeFrame(client(), QStringLiteral("Χαρακτηριστικά ιστών στήριξης κεραιοδιατάξεων"), 120,
                               1440, 18720, 5880);
    masts = study::buildTextGrid(Frame1, rows, mastLefts, {120, 3240, 1335, 285},
                                 [](int row, int column) { return boxName(row, column + 1); });
    proceed = place<QPushButton>(client(), QStringLiteral("proceed"), 17280, 7680, 1455, 495,
                                 QStringLiteral("Proceed"));
    forms::onClick(proceed, this, &pinb1::proceed_Click);
}

void pinb1::proceed_Click() {
    forms::show<pinb2>();
    forms::hide<pinb1>();
}
