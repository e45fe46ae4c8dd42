#include "file_faults.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace testsupport {

ReadOnlyFolder::ReadOnlyFolder(const QString& path)
    : path(path) {
    if (geteuid() != 0)
        ok = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    else
        ok = setImmutable(true);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (geteuid() != 0)
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    else if (ok)
        setImmutable(false);
}

bool ReadOnlyFolder::setImmutable(bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

FileSizeLimit::FileSizeLimit(long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved);
}

} // namespace testsupport
