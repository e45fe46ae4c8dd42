#pragma once
// Modal message boxes with the application's title and an OK button.
#include <QList>
#include <QString>
#include <exception>

namespace messages {

enum class Icon { Critical, Information };

void critical(const QString& text);
void information(const QString& text);

// The cause of a failure as the user reads it: the platform layers' own
// messages are written for the user; running out of memory is said here.
QString causeOf(const std::exception& failure);

struct Shown {
    Icon icon;
    QString text;
    bool operator==(const Shown&) const = default;
};

// While a recorder lives, messages are kept here instead of being shown, and the
// caller goes on as if the user had pressed OK.
class Recorder {
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    QList<Shown> shown;
    QStringList texts() const;
};

} // namespace messages
