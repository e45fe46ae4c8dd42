#include "file_names.h"

#include <QDir>

namespace desktop {

QString quoted(const QString& path) {
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

QString noApplicationFor(const QString& path) {
    return QStringLiteral("Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου %1.").arg(quoted(path));
}

} // namespace desktop
