#pragma once
// Every failure of the spreadsheet layer: the message (in Greek, naming the file
// and the cause) is meant for the user.
#include <QString>
#include <stdexcept>

namespace excel {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace excel
