#include "report_excel/print_report_excel.h"

#include <exception>

#include "platform/desktop/file_names.h"
#include "platform/office/excel_error.h"
#include "platform/runtime/messages.h"
#include "report_excel/study_source.h"

namespace report_excel {

void print_report_excel_Click() {
    exportStudy(sectorisationTexts);
}

void exportStudy(const SectorTexts& sectors) {
    StudyWindows windows;
    try {
        dispatch(windows, sectors);
    } catch (const excel::NotOpened& failure) {
        messages::information(
            QStringLiteral("Το συμπληρωμένο βιβλίο εργασίας γράφτηκε στο %1, αλλά δεν άνοιξε: δεν βρέθηκε "
                           "εφαρμογή για το άνοιγμα του αρχείου.")
                .arg(desktop::quoted(failure.file)));
    } catch (const std::exception& failure) {
        // The export only reads the windows: everything typed is still there.
        messages::critical(QStringLiteral("Η εξαγωγή στο Excel δεν έγινε.\n\n%1\n\n"
                                          "Τα στοιχεία της μελέτης παραμένουν όπως τα πληκτρολογήσατε.")
                               .arg(messages::causeOf(failure)));
    }
}

} // namespace report_excel
