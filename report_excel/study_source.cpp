#include "report_excel/study_source.h"

#include <QCheckBox>
#include <stdexcept>

#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"

namespace report_excel {

namespace {
template <class T> T* box(const QString& window, const QString& name) {
    T* control = forms::control<T>(window, name);
    if (!control)
        throw std::runtime_error(
            QStringLiteral("Το πεδίο «%1.%2» δεν βρέθηκε.").arg(window, name).toStdString());
    return control;
}
} // namespace

int StudyWindows::value(const QString& window, const QString& name) {
    switch (box<QCheckBox>(window, name)->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

QString StudyWindows::text(const QString& window, const QString& name) {
    return forms::textOf(box<QWidget>(window, name));
}

} // namespace report_excel
