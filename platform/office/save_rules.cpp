#include "save_rules.h"

#include <QFile>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "office_error.h"
#include "platform/desktop/file_names.h"

namespace office {

namespace {

using desktop::quoted;

// A file or folder as the file system knows it, whatever the path it is reached by.
struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity&) const = default;
    auto operator<=>(const Identity&) const = default;
};

Identity identityOf(const struct stat& file) {
    return Identity{file.st_dev, file.st_ino};
}

// The identity of what path names, links followed; none when nothing is there.
std::optional<Identity> identityOf(const QString& path) {
    struct stat file;
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return std::nullopt;
    return identityOf(file);
}

// The first file under folder, at any depth, that is the file with this
// identity, by the path the program names it with; empty when none is. Names
// are taken as the bytes the system gives, so no name is lost to decoding. A
// folder met again (a bind mount shows it twice, a mount inside shows another
// file system) is entered once only.
QString fileUnder(const QString& folder, const Identity& file, std::set<Identity>& entered) {
    std::vector<QByteArray> folders{QFile::encodeName(folder)};
    while (!folders.empty()) {
        const QByteArray at = std::move(folders.back());
        folders.pop_back();
        const int fd = ::open(at.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat self;
        if (fd < 0)
            continue;
        DIR* entries =
            ::fstat(fd, &self) == 0 && entered.insert(identityOf(self)).second ? ::fdopendir(fd) : nullptr;
        if (!entries) {
            ::close(fd);
            continue;
        }
        while (const dirent* entry = ::readdir(entries)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            struct stat found;
            if (::fstatat(fd, entry->d_name, &found, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(found.st_mode)) {
                folders.push_back(at + '/' + name);
                continue;
            }
            // A link among them stands for what it names.
            if (S_ISLNK(found.st_mode) && ::fstatat(fd, entry->d_name, &found, 0) != 0)
                continue;
            if (identityOf(found) == file) {
                ::closedir(entries);
                return QFile::decodeName(at + '/' + name);
            }
        }
        ::closedir(entries);
    }
    return QString();
}

// Every file of the installation other than its templates, by the path the
// program names it with, that is this file; empty when none is. Every data
// folder is looked through, whatever device the file is on: a share mounted
// inside one of them may be mounted again where the user saves.
QString programFileWith(const struct stat& file, const Installation& installation) {
    if (identityOf(installation.program) == identityOf(file))
        return installation.program;
    std::set<Identity> entered;
    for (const QString& folder : installation.dataFolders) {
        const QString name = fileUnder(folder, identityOf(file), entered);
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

// The data folder that holds the open folder, at any depth, or empty. Walked
// up from the folder itself by its ".." entries, as the system resolves them:
// a bind mount's ".." is the mount's parent, not the parent of the folder it
// shows.
QString dataFolderHolding(int folder, const Installation& installation) {
    std::vector<std::pair<QString, Identity>> dataFolders;
    for (const QString& data : installation.dataFolders)
        if (const auto identity = identityOf(data))
            dataFolders.emplace_back(data, *identity);
    int at = ::openat(folder, ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    std::optional<Identity> below;
    struct stat entry;
    while (at >= 0 && ::fstat(at, &entry) == 0 && identityOf(entry) != below) {
        for (const auto& [data, dataIdentity] : dataFolders)
            if (identityOf(entry) == dataIdentity) {
                ::close(at);
                return data;
            }
        below = identityOf(entry); // the root is its own parent
        const int parent = ::openat(at, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(at);
        at = parent;
    }
    if (at >= 0)
        ::close(at);
    return QString();
}

Error refusal(const QString& file, const char* what) {
    return Error(QString::fromUtf8(what).arg(quoted(file)));
}

// Every report is built from the templates, so a report written over one of
// them would spoil every later report; the other files of the program are its
// reference documents, workbook template, help programs and the program itself.
void refuseProgramFile(const struct stat& file, const Installation& installation) {
    for (const QString& name : installation.templates)
        if (identityOf(name) == identityOf(file))
            throw refusal(name, "Το αρχείο %1 είναι πρότυπο του προγράμματος, από το οποίο συντίθεται κάθε "
                                "αναφορά, και δεν αντικαθίσταται. Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.");
    const QString programFile = programFileWith(file, installation);
    if (!programFile.isEmpty())
        throw refusal(programFile, "Το αρχείο %1 είναι αρχείο του προγράμματος και δεν αντικαθίσταται. Δώστε "
                                   "άλλο όνομα ή επιλέξτε άλλο φάκελο.");
}

// A document written among the program's files would be taken for one of them
// from then on, and could never be replaced.
void refuseDataFolder(const SaveTarget& target, const Installation& installation) {
    const QString data = dataFolderHolding(target.folderDescriptor(), installation);
    if (!data.isEmpty())
        throw refusal(data, "Ο φάκελος %1 είναι φάκελος του προγράμματος και δεν αποθηκεύεται σε αυτόν "
                            "κανένα έγγραφο. Επιλέξτε άλλο φάκελο.");
}

// A word processor does not replace a file that its owner made read-only: no
// one may write it, or this user may not. On a disk that is read-only as a
// whole, the disk is what stops it, and another name would not help.
void refuseReadOnly(const SaveTarget& target, const struct stat& file) {
    int error = (file.st_mode & 0222) == 0 ? EACCES : 0;
    if (error == 0 && ::faccessat(target.folderDescriptor(), target.name().constData(), W_OK, 0) != 0)
        error = errno;
    if (error == EROFS)
        throw NotSaved(target.path(), EROFS);
    if (error != 0)
        throw refusal(target.path(),
                      "Το αρχείο %1 είναι μόνο για ανάγνωση και δεν αντικαθίσταται. Δώστε άλλο "
                      "όνομα ή επιλέξτε άλλο φάκελο.");
}

// What stands at the name, when it is neither a document nor a folder, as the
// user reads it; empty for a document.
QString kindOfSpecial(const struct stat& file) {
    if (S_ISSOCK(file.st_mode))
        return QStringLiteral("υποδοχή επικοινωνίας προγραμμάτων (socket)");
    if (S_ISFIFO(file.st_mode))
        return QStringLiteral("σωλήνωση επικοινωνίας προγραμμάτων (FIFO)");
    if (S_ISCHR(file.st_mode) || S_ISBLK(file.st_mode))
        return QStringLiteral("αρχείο συσκευής");
    return QString();
}

// A socket, a pipe or a device at the name is some program's way in or out,
// never a document: it is not replaced.
void refuseSpecial(const SaveTarget& target, const struct stat& file) {
    const QString kind = kindOfSpecial(file);
    if (!kind.isEmpty())
        throw Error(QStringLiteral("Στη θέση του αρχείου %1 υπάρχει %2, όχι έγγραφο, και δεν αντικαθίσταται. "
                                   "Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                        .arg(quoted(target.path()), kind));
}

} // namespace

int cannotCreateIn(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0 ? 0 : errno;
}

SaveTarget checkSave(const QString& path, const Installation& installation) {
    SaveTarget target(path);
    const auto& file = target.existing();
    if (file && S_ISREG(file->st_mode))
        refuseProgramFile(*file, installation);
    refuseDataFolder(target, installation);
    if (file && S_ISDIR(file->st_mode))
        throw NotSaved(path, EISDIR);
    if (file)
        refuseSpecial(target, *file);
    if (file)
        refuseReadOnly(target, *file);
    // Checked before anything is written: a document that could not be saved
    // there would change nothing but cost the wait.
    if (const int error = target.cannotCreate())
        target.refuseFolder(error);
    return target;
}

} // namespace office
