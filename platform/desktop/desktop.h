#pragma once
// What the system asks of the desktop: its own folder, starting a program, and
// opening a document for the user in the desktop's default application.
#include <QString>
#include <QStringList>

namespace desktop {

// The folder the program was installed in (the executable's folder) unless a
// test pointed it elsewhere.
QString programFolder();
void setProgramFolder(const QString& folder);
// A path under the program folder, "files/fek1666.pdf" for example.
QString inProgramFolder(const QString& relative);

// Starts a program with its arguments, no shell in between, and does not wait.
// False when it could not be started.
bool startProgram(const QString& program, const QStringList& arguments = {});
// Hands a file to the desktop's opener. False when nothing could open it.
bool openForUser(const QString& path);

// While a recorder lives, starts and opens are kept here instead of done.
class Recorder {
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    struct Start {
        QString program;
        QStringList arguments;
    };
    QList<Start> started;
    QStringList opened;
    // False: starts and opens are still kept but fail, as on a desktop that has
    // no application for the file.
    bool succeeds = true;
};

} // namespace desktop
