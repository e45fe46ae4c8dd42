#pragma once

#include "report_excel/export_run.h"

namespace report_excel {

// The sectorisation window's "Export to excel (Stand alone)".
void print_report_excel_Click();

// The export read from the windows themselves, the sector texts from `sectors`.
// A failure is told to the user in Greek; the windows stay as they are.
void exportStudy(const SectorTexts& sectors);

} // namespace report_excel
