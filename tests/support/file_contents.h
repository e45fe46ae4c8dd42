#pragma once
// What a test reads and writes of the files a command leaves: a file's bytes,
// a file written with given bytes, and a folder's entries.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

namespace testsupport {

// The file's bytes; a file that cannot be read gives a marker no file holds, so
// a missing file never compares equal to an empty one.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("[no file]");
}

// Writes the bytes as the whole file (a failure fails the calling test).
inline void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), data.size());
}

// A folder's entries, hidden ones, folders and links included.
inline QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Dirs |
                                  QDir::System);
}

} // namespace testsupport
