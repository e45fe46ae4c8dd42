#include "report_excel/print_report_excel.h"

#include <exception>

#include "platform/messages.h"
#include "report_excel/study_source.h"

namespace report_excel {

void print_report_excel_Click() {
    exportStudy(sectorisationTexts);
}

void exportStudy(const SectorTexts& sectors) {
    StudyWindows windows;
    try {
        dispatch(windows, sectors);
    } catch (const std::exception& failure) {
        // The export only reads the windows: everything typed is still there.
        messages::critical(QStringLiteral("Η εξαγωγή στο Excel δεν έγινε.\n\n%1\n\n"
                                          "Τα στοιχεία της μελέτης παραμένουν όπως τα πληκτρολογήσατε.")
                               .arg(QString::fromUtf8(failure.what())));
    }
}

} // namespace report_excel
