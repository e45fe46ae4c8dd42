// The one way a file's bytes reach a user's folder or the program's: a
// temporary file beside the name, renamed to it when whole.
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "disk_fault.h"
#include "office_error.h"
#include "save_target.h"

namespace office {

// A new file of a name of its own in the folder, open for writing only. It is
// removed again, with whatever it holds, unless it took the target's name:
// however the save ends, no temporary file stays behind.
class SaveTarget::TemporaryFile {
public:
    explicit TemporaryFile(int folder)
        : folder(folder) {
        constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = ".vorlux-";
            for (int i = 0; i < 6; ++i)
                name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
            fd = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd >= 0 || errno != EEXIST)
                return;
        }
        errno = EEXIST;
    }
    ~TemporaryFile() {
        close();
        if (!named)
            ::unlinkat(folder, name.constData(), 0);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The errno value of a failed close, or 0.
    int close() {
        if (fd < 0)
            return 0;
        const int closed = ::close(fd);
        fd = -1;
        return closed == 0 ? 0 : errno;
    }
    // Whether the file is still in the folder under its own name.
    bool stillThere() const {
        struct stat file;
        return ::fstatat(folder, name.constData(), &file, AT_SYMLINK_NOFOLLOW) == 0;
    }

    const int folder;
    QByteArray name;
    int fd = -1;        // -1 once closed, or when none could be made
    bool named = false; // it took the target's name
};

namespace {

// The errno value of a failed write, or 0.
int writeAll(int fd, const QByteArray& data) {
    const char* at = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        at += written;
        left -= written;
    }
    return 0;
}

// What the disk answers to a wait for it (the errno value of a failed fsync,
// or 0); a test's disk fault answers in its place.
int waitForDisk(int fd, const QString& path) {
    if (const int fault = diskFaultAt(DiskStep::Flush, path))
        return fault;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Renames from to to in the folder; where nothing may be replaced, never
// replaces what stands at to (EEXIST). The errno value of a failed rename, or 0.
int renameIn(int folder, const QByteArray& from, const QByteArray& to, bool replace) {
    if (!replace) {
        if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // A file system that cannot rename without replacing: the name is seen
        // to be free once more, right before the rename.
        struct stat entry;
        if (::fstatat(folder, to.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0)
            return EEXIST;
    }
    return ::renameat(folder, from.constData(), folder, to.constData()) == 0 ? 0 : errno;
}

} // namespace

void SaveTarget::write(const QByteArray& bytes, Durability durability) const {
    if (name_.size() > NAME_MAX)
        throw NotSaved(path_, ENAMETOOLONG);
    TemporaryFile file(folderFd);
    if (file.fd < 0)
        throw NotSaved(path_, errno);
    setMode(file);
    int error = diskFaultAt(DiskStep::Write, path_);
    if (!error)
        error = writeAll(file.fd, bytes);
    if (!error)
        error = durability == Durability::Flushed ? waitForDisk(file.fd, path_) : file.close();
    if (error)
        throw NotSaved(path_, error);
    checkUnchanged();
    rename(file);
    if (durability == Durability::Flushed) {
        const int folderError = waitForFolder(file);
        const int closeError = file.close();
        if (folderError || closeError)
            throw Unconfirmed(path_, folderError ? folderError : closeError);
    }
}

// A replaced file of the user's own keeps its permissions; a new file, or one
// of another user's, gets the usual ones, so nobody else's choice of mode
// carries over to the user's document. The mode is a courtesy: where the file
// system keeps none (FAT, some FUSE drivers), the file has what it gives.
void SaveTarget::setMode(const TemporaryFile& file) const {
    mode_t mode;
    if (existing_ && existing_->st_uid == ::geteuid()) {
        mode = existing_->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (diskFaultAt(DiskStep::Mode, path_) == 0)
        (void)::fchmod(file.fd, mode);
}

void SaveTarget::rename(TemporaryFile& file) const {
    int error = diskFaultAt(DiskStep::Rename, path_);
    if (!error)
        error = renameIn(folderFd, file.name, name_, existing_.has_value());
    if (!error) {
        file.named = true;
        return;
    }
    if (error == EEXIST && !existing_)
        checkUnchanged(); // something took the free name since: said as such
    // A USB stick or a memory card refuses some characters in a name: its
    // driver answers the rename with EINVAL, a FUSE driver with ENOENT,
    // although the folder and the temporary file are there.
    struct stat folder;
    if ((error == EINVAL || error == ENOENT) && ::fstat(folderFd, &folder) == 0 && folder.st_nlink > 0 &&
        file.stillThere())
        throw NotSaved(path_, error,
                       QStringLiteral("ο δίσκος δεν δέχεται το όνομα «%1»: δίσκοι όπως τα USB sticks και οι "
                                      "κάρτες μνήμης δεν δέχονται σε όνομα αρχείου τους χαρακτήρες «:», «?», "
                                      "«*», «\"», «<», «>», «|» και «\\». Δώστε άλλο όνομα")
                           .arg(QFile::decodeName(name_)));
    throw NotSaved(path_, error);
}

// The folder's entries on the disk: a file renamed into it keeps its new name
// through a power cut, and the file it replaced does not come back. A folder
// the user may write but not list (a drop box) cannot be opened to wait for:
// its whole file system is waited for instead, through the new file. Some
// file systems (network shares among them) keep no such entries to wait for,
// and say so.
int SaveTarget::waitForFolder(const TemporaryFile& file) const {
    int error = diskFaultAt(DiskStep::Flush, folder());
    if (!error) {
        const int fd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            error = ::fsync(fd) == 0 ? 0 : errno;
            ::close(fd);
        } else if (errno == EACCES || errno == EPERM) {
            error = ::syncfs(file.fd) == 0 ? 0 : errno;
        } else {
            error = errno;
        }
    }
    return error == EINVAL || error == ENOTSUP ? 0 : error;
}

} // namespace office
