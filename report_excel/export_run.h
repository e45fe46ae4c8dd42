#pragma once
// The export of the study to the workbook template: one routine per band
// combination, chosen by the band check boxes of the band-calculation window.
#include <array>

#include "report_excel/cell_map.h"

namespace report_excel {

class StudySource;

struct Routine {
    const char* name;
    std::array<int, 3> checks; // Form1.Check1 (GSM-900), Check2 (DCS-1800), Check3 (UMTS-2100)
    bool covers(std::optional<eeae::Band> band) const { return !band || checks[eeae::indexOf(*band)] == 1; }
};
inline constexpr int routineCount = 7;
extern const Routine routines[routineCount];

// Where the texts of the ticked sectors are read: the boxes sec1a, sec1b ... of
// one window. Whether a sector is in the study is always the tick of the
// sectorisation window.
struct SectorTexts {
    const char* window;
    int sectors; // sectors 1 to this have boxes there; a ticked sector beyond them gets empty texts
};
inline constexpr SectorTexts sectorisationTexts = {"Form2", sectorCount};

// Makes the seven tests of the band check boxes in order, each with fresh
// reads, and runs the routine of the test that holds. Returns that routine, or
// null when no band is ticked. Throws excel::Error (or another std::exception)
// when the export fails; no later test is made then.
const Routine* dispatch(StudySource& study, const SectorTexts& sectors = sectorisationTexts);

// One export: opens the template in a new spreadsheet, writes the 39 cells of
// the band calculation and the 135 of the sectors, shows the filled workbook
// to the user and quits the spreadsheet.
void run(const Routine& routine, StudySource& study, const SectorTexts& sectors = sectorisationTexts);

} // namespace report_excel
