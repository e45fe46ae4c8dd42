#pragma once
// Every failure of the office layer (packages, word processor, spreadsheet,
// the files they are read from and written to) is this one error: its message,
// in Greek and naming the file and the cause, is meant for the user. A
// procedure that calls the layer catches any std::exception and words it with
// messages::causeOf.
#include <QString>
#include <stdexcept>

namespace office {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// The cause of a failed file operation (an errno value), as the user reads it.
QString failureCause(int error);

// "The file at path was not saved", with the cause (failureCause(error) unless
// told otherwise); the path and the errno value stay with it for a caller that
// words it otherwise. Whatever stood at the path stands as it was.
class NotSaved : public Error {
public:
    NotSaved(const QString& path, int error);
    NotSaved(const QString& path, int error, const QString& cause);
    QString path;
    int error;
};

// The file took its name, but the wait for its folder's entries to reach the
// disk failed: the new file stands in place, and the disk did not confirm that
// it stays there. Said as "written, but not confirmed", never as "not saved".
class Unconfirmed : public Error {
public:
    Unconfirmed(const QString& path, int error);
    QString path;
    int error;
};

} // namespace office
