#pragma once
// What a test reads and writes of the files a command leaves: a file's bytes,
// a file written with given bytes, a folder's entries, and links.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <climits>
#include <unistd.h>

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

// Makes a link at `at` whose text is exactly `text`, "." and ".." and all (a
// failure fails the calling test).
inline void makeLink(const QString& text, const QString& at) {
    QCOMPARE(::symlink(QFile::encodeName(text).constData(), QFile::encodeName(at).constData()), 0);
}

// The link's text exactly as it stands, or empty where no link is.
inline QString linkText(const QString& link) {
    char text[PATH_MAX];
    const ssize_t size = ::readlink(QFile::encodeName(link).constData(), text, sizeof text);
    return size > 0 ? QFile::decodeName(QByteArray(text, size)) : QString();
}

} // namespace testsupport
