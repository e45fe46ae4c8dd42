#pragma once
// The cells of the workbook template that every export writes, with the box of
// the study whose text each receives, in the order they are written.
#include <QString>
#include <optional>

#include "eeae/band_calculation.h"

namespace report_excel {

// A cell of the band block, the distances and the exposure indices, filled from
// the band-calculation window.
struct StudyCell {
    int row;
    int column;
    const char* box;                // the box of Form1
    std::optional<eeae::Band> band; // none: written whatever the bands of the study
    bool held = false;              // electric field: its text is taken before the first cell is written
};
inline constexpr int studyCellCount = 39;
extern const StudyCell studyCells[studyCellCount];

// A sector's fifteen fields a to o (boxes named by study::sectorBox) go down one
// column from its first row.
struct SectorColumn {
    int firstRow;
    int column;
};
inline constexpr int sectorCount = 9;
inline constexpr int sectorFieldCount = 15;
extern const SectorColumn sectorColumns[sectorCount];

// What the cells of a band or a sector outside the study receive.
inline constexpr const char16_t* bandOutsideStudy = u"Εκτός μελέτης.";
inline constexpr const char16_t* sectorOutsideStudy = u"-";

// Where the template lies in the program folder.
inline constexpr const char* templatePath = "excel_print/Radiation_report.XLS";

} // namespace report_excel
