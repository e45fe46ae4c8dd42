#include "study/antenna_arrays.h"

#include "platform/runtime/buttons.h"
#include "platform/runtime/twips.h"
#include "study/eisagwgh_meleths.h"
#include "study/pinb1.h"

using forms::place;

namespace {
struct Field {
    const char* stem;
    study::GridRow row;
};

const Field fields[] = {
    {"aa_ant", {"Label1", "Α/Α κεραιοδιάταξης", 360}},
    {"istos", {"Label2", "Ιστός στήριξης", 720}},
    {"par", {"Label3", "Πάροχος", 1080}},
    {"serv", {"Label4", "Υπηρεσία", 1440}},
    {"freq", {"Label5", "Συχνότητα εκπομπής (MHz)", 1800}},
    {"az", {"Label6", "Αζιμούθιο(μοίρες)", 2160}},
    {"tilt", {"Label7", "Ηλεκτρική και μηχανική κλίση (μοίρες)", 2520}},
    {"h_from_base", {"Label8", "Ύψος κέντρου κεραίας από τη βάση του ιστού(m)", 3000}},
    {"manuf", {"Label9", "Κατασκευαστής", 3480}},
    {"model", {"Label10", "Μοντέλο / Τύπος", 3840}},
    {"g_main", {"Label11", "Μέγιστο κέρδος στον κύριο λοβό Gm (dBi)", 4200}},
    {"g_side", {"Label12", "Μέγιστο κέρδος στο μεγαλύτερο πλάγιο λοβό Gs (dBi)", 4560}},
    {"vert3db", {"Label13", "Γωνία ημίσεως ισχύος στο κατακόρυφο διάγραμμα θ-3dB (μοίρες)", 5160}},
    {"angle_ths", {"Label14", "Γωνία θs στο κατακόρυφο διάγραμμα (μοίρες)", 5520}},
    {"horiz3db", {"Label15", "Γωνία ημίσεως ισχύος στο οριζόντιο διάγραμμα φ-3dB (μοίρες)", 6000}},
    {"horiz10db", {"Label16", "Γωνία 1/10 ισχύος στο οριζόντιο διάγραμμα φ-10dB (μοίρες)", 6360}},
    {"horiz20db", {"Label17", "Γωνία 1/100 ισχύος στο οριζόντιο διάγραμμα φ-20dB (μοίρες)", 6960}},
    {"maxside", {"Label18", "Μέγιστο κέρδος μεγαλύτερου πλάγιου λοβού Gr (dBi)", 7560}},
    {"nb_ch", {"Label19", "Αριθμός φασματικών καναλιών (φερουσών)", 8040}},
    {"p_ch", {"Label20", "Ισχύς στην είσοδο της κεραιοδιάταξης ανά φέρουσα (W)", 8400}},
};

static_assert(std::size(fields) == study::AntennaArrayWindow::fieldCount);

const auto rows = [] {
    std::array<study::GridRow, std::size(fields)> r{};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        r[i] = fields[i].row;
    return r;
}();

constexpr int arrayCount = study::AntennaArrayWindow::arrayCount;
const auto arrayLefts = [] {
    std::array<int, arrayCount> lefts{};
    for (int n = 0; n < arrayCount; ++n)
        lefts[n] = 4440 + 1560 * n;
    return lefts;
}();
} // namespace

namespace study {

AntennaArrayWindow::AntennaArrayWindow(const char* name)
    : forms::Window(QString::fromLatin1(name), QStringLiteral("Τεχνικά χαρακτηριστικά κεραιοδιατάξεων"),
                    18960, 11160, forms::CloseBox::Hide) {
    Frame1 = placeFrame(client(), QStringLiteral("Τεχνικά χαρακτηριστικά των κεραιοδιατάξεων"), 120, 120,
                        18720, 9000);
    arrays = buildTextGrid(Frame1, rows, arrayLefts, {120, 4200, 1095, 285},
                           [](int row, int column) { return boxName(row, column + 1); });
    proceed = place<QPushButton>(client(), QStringLiteral("proceed"), 17280, 9360, 1455, 495,
                                 QStringLiteral("Proceed"));
}

QString AntennaArrayWindow::boxName(int field, int array) {
    return QString::fromLatin1(fields[field].stem) + QString::number(array);
}

} // namespace study

pinb2::pinb2()
    : AntennaArrayWindow(formName) {
    back =
        place<QPushButton>(client(), QStringLiteral("back"), 17280, 9960, 1455, 495, QStringLiteral("Back"));
    forms::onClick(proceed, this, &pinb2::proceed_Click);
    forms::onClick(back, this, &pinb2::back_Click);
}

void pinb2::proceed_Click() {
    forms::show<eisagwgh_meleths>();
    forms::hide<pinb2>();
}

void pinb2::back_Click() {
    forms::show<pinb1>();
    forms::hide<pinb2>();
}

pinb2_saltz::pinb2_saltz()
    : AntennaArrayWindow(formName) {
    forms::onClick(proceed, this, &pinb2_saltz::proceed_Click);
}

void pinb2_saltz::proceed_Click() {
    forms::show(QStringLiteral("Form2_saltz"));
    forms::hide<pinb2_saltz>();
}
