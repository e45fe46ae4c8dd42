#include "report_word/report_tables.h"

#include <QWidget>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/word.h"

namespace report_word {

namespace {

// Table 1: one row per field of the masts window, column c holds mast c - 1.
// The count of mobile-telephony antennas fills rows 3 and 4.
constexpr const char* mastRows[] = {"on",      "kat",     "nb_ant",    "nb_ant",   "nb_micro",
                                    "nb_rest", "h_istou", "h_ktiriou", "h_edafous"};
constexpr int masts = 7;

// Table 2: one row per field of the antenna-array window, column c holds array c - 1.
constexpr const char* arrayRows[] = {"aa_ant",    "istos",     "par",         "serv",      "freq",
                                     "az",        "tilt",      "h_from_base", "manuf",     "model",
                                     "g_main",    "g_side",    "vert3db",     "angle_ths", "horiz3db",
                                     "horiz10db", "horiz20db", "maxside",     "nb_ch",     "p_ch"};
constexpr int arrays = 8;

// Table 3: rows 2 to 16 hold the fields a to o, column c holds sector c - 1.
constexpr char sectorFields[] = "abcdefghijklmno";
constexpr int sectors = 9;

// Tables 4 to 11: column 2, rows 2 to 4 for GSM-900, DCS-1800, UMTS-2100.
struct BandTable {
    int table;
    const char* boxes[3];
};
constexpr BandTable bandTables[] = {
    {4, {"sg1", "sd1", "su1"}},  {5, {"sg2", "sd2", "su2"}},  {6, {"dg1", "dd1", "du1"}},
    {7, {"dg2", "dd2", "du2"}},  {8, {"eg1", "ed1", "eu1"}},  {9, {"eg2", "ed2", "eu2"}},
    {10, {"mg1", "md1", "mu1"}}, {11, {"mg2", "md2", "mu2"}},
};

// Tables 12 and 13: column 2, rows 1 and 2 for the two distances.
struct IndexTable {
    int table;
    const char* boxes[2];
};
constexpr IndexTable indexTables[] = {{12, {"depps1", "depps2"}}, {13, {"depps3", "depps4"}}};

std::vector<ReportCell> buildCells() {
    std::vector<ReportCell> cells;
    int row = 0;
    for (const char* stem : mastRows) {
        ++row;
        for (int n = 1; n <= masts; ++n)
            cells.push_back({1, row, n + 1, "pinb1", QString::fromLatin1(stem) + QString::number(n)});
    }
    row = 0;
    for (const char* stem : arrayRows) {
        ++row;
        for (int n = 1; n <= arrays; ++n)
            cells.push_back({2, row, n + 1, "pinb2", QString::fromLatin1(stem) + QString::number(n)});
    }
    for (int f = 0; sectorFields[f]; ++f)
        for (int k = 1; k <= sectors; ++k)
            cells.push_back({3, f + 2, k + 1, "Form2",
                             QStringLiteral("sec%1%2").arg(k).arg(QLatin1Char(sectorFields[f]))});
    for (const BandTable& t : bandTables)
        for (int band = 0; band < 3; ++band)
            cells.push_back({t.table, band + 2, 2, "Form1", QString::fromLatin1(t.boxes[band])});
    for (const IndexTable& t : indexTables)
        for (int distance = 0; distance < 2; ++distance)
            cells.push_back({t.table, distance + 1, 2, "Form1", QString::fromLatin1(t.boxes[distance])});
    return cells;
}

// The box's text as it stands; a window not loaded is loaded, not shown.
QString textOfBox(const char* window, const QString& box) {
    const QWidget* control = forms::control<QWidget>(QString::fromLatin1(window), box);
    if (!control)
        throw word::Error(QStringLiteral("Το παράθυρο «%1» δεν έχει το πλαίσιο «%2».")
                              .arg(QString::fromLatin1(window), box));
    return forms::textOf(control);
}

} // namespace

const std::vector<ReportCell>& reportCells() {
    static const std::vector<ReportCell> cells = buildCells();
    return cells;
}

void fillTables(word::Application& tables) {
    for (const ReportCell& cell : reportCells())
        tables.activeDocument()
            .tables()
            .item(cell.table)
            .cell(cell.row, cell.column)
            .range()
            .setText(textOfBox(cell.window, cell.box));
}

} // namespace report_word
