#include "save_target.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <utility>

#include "ooxml.h"
#include "platform/desktop/file_names.h"

namespace office {

namespace {

using desktop::quoted;

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int mostLinks = 40;

// The system's own name for an open folder; otherwise where it cannot tell.
QString nameOf(int folder, const QString& otherwise) {
    char name[PATH_MAX];
    const std::string entry = "/proc/self/fd/" + std::to_string(folder);
    const ssize_t size = ::readlink(entry.c_str(), name, sizeof name);
    if (size <= 0 || size == sizeof name || name[0] != '/')
        return otherwise;
    return QFile::decodeName(QByteArray(name, size));
}

// The system follows a link that lies in a sticky folder everybody may write
// only when it is the follower's own or the folder owner's: anybody could have
// put it there, to lead the follower's writes onto any file the follower may
// write.
bool followable(int folder, const struct stat& link) {
    struct stat shared;
    if (::fstat(folder, &shared) != 0)
        return false;
    const bool everybodys = (shared.st_mode & S_ISVTX) && (shared.st_mode & S_IWOTH);
    return !everybodys || link.st_uid == ::geteuid() || link.st_uid == shared.st_uid;
}

// The first folder on the way to `folder` (a path resolved from `from`) that
// cannot be opened: the one a message names when `folder` cannot be reached.
QString firstUnreachable(int from, const QString& folder) {
    QString way = folder.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (const QString& step : folder.split(u'/', Qt::SkipEmptyParts)) {
        if (!way.isEmpty() && !way.endsWith(u'/'))
            way += u'/';
        way += step;
        const int fd = ::openat(from, QFile::encodeName(way).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return way;
        ::close(fd);
    }
    return folder;
}

} // namespace

SaveTarget::SaveTarget(const QString& path)
    : path_(path) {
    try {
        resolve();
    } catch (...) {
        closeFolder();
        throw;
    }
}

void SaveTarget::resolve() {
    QString at = path_;
    for (int links = 0;; ++links) {
        const qsizetype slash = at.lastIndexOf(u'/');
        const QString folderText = slash < 0    ? QStringLiteral(".")
                                   : slash == 0 ? QStringLiteral("/")
                                                : at.left(slash);
        const QString name = at.mid(slash + 1);
        if (name.isEmpty() || name == u"." || name == u"..")
            throw ooxml::notSaved(path_, EISDIR);
        // The path's own folder from the current folder, a link's from the
        // link's folder: ".." and links in it resolved by the system.
        const int from = folderFd >= 0 ? folderFd : AT_FDCWD;
        const int opened =
            ::openat(from, QFile::encodeName(folderText).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        const int openError = errno;
        // A folder as the text names it, seen from where it is resolved.
        const auto named = [&](const QString& text) {
            return text.startsWith(u'/') || folder_.isEmpty() ? text : folder_ + u'/' + text;
        };
        if (opened < 0) {
            folder_ = named(firstUnreachable(from, folderText));
            refuseFolder(openError);
        }
        closeFolder();
        folderFd = opened;
        folder_ = nameOf(opened, named(folderText));
        name_ = name;

        const QByteArray entryName = QFile::encodeName(name_);
        struct stat entry;
        if (::fstatat(folderFd, entryName.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno;
            if (error == ENOENT)
                return; // nothing there yet: the save makes the file
            refuseFolder(error);
        }
        if (!S_ISLNK(entry.st_mode)) {
            existing_ = entry;
            return;
        }
        if (links == mostLinks)
            throw ooxml::notSaved(path_, ELOOP);
        link_ = file();
        if (!followable(folderFd, entry))
            throw Error(QStringLiteral("Ο σύνδεσμος %1 ανήκει σε άλλον χρήστη και βρίσκεται σε κοινόχρηστο "
                                       "φάκελο, όπου μπορούν να γράψουν όλοι: δεν ακολουθείται, γιατί θα "
                                       "μπορούσε να οδηγήσει το έγγραφο πάνω σε οποιοδήποτε αρχείο σας. "
                                       "Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                            .arg(quoted(link_)));
        char text[PATH_MAX];
        const ssize_t size = ::readlinkat(folderFd, entryName.constData(), text, sizeof text);
        if (size <= 0 || size == sizeof text)
            throw ooxml::notSaved(path_, size < 0 ? errno : ENAMETOOLONG);
        at = QFile::decodeName(QByteArray(text, size));
    }
}

SaveTarget::~SaveTarget() {
    closeFolder();
}

SaveTarget::SaveTarget(SaveTarget&& other) noexcept
    : path_(std::move(other.path_))
    , folder_(std::move(other.folder_))
    , name_(std::move(other.name_))
    , link_(std::move(other.link_))
    , folderFd(std::exchange(other.folderFd, -1))
    , existing_(std::move(other.existing_)) {}

void SaveTarget::closeFolder() {
    if (folderFd >= 0)
        ::close(folderFd);
    folderFd = -1;
}

int SaveTarget::cannotCreate() const {
    return ::faccessat(folderFd, ".", W_OK | X_OK, 0) == 0 ? 0 : errno;
}

void SaveTarget::refuseFolder(int error) const {
    if (link_.isEmpty())
        throw ooxml::notSaved(path_, error);
    throw Error(QStringLiteral("Ο σύνδεσμος %1 οδηγεί στον φάκελο %2, όπου δεν μπορεί να αποθηκευτεί το "
                               "αρχείο: %3.")
                    .arg(quoted(link_), quoted(folder_), ooxml::failureCause(error)));
}

void SaveTarget::checkUnchanged() const {
    const QByteArray entryName = QFile::encodeName(name_);
    struct stat now;
    const bool there = ::fstatat(folderFd, entryName.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    const int error = there ? 0 : errno;
    if (error != 0 && error != ENOENT)
        throw ooxml::notSaved(path_, error);
    const bool same =
        existing_ ? there && now.st_dev == existing_->st_dev && now.st_ino == existing_->st_ino : !there;
    if (!same)
        throw Error(QStringLiteral("Στη θέση του αρχείου %1 μπήκε, όσο γραφόταν το έγγραφο, άλλο αρχείο ή "
                                   "σύνδεσμος, από άλλο πρόγραμμα ή άλλον χρήστη: δεν αντικαταστάθηκε και "
                                   "δεν άλλαξε τίποτα. Ελέγξτε τον φάκελο και δοκιμάστε ξανά.")
                        .arg(quoted(file())));
}

} // namespace office
