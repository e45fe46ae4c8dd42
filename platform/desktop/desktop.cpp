#include "desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace desktop {

namespace {
QString folderOverride;
Recorder* recorder = nullptr;
} // namespace

QString programFolder() {
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

void setProgramFolder(const QString& folder) {
    folderOverride = folder;
}

QString inProgramFolder(const QString& relative) {
    return QDir(programFolder()).filePath(relative);
}

bool startProgram(const QString& program, const QStringList& arguments) {
    if (recorder) {
        recorder->started.append({program, arguments});
        return recorder->succeeds;
    }
    return QProcess::startDetached(program, arguments);
}

bool openForUser(const QString& path) {
    if (recorder) {
        recorder->opened.append(path);
        return recorder->succeeds;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

Recorder::Recorder() {
    recorder = this;
}
Recorder::~Recorder() {
    if (recorder == this)
        recorder = nullptr;
}

} // namespace desktop
