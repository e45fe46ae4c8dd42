#pragma once
// The Salzburg sector window's own export to the workbook template. No control,
// menu item or other procedure calls it.

namespace salzburg::unreachable {

// The band check boxes of the band-calculation window choose one of the seven
// routines of the sectorisation window's export, none when no band is ticked:
// the same band block, and the sector block with the ticks of the
// sectorisation window and the texts of this window's grid.
void print_report_excel_dispatch();

} // namespace salzburg::unreachable
