#include "report_word/previous_report.h"

#include "platform/office/word.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace report_word {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

} // namespace

PreviousReport::PreviousReport(const QString& reportPath)
    : reportPath(reportPath) {
    const QFileInfo info(reportPath);
    existed = info.isFile();
    if (!existed)
        return;
    // A hard link keeps the old file whole when the report is written over
    // it (the write replaces the name, not the file); a copy where links fail.
    int error = 0;
    for (int attempt = 0; attempt < 16 && aside.isEmpty(); ++attempt) {
        const QString candidate =
            info.absolutePath() + QStringLiteral("/.vorlux-previous-%1")
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (::link(native(reportPath).constData(), native(candidate).constData()) == 0)
            aside = candidate;
        else if ((error = errno) != EEXIST && QFile::copy(reportPath, candidate))
            aside = candidate;
    }
    if (aside.isEmpty())
        throw word::Error(QStringLiteral("Το αρχείο «%1» δεν αποθηκεύτηκε: %2.")
                              .arg(QDir::toNativeSeparators(reportPath), ooxml::failureCause(error)));
}

PreviousReport::~PreviousReport() {
    if (released)
        return;
    if (!existed)
        ::unlink(native(reportPath).constData());
    else
        std::rename(native(aside).constData(), native(reportPath).constData());
}

void PreviousReport::release() {
    released = true;
    if (!aside.isEmpty())
        ::unlink(native(aside).constData());
}

} // namespace report_word
