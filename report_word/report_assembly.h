#pragma once
// The report procedure behind "Create report": the report document assembled
// from the templates in the program's "words" folder, the description and the
// filled tables, saved as <folder>/<name>.doc and opened for the user.
#include <QString>

namespace report_word {

// The report's path: the folder, a separator, the name as typed, ".doc".
QString reportPath(const QString& folder, const QString& name);

// True when the report was written. On a failure the user has been told why,
// nothing half-written is left at the report path and a file that stood there
// before is there still.
bool createReport(const QString& folder, const QString& name);

} // namespace report_word
