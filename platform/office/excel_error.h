#pragma once
// Every failure of the spreadsheet layer: the message (in Greek, naming the file
// and the cause) is meant for the user.
#include <QDir>
#include <QString>
#include <stdexcept>

namespace excel {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// A workbook that was written to its file but that no application could open.
class NotOpened : public Error {
public:
    explicit NotOpened(const QString& file)
        : Error(QStringLiteral("Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου «%1».")
                    .arg(QDir::toNativeSeparators(file)))
        , file(file) {}
    QString file;
};

} // namespace excel
