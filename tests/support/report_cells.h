#pragma once
// Which box of which study window each cell of the report's 13 tables holds,
// typed here from the report's table layout and kept apart from the program's
// own list, so that a cell given the wrong box fails the report tests.
#include <QString>
#include <vector>

namespace testsupport {

struct ExpectedCell {
    int table, row, column; // all from 1
    QString window, box;
};

// One table row's cells from firstColumn to lastColumn; in the box, %1 stands
// for the mast, array or sector of the column: column - 1.
struct CellRun {
    int table, row, firstColumn, lastColumn;
    const char* window;
    const char* box;
};

inline constexpr CellRun reportCellRuns[] = {
    // Table 1, masts 1 to 7. The count of mobile-telephony antennas fills rows 3 and 4.
    {1, 1, 2, 8, "pinb1", "on%1"},
    {1, 2, 2, 8, "pinb1", "kat%1"},
    {1, 3, 2, 8, "pinb1", "nb_ant%1"},
    {1, 4, 2, 8, "pinb1", "nb_ant%1"},
    {1, 5, 2, 8, "pinb1", "nb_micro%1"},
    {1, 6, 2, 8, "pinb1", "nb_rest%1"},
    {1, 7, 2, 8, "pinb1", "h_istou%1"},
    {1, 8, 2, 8, "pinb1", "h_ktiriou%1"},
    {1, 9, 2, 8, "pinb1", "h_edafous%1"},
    // Table 2, antenna arrays 1 to 8.
    {2, 1, 2, 9, "pinb2", "aa_ant%1"},
    {2, 2, 2, 9, "pinb2", "istos%1"},
    {2, 3, 2, 9, "pinb2", "par%1"},
    {2, 4, 2, 9, "pinb2", "serv%1"},
    {2, 5, 2, 9, "pinb2", "freq%1"},
    {2, 6, 2, 9, "pinb2", "az%1"},
    {2, 7, 2, 9, "pinb2", "tilt%1"},
    {2, 8, 2, 9, "pinb2", "h_from_base%1"},
    {2, 9, 2, 9, "pinb2", "manuf%1"},
    {2, 10, 2, 9, "pinb2", "model%1"},
    {2, 11, 2, 9, "pinb2", "g_main%1"},
    {2, 12, 2, 9, "pinb2", "g_side%1"},
    {2, 13, 2, 9, "pinb2", "vert3db%1"},
    {2, 14, 2, 9, "pinb2", "angle_ths%1"},
    {2, 15, 2, 9, "pinb2", "horiz3db%1"},
    {2, 16, 2, 9, "pinb2", "horiz10db%1"},
    {2, 17, 2, 9, "pinb2", "horiz20db%1"},
    {2, 18, 2, 9, "pinb2", "maxside%1"},
    {2, 19, 2, 9, "pinb2", "nb_ch%1"},
    {2, 20, 2, 9, "pinb2", "p_ch%1"},
    // Table 3, sectors 1 to 9; row 1 is the template's header.
    {3, 2, 2, 10, "Form2", "sec%1a"},
    {3, 3, 2, 10, "Form2", "sec%1b"},
    {3, 4, 2, 10, "Form2", "sec%1c"},
    {3, 5, 2, 10, "Form2", "sec%1d"},
    {3, 6, 2, 10, "Form2", "sec%1e"},
    {3, 7, 2, 10, "Form2", "sec%1f"},
    {3, 8, 2, 10, "Form2", "sec%1g"},
    {3, 9, 2, 10, "Form2", "sec%1h"},
    {3, 10, 2, 10, "Form2", "sec%1i"},
    {3, 11, 2, 10, "Form2", "sec%1j"},
    {3, 12, 2, 10, "Form2", "sec%1k"},
    {3, 13, 2, 10, "Form2", "sec%1l"},
    {3, 14, 2, 10, "Form2", "sec%1m"},
    {3, 15, 2, 10, "Form2", "sec%1n"},
    {3, 16, 2, 10, "Form2", "sec%1o"},
    // Tables 4 to 11, one value per band in column 2: GSM-900, DCS-1800, UMTS-2100.
    {4, 2, 2, 2, "Form1", "sg1"},
    {4, 3, 2, 2, "Form1", "sd1"},
    {4, 4, 2, 2, "Form1", "su1"},
    {5, 2, 2, 2, "Form1", "sg2"},
    {5, 3, 2, 2, "Form1", "sd2"},
    {5, 4, 2, 2, "Form1", "su2"},
    {6, 2, 2, 2, "Form1", "dg1"},
    {6, 3, 2, 2, "Form1", "dd1"},
    {6, 4, 2, 2, "Form1", "du1"},
    {7, 2, 2, 2, "Form1", "dg2"},
    {7, 3, 2, 2, "Form1", "dd2"},
    {7, 4, 2, 2, "Form1", "du2"},
    {8, 2, 2, 2, "Form1", "eg1"},
    {8, 3, 2, 2, "Form1", "ed1"},
    {8, 4, 2, 2, "Form1", "eu1"},
    {9, 2, 2, 2, "Form1", "eg2"},
    {9, 3, 2, 2, "Form1", "ed2"},
    {9, 4, 2, 2, "Form1", "eu2"},
    {10, 2, 2, 2, "Form1", "mg1"},
    {10, 3, 2, 2, "Form1", "md1"},
    {10, 4, 2, 2, "Form1", "mu1"},
    {11, 2, 2, 2, "Form1", "mg2"},
    {11, 3, 2, 2, "Form1", "md2"},
    {11, 4, 2, 2, "Form1", "mu2"},
    // Tables 12 and 13, the exposure index at distance 1 and distance 2.
    {12, 1, 2, 2, "Form1", "depps1"},
    {12, 2, 2, 2, "Form1", "depps2"},
    {13, 1, 2, 2, "Form1", "depps3"},
    {13, 2, 2, 2, "Form1", "depps4"},
};

// Every written cell, one by one.
inline std::vector<ExpectedCell> expectedReportCells() {
    std::vector<ExpectedCell> cells;
    for (const CellRun& run : reportCellRuns)
        for (int column = run.firstColumn; column <= run.lastColumn; ++column) {
            QString box = QString::fromLatin1(run.box);
            if (box.contains(QStringLiteral("%1")))
                box = box.arg(column - 1);
            cells.push_back({run.table, run.row, column, QString::fromLatin1(run.window), box});
        }
    return cells;
}

} // namespace testsupport
