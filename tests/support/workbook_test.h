#pragma once
// Reading back what an export wrote: the cell writes a spreadsheet recorder
// kept, the template's bytes, and the filled workbook checked by an
// independent reader (openpyxl, tests/excel_workbook_check.py).
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/office/excel.h"
#include "platform/office/excel_sheet.h"
#include "study_test.h"

namespace testsupport {

// The writes a recorder kept, as "cell=text", in order.
inline QStringList writesOf(const excel::Recorder& calls) {
    QStringList writes;
    for (const excel::Recorder::Write& w : calls.writes())
        writes << excel::sheet::cellName(w.row, w.column) + u'=' + w.text;
    return writes;
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString templateFile() {
    return programFolder() + QStringLiteral("/excel_print/Radiation_report.XLS");
}

// The box of sector k and field f (0 for a): "sec4g".
inline QString sectorBox(int sector, int field) {
    return QStringLiteral("sec%1%2").arg(sector).arg(QChar(u'a' + field));
}

// The cell of sector k's field f (0 for a): field a of sectors 1 to 9 at M207,
// N207, O207, M226 .. O226, M244 .. O244; fields b to o follow down the column.
inline QString sectorCell(int sector, int field) {
    const int firstRows[] = {207, 226, 244};
    return QStringLiteral("%1%2")
        .arg(QChar(u'M' + (sector - 1) % 3))
        .arg(firstRows[(sector - 1) / 3] + field);
}

// Debian's python3, which has openpyxl, before any other on the path.
inline QString python3() {
    const QString debian =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return debian.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : debian;
}

// What the independent reader finds wrong with a filled workbook, empty when
// nothing: each box of the study holding its own name, the bands (0 GSM-900,
// 1 DCS-1800, 2 UMTS-2100) and sectors given ticked, the emptied sectors'
// texts empty, everything else as in the template.
inline QString workbookProblems(const QString& filled, const QList<int>& bands, const QList<int>& sectors,
                                const QList<int>& emptied) {
    const auto join = [](const QList<int>& numbers, const QStringList& names = {}) {
        QStringList parts;
        for (int n : numbers)
            parts << (names.isEmpty() ? QString::number(n) : names[n]);
        return parts.join(u',');
    };
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(python3(),
                {QStringLiteral(VORLUX_SOURCE_DIR "/tests/excel_workbook_check.py"), filled, templateFile(),
                 QStringLiteral("--bands=") + join(bands, {"gsm", "dcs", "umts"}),
                 QStringLiteral("--sectors=") + join(sectors), QStringLiteral("--emptied=") + join(emptied)});
    if (!check.waitForFinished(60000))
        return QStringLiteral("%1 did not finish").arg(python3());
    const QString output = QString::fromUtf8(check.readAll());
    if (check.exitStatus() != QProcess::NormalExit || check.exitCode() != 0)
        return output.isEmpty() ? QStringLiteral("the reader failed") : output;
    return {};
}

} // namespace testsupport
