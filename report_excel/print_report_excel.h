#pragma once

namespace report_excel {

// The sectorisation window's "Export to excel (Stand alone)".
void print_report_excel_Click();

} // namespace report_excel
