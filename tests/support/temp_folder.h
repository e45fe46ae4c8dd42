#pragma once
// Points the user's temporary folder (TMPDIR) somewhere else while it lives, so
// a test sees every file a command leaves there.
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace testsupport {

class TemporaryFolder {
public:
    // A fresh, empty folder; or, with exists false, a path with no folder at all.
    explicit TemporaryFolder(bool exists = true)
        : previous(qgetenv("TMPDIR"))
        , path(scratch.filePath(QStringLiteral("tmp"))) {
        if (exists)
            QDir().mkpath(path);
        qputenv("TMPDIR", QFile::encodeName(path));
    }
    ~TemporaryFolder() {
        if (previous.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previous);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    QStringList files() const { return QDir(path).entryList(QDir::Files | QDir::Hidden); }

private:
    QByteArray previous;
    QTemporaryDir scratch;

public:
    const QString path;
};

} // namespace testsupport
