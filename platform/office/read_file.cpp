#include "read_file.h"

#include <QFile>
#include <QFileInfo>

#include "disk_fault.h"
#include "office_error.h"
#include "platform/desktop/file_names.h"

namespace office {

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw Error(QStringLiteral("Το αρχείο %1 δεν βρέθηκε.").arg(desktop::quoted(path)));
    const auto unreadable = [&](const QString& cause) {
        return Error(QStringLiteral("Το αρχείο %1 δεν διαβάζεται (%2).").arg(desktop::quoted(path), cause));
    };
    if (const int error = diskFaultAt(DiskStep::Read, path))
        throw unreadable(failureCause(error));
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(file.errorString());
    return file.readAll();
}

} // namespace office
