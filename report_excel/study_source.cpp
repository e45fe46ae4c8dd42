#include "report_excel/study_source.h"

#include <QCheckBox>

#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"

namespace report_excel {

using forms::requiredControl;

int StudyWindows::value(const QString& window, const QString& name) {
    switch (requiredControl<QCheckBox>(window, name)->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

QString StudyWindows::text(const QString& window, const QString& name) {
    return forms::textOf(requiredControl<QWidget>(window, name));
}

} // namespace report_excel
