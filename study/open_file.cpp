#include "study/open_file.h"

#include <QFileInfo>

#include "platform/desktop/desktop.h"
#include "platform/desktop/file_names.h"
#include "platform/runtime/messages.h"

namespace study {

bool fileIsThere(const QString& path) {
    // A folder (no file chosen) is no file either: no application should be
    // started on it.
    if (QFileInfo(path).isFile())
        return true;
    messages::critical(QStringLiteral("Δεν βρέθηκε το αρχείο %1.").arg(desktop::quoted(path)));
    return false;
}

void openFileForUser(const QString& path) {
    if (!fileIsThere(path))
        return;
    if (!desktop::openForUser(path))
        messages::critical(desktop::noApplicationFor(path));
}

void startProgramForUser(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        messages::critical(QStringLiteral("Δεν βρέθηκε το πρόγραμμα %1.").arg(desktop::quoted(path)));
        return;
    }
    if (!desktop::startProgram(path))
        messages::critical(
            QStringLiteral("Δεν ήταν δυνατή η εκκίνηση του προγράμματος %1.").arg(desktop::quoted(path)));
}

} // namespace study
