#pragma once
// A folder held by one program at a time: while a lock lives, another program
// (or another lock of this one) that asks for the same folder, by any path that
// reaches it, waits until it is let go.
#include <QString>
#include <chrono>

namespace office {

class FolderLock {
public:
    // Waits at most `patience` for the folder; when another keeps it longer,
    // throws office::Error with a message naming the folder. A file system that
    // keeps no locks gives the folder at once.
    FolderLock(const QString& folder, std::chrono::milliseconds patience);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd = -1; // the folder, open while it is held
};

} // namespace office
