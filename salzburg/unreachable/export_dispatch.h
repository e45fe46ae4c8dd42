#pragma once
// The Salzburg sector window's own export to the workbook template. No control,
// menu item or other procedure calls it.
#include "report_excel/export_run.h"

namespace salzburg::unreachable {

// The sector texts of this export: the grid's fields a to o of its six sectors.
// Which sectors are in the study is still ticked on the sectorisation window,
// so a ticked sector 7, 8 or 9, which has no column in the grid, gets empty texts.
extern const report_excel::SectorTexts gridSectorTexts;

// The band check boxes of the band-calculation window choose one of the seven
// routines, none when no band is ticked. The band block is the sectorisation
// window's export's; the sector block takes the texts from the grid.
void print_report_excel_dispatch();

} // namespace salzburg::unreachable
