#include "file_faults.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/syscall.h>
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

namespace {

// This process's mounts, apart from everybody else's; empty when they are, else why not.
QString privateMounts() {
    static const QString refusal = []() -> QString {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("no mount namespace of this test's own: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return QString();
    }();
    return refusal;
}

} // namespace

Mount::Mount()
    : refusal(privateMounts()) {}

Mount::~Mount() {
    if (!at.isEmpty())
        ::umount2(QFile::encodeName(at).constData(), MNT_DETACH);
}

bool Mount::mount(const char* source, const QString& at, const char* type, unsigned long flags,
                  const char* options) {
    if (!refusal.isEmpty())
        return false;
    QDir().mkpath(at);
    if (::mount(source, QFile::encodeName(at).constData(), type, flags, options) != 0) {
        refusal =
            QStringLiteral("no %1 mount: %2")
                .arg(QString::fromLatin1(type ? type : "bind"), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    this->at = at;
    return true;
}

BindMount::BindMount(const QString& folder, const QString& at, bool readOnly, bool withItsMounts) {
    const QByteArray from = QFile::encodeName(folder);
    if (!mount(from.constData(), at, nullptr, MS_BIND | (withItsMounts ? MS_REC : 0)))
        return;
    if (readOnly && ::mount(nullptr, QFile::encodeName(at).constData(), nullptr,
                            MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        refusal = QStringLiteral("no read-only mount: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
}

TmpfsMount::TmpfsMount(const QString& at) {
    mount("tmpfs", at, "tmpfs", 0, "size=4m");
}

namespace {

// The capabilities that let the superuser past a file's or a folder's mode.
constexpr unsigned overridingPermissions = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool capabilities(__user_cap_data_struct (&data)[2], bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

PermissionsHeld::PermissionsHeld() {
    __user_cap_data_struct data[2] = {};
    if (!capabilities(data, false))
        return;
    saved = data[0].effective & overridingPermissions;
    data[0].effective &= ~overridingPermissions;
    if (!capabilities(data, true))
        saved = 0;
}

PermissionsHeld::~PermissionsHeld() {
    __user_cap_data_struct data[2] = {};
    if (saved == 0 || !capabilities(data, false))
        return;
    data[0].effective |= saved;
    capabilities(data, true);
}

} // namespace testsupport
