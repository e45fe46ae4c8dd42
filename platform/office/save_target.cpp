// Where a save writes: the path resolved step by step, as the system resolves it.
#include "save_target.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/openat2.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "office_error.h"
#include "platform/desktop/file_names.h"

namespace office {

namespace {

using desktop::quoted;

// As many links as the system itself follows in one path before it gives up
// (ELOOP), those on the way to each link's folder included.
constexpr int mostLinks = 40;

// The system's own name for an open folder; otherwise where it cannot tell.
QByteArray systemNameOf(int folder, const QByteArray& otherwise) {
    char name[PATH_MAX];
    const std::string entry = "/proc/self/fd/" + std::to_string(folder);
    const ssize_t size = ::readlink(entry.c_str(), name, sizeof name);
    if (size <= 0 || size == sizeof name || name[0] != '/')
        return otherwise;
    return QByteArray(name, size);
}

// A name in a folder, as a message names it ("/x.doc" in the root, not "//x.doc").
QByteArray joined(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
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

// The folder the text names, opened at once where no link stands on the way
// to it (so there is none to count or to judge), as most folders are; -1 where
// one does, where the folder cannot be reached, or where the system cannot
// tell: the way is then taken step by step.
int openFolderWithoutLinks(const QByteArray& folder) {
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_NO_SYMLINKS;
    return static_cast<int>(::syscall(SYS_openat2, AT_FDCWD, folder.constData(), &how, sizeof how));
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The steps of a path still to be taken, the next one last: folders' names,
// and, last of all, the file's name. A path that ends in "/" names a folder:
// its last step is the empty name.
class Steps {
public:
    // Puts the steps of text before those still to be taken; whether they are
    // the path's last (the text names the file) or lead on to those.
    void takeFirst(const QByteArray& text) {
        const QList<QByteArray> parts = text.split('/');
        const bool last = pending.empty();
        for (qsizetype i = parts.size() - 1; i >= 0; --i)
            if (!parts[i].isEmpty() || (last && i == parts.size() - 1))
                pending.push_back(parts[i]);
    }
    QByteArray next() {
        QByteArray step = std::move(pending.back());
        pending.pop_back();
        return step;
    }
    bool empty() const { return pending.empty(); }

private:
    std::vector<QByteArray> pending;
};

} // namespace

SaveTarget::SaveTarget(const QString& path, Links links)
    : path_(path)
    , links_(links) {
    try {
        resolve();
    } catch (...) {
        closeFolder();
        throw;
    }
}

void SaveTarget::resolve() {
    // The folder reached so far, held open, and its name as written.
    QByteArray written;
    const auto enter = [&](int folder) {
        closeFolder();
        folderFd = folder;
    };
    const auto startFrom = [&](const QByteArray& text) {
        const bool fromRoot = text.startsWith('/');
        const int folder = ::open(fromRoot ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
        const int error = errno;
        enter(folder);
        if (folder < 0)
            throw NotSaved(path_, error);
        written = fromRoot ? QByteArray("/") : systemNameOf(folderFd, ".");
    };
    // A folder on the way cannot be reached.
    const auto unreachable = [&](const QByteArray& step, int error) {
        folder_ = joined(systemNameOf(folderFd, written), step);
        refuseFolder(error);
    };

    const QByteArray start = QFile::encodeName(path_);
    Steps steps;
    const qsizetype slash = start.lastIndexOf('/');
    const QByteArray folderText = slash < 0    ? QByteArray(".")
                                  : slash == 0 ? QByteArray("/")
                                               : start.left(slash);
    const int direct = openFolderWithoutLinks(folderText);
    if (direct >= 0) {
        enter(direct);
        written = folderText;
        steps.takeFirst(start.mid(slash + 1));
    } else {
        steps.takeFirst(start);
        startFrom(start);
    }
    int links = 0;
    while (true) {
        const QByteArray step = steps.next();
        const bool isName = steps.empty();
        if (!isName && (step.isEmpty() || step == "."))
            continue;
        if (isName && (step.isEmpty() || step == "." || step == ".."))
            throw NotSaved(path_, EISDIR);
        if (step == "..") {
            // The folder's own "..", as the system takes it: a link's folder's parent.
            const int parent = ::openat(folderFd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (parent < 0)
                unreachable(step, errno);
            enter(parent);
            written = joined(written, step);
            continue;
        }
        struct stat entry;
        if (::fstatat(folderFd, step.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno;
            if (!isName)
                unreachable(step, error);
            folder_ = systemNameOf(folderFd, written);
            name_ = step;
            if (error == ENOENT)
                return; // nothing there yet: the save makes the file
            refuseFolder(error);
        }
        if (S_ISLNK(entry.st_mode)) {
            const QByteArray link = joined(systemNameOf(folderFd, written), step);
            if (isName && links_ == Links::Refused)
                throw Error(
                    QStringLiteral("Στη θέση του αρχείου %1 υπάρχει σύνδεσμος, που δεν ακολουθείται: το "
                                   "αρχείο γράφεται μόνο με το δικό του όνομα, για να μη γραφτεί ποτέ "
                                   "πάνω σε άλλο αρχείο. Αφαιρέστε τον σύνδεσμο και βάλτε στη θέση "
                                   "του το αρχείο.")
                        .arg(quoted(QFile::decodeName(link))));
            if (++links > mostLinks)
                throw NotSaved(path_, ELOOP);
            link_ = link;
            if (!followable(folderFd, entry))
                throw Error(
                    QStringLiteral("Ο σύνδεσμος %1 ανήκει σε άλλον χρήστη και βρίσκεται σε κοινόχρηστο "
                                   "φάκελο, όπου μπορούν να γράψουν όλοι: δεν ακολουθείται, γιατί θα "
                                   "μπορούσε να οδηγήσει το έγγραφο πάνω σε οποιοδήποτε αρχείο σας. "
                                   "Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                        .arg(quoted(QFile::decodeName(link_))));
            char text[PATH_MAX];
            const ssize_t size = ::readlinkat(folderFd, step.constData(), text, sizeof text);
            if (size <= 0 || size == sizeof text)
                throw NotSaved(path_, size < 0 ? errno : ENAMETOOLONG);
            const QByteArray target(text, size);
            steps.takeFirst(target);
            if (target.startsWith('/'))
                startFrom(target);
            continue;
        }
        if (isName) {
            folder_ = systemNameOf(folderFd, written);
            name_ = step;
            existing_ = entry;
            return;
        }
        if (!S_ISDIR(entry.st_mode))
            unreachable(step, ENOTDIR);
        const int folder =
            ::openat(folderFd, step.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder < 0)
            unreachable(step, errno);
        enter(folder);
        written = joined(written, step);
    }
}

SaveTarget::~SaveTarget() {
    closeFolder();
}

SaveTarget::SaveTarget(SaveTarget&& other) noexcept
    : path_(std::move(other.path_))
    , links_(other.links_)
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

QString SaveTarget::folder() const {
    return QFile::decodeName(folder_);
}

QString SaveTarget::file() const {
    return QFile::decodeName(joined(folder_, name_));
}

int SaveTarget::cannotCreate() const {
    return ::faccessat(folderFd, ".", W_OK | X_OK, 0) == 0 ? 0 : errno;
}

void SaveTarget::refuseFolder(int error) const {
    if (link_.isEmpty())
        throw NotSaved(path_, error);
    throw Error(QStringLiteral("Ο σύνδεσμος %1 οδηγεί στον φάκελο %2, όπου δεν μπορεί να αποθηκευτεί το "
                               "αρχείο: %3.")
                    .arg(quoted(QFile::decodeName(link_)), quoted(folder()), failureCause(error)));
}

void SaveTarget::checkUnchanged() const {
    struct stat now;
    const bool there = ::fstatat(folderFd, name_.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    const int error = there ? 0 : errno;
    if (error != 0 && error != ENOENT)
        throw NotSaved(path_, error);
    if (existing_ ? !there || !sameFile(now, *existing_) : there)
        throw Error(QStringLiteral("Στη θέση του αρχείου %1 μπήκε, όσο γραφόταν το έγγραφο, άλλο αρχείο ή "
                                   "σύνδεσμος, από άλλο πρόγραμμα ή άλλον χρήστη: δεν αντικαταστάθηκε και "
                                   "δεν άλλαξε τίποτα. Ελέγξτε τον φάκελο και δοκιμάστε ξανά.")
                        .arg(quoted(file())));

    // The path as it now resolves: a folder moved away and another (or a
    // link) put in its place would have the file written where the path no
    // longer leads, and the path then name another file.
    std::optional<SaveTarget> again;
    try {
        again.emplace(path_, links_);
    } catch (const Error&) {
    }
    struct stat held, found;
    const bool same = again && again->name_ == name_ && ::fstat(folderFd, &held) == 0 &&
                      ::fstat(again->folderFd, &found) == 0 && sameFile(held, found);
    if (!same)
        throw Error(QStringLiteral("Ο φάκελος %1 μετακινήθηκε ή αντικαταστάθηκε, ή η διαδρομή %2 οδηγεί πια "
                                   "αλλού, όσο γραφόταν το έγγραφο, από άλλο πρόγραμμα ή άλλον χρήστη: το "
                                   "έγγραφο δεν γράφτηκε και δεν άλλαξε τίποτα. Ελέγξτε τον φάκελο και "
                                   "δοκιμάστε ξανά.")
                        .arg(quoted(folder()), quoted(path_)));
}

} // namespace office
