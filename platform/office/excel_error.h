#pragma once
// The spreadsheet layer's failures: the office layer's one error, and the one
// case its callers tell apart.
#include <QString>

#include "office_error.h"
#include "platform/desktop/file_names.h"

namespace excel {

using Error = office::Error;

// A workbook that was written to its file but that no application could open.
class NotOpened : public Error {
public:
    explicit NotOpened(const QString& file)
        : Error(desktop::noApplicationFor(file))
        , file(file) {}
    QString file;
};

} // namespace excel
