#pragma once
// Faults of the file system that tests provoke: a folder no one may write in,
// a disk that is full, and a disk that fails one step of a save.
#include <QString>
#include <functional>
#include <sys/resource.h>

#include "platform/office/disk_fault.h"

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

// A file system mounted at a folder while the object lives, in a mount
// namespace of this process's own, so nobody else sees it and it is gone with
// the process. `refusal` says why it could not be mounted (it needs the
// superuser); empty when it was.
class Mount {
public:
    ~Mount();
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    QString refusal;

protected:
    Mount();
    // Mounts at `at` (made for it) as the system's mount() is told; false when refused.
    bool mount(const char* source, const QString& at, const char* type, unsigned long flags,
               const char* options = nullptr);

private:
    QString at;
};

// While alive, `folder` is seen at `at` too, as a bind mount shows it,
// read-only there when asked, with the mounts inside it when asked: a second
// route to the same files that no link explains.
class BindMount : public Mount {
public:
    BindMount(const QString& folder, const QString& at, bool readOnly = false, bool withItsMounts = false);
};

// While alive, a new, empty file system of its own (a tmpfs) is mounted at
// `at`, as a share or a stick is: another device.
class TmpfsMount : public Mount {
public:
    explicit TmpfsMount(const QString& at);
};

// While alive, this thread is held to the permissions of files and folders as
// any user is, the superuser too (who otherwise reads, writes and lists
// whatever is there): a folder's mode then says what the thread may do in it.
class PermissionsHeld {
public:
    PermissionsHeld();
    ~PermissionsHeld();
    PermissionsHeld(const PermissionsHeld&) = delete;
    PermissionsHeld& operator=(const PermissionsHeld&) = delete;

private:
    unsigned saved = 0; // the capabilities it had, when it had any to give up
};

// While alive, the disk answers each step of every save as fault says: 0 to go
// on, an errno value to fail that step with.
class DiskFault {
public:
    explicit DiskFault(std::function<int(office::DiskStep step, const QString& path)> fault) {
        office::setDiskFault(std::move(fault));
    }
    ~DiskFault() { office::setDiskFault({}); }
    DiskFault(const DiskFault&) = delete;
    DiskFault& operator=(const DiskFault&) = delete;
};

} // namespace testsupport
