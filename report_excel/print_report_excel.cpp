#include "report_excel/print_report_excel.h"

namespace report_excel {

void print_report_excel_Click() {}

} // namespace report_excel
