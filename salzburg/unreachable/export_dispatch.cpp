#include "salzburg/unreachable/export_dispatch.h"

#include "report_excel/print_report_excel.h"
#include "salzburg/Form2_saltz.h"

namespace salzburg::unreachable {

const report_excel::SectorTexts gridSectorTexts = {Form2_saltz::formName, Form2_saltz::sectorCount};

void print_report_excel_dispatch() {
    report_excel::exportStudy(gridSectorTexts);
}

} // namespace salzburg::unreachable
