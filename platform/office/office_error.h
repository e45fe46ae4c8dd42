#pragma once
// Every failure of the office layer (packages, word processor, spreadsheet) is
// this one error: its message, in Greek and naming the file and the cause, is
// meant for the user. A procedure that calls the layer catches any
// std::exception and words it with messages::causeOf.
#include <QString>
#include <stdexcept>

namespace office {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace office
