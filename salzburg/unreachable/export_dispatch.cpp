#include "salzburg/unreachable/export_dispatch.h"

#include "report_excel/print_report_excel.h"
#include "salzburg/Form2_saltz.h"

namespace salzburg::unreachable {

namespace {
// The grid's fields a to o of its six sectors. A ticked sector 7, 8 or 9 has
// no column in the grid and gets empty texts, as a ticked sector with empty boxes.
constexpr report_excel::SectorTexts gridSectorTexts = {Form2_saltz::formName, Form2_saltz::sectorCount};
} // namespace

void print_report_excel_dispatch() {
    report_excel::exportStudy(gridSectorTexts);
}

} // namespace salzburg::unreachable
