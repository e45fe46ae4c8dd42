#include "report_excel/print_report_excel.h"

#include <exception>

#include "platform/messages.h"
#include "report_excel/export_run.h"
#include "report_excel/study_source.h"

namespace report_excel {

void print_report_excel_Click() {
    StudyWindows windows;
    try {
        dispatch(windows);
    } catch (const std::exception& failure) {
        // The export only reads the windows: everything typed is still there.
        messages::critical(QStringLiteral("Η εξαγωγή στο Excel δεν έγινε.\n\n%1\n\n"
                                          "Τα στοιχεία της μελέτης παραμένουν όπως τα πληκτρολογήσατε.")
                               .arg(QString::fromUtf8(failure.what())));
    }
}

} // namespace report_excel
