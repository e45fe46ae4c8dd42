#pragma once
// Faults of the file system that tests provoke: a folder no one may write in,
// and a disk that is full.
#include <QString>
#include <sys/resource.h>

namespace testsupport {

// While alive, no file may be created in the folder, by the superuser either
// (who ignores permissions but not the immutable attribute). ok is false where
// the file system cannot do it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok = false;

private:
    bool setImmutable(bool on);
    QString path;
};

// While alive, no file of this process may grow past the given size: writes
// beyond it fail as they do on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved;
};

} // namespace testsupport
