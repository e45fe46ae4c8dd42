#include "report_word/report_tables.h"

#include <QWidget>

#include "eeae/band_boxes.h"
#include "platform/office/word.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "study/Form2.h"
#include "study/antenna_arrays.h"
#include "study/pinb1.h"
#include "study/sector_boxes.h"

namespace report_word {

namespace {

// Table 1: row r holds field mastRowFields[r - 1] of the masts window, counted
// from 0 in the window's top-to-bottom order; column c holds mast c - 1. The
// count of mobile-telephony antennas (field 2) fills rows 3 and 4.
constexpr int mastRowFields[] = {0, 1, 2, 2, 3, 4, 5, 6, 7};

// Table 2: row r holds field r - 1 of the antenna-array window, column c holds
// array c - 1. Table 3: row r holds field r - 2 (a, b, ...) of the sectorisation
// window, column c holds sector c - 1.

// Tables 4 to 11: one result of the band-calculation window each, in column 2,
// rows 2 to 4 for GSM-900, DCS-1800, UMTS-2100.
using eeae::Result;
struct BandTable {
    int table;
    Result result;
};
constexpr BandTable bandTables[] = {
    {4, Result::S1}, {5, Result::S2}, {6, Result::D1},  {7, Result::D2},
    {8, Result::E1}, {9, Result::E2}, {10, Result::M1}, {11, Result::M2},
};

// Tables 12 and 13: the index at 60% and at 70% of the limits, in column 2,
// rows 1 and 2 for the two distances (depps1, depps2; depps3, depps4).
constexpr int indexTables[] = {12, 13};

std::vector<ReportCell> buildCells() {
    std::vector<ReportCell> cells;
    int row = 0;
    for (int field : mastRowFields) {
        ++row;
        for (int n = 1; n <= pinb1::mastCount; ++n)
            cells.push_back({1, row, n + 1, "pinb1", pinb1::boxName(field, n)});
    }
    for (int field = 0; field < pinb2::fieldCount; ++field)
        for (int n = 1; n <= pinb2::arrayCount; ++n)
            cells.push_back({2, field + 1, n + 1, "pinb2", pinb2::boxName(field, n)});
    for (int field = 0; field < Form2::fieldCount; ++field)
        for (int k = 1; k <= Form2::sectorCount; ++k)
            cells.push_back({3, field + 2, k + 1, "Form2", study::sectorBox(k, field)});
    for (const BandTable& t : bandTables)
        for (eeae::Band band : eeae::allBands)
            cells.push_back({t.table, eeae::indexOf(band) + 2, 2, "Form1",
                             QString::fromLatin1(eeae::resultBox(band, t.result))});
    for (int limit = 0; limit < 2; ++limit)
        for (int distance = 0; distance < 2; ++distance)
            cells.push_back({indexTables[limit], distance + 1, 2, "Form1",
                             QString::fromLatin1(eeae::indexBoxes[2 * limit + distance])});
    return cells;
}

// The box's text as it stands; a window not loaded is loaded, not shown.
QString textOfBox(const char* window, const QString& box) {
    return forms::textOf(forms::requiredControl<QWidget>(QString::fromLatin1(window), box));
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
