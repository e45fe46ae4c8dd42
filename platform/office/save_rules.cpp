#include "save_rules.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "ooxml.h"
#include "platform/desktop/file_names.h"

namespace office {

namespace {

using desktop::quoted;

// A file or folder as the file system knows it, whatever the path it is reached by.
struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity&) const = default;
};

// The identity of what path names, links followed; none when nothing is there.
std::optional<Identity> identityOf(const QString& path) {
    struct stat file;
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return std::nullopt;
    return Identity{file.st_dev, file.st_ino};
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// Every file of the installation other than its templates, by the path the
// program names it with, that is the file with this identity; empty when none is.
QString programFileWith(const Identity& file, const Installation& installation) {
    if (identityOf(installation.program) == file)
        return installation.program;
    for (const QString& folder : installation.dataFolders) {
        QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString name = files.next();
            if (identityOf(name) == file)
                return name;
        }
    }
    return QString();
}

// The data folder that holds the folder, at any depth, or empty.
QString dataFolderHolding(const QString& folder, const Installation& installation) {
    std::vector<std::pair<QString, Identity>> dataFolders;
    for (const QString& data : installation.dataFolders)
        if (const auto identity = identityOf(data))
            dataFolders.emplace_back(data, *identity);
    // Walked up by the folder's own path, links resolved: a bind mount's ".."
    // is the mount's parent, not the parent of the folder it shows.
    QString at = QFileInfo(folder).canonicalFilePath();
    while (!at.isEmpty()) {
        const auto identity = identityOf(at);
        for (const auto& [data, dataIdentity] : dataFolders)
            if (identity == dataIdentity)
                return data;
        const QString parent = folderOf(at);
        at = parent == at ? QString() : parent;
    }
    return QString();
}

Error refusal(const QString& file, const char* what) {
    return Error(QString::fromUtf8(what).arg(quoted(file)));
}

// Every report is built from the templates, so a report written over one of
// them would spoil every later report; the other files of the program are its
// reference documents, workbook template, help programs and the program itself.
void refuseProgramFile(const Identity& file, const Installation& installation) {
    for (const QString& name : installation.templates)
        if (identityOf(name) == file)
            throw refusal(name, "Το αρχείο %1 είναι πρότυπο του προγράμματος, από το οποίο συντίθεται κάθε "
                                "αναφορά, και δεν αντικαθίσταται. Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.");
    const QString programFile = programFileWith(file, installation);
    if (!programFile.isEmpty())
        throw refusal(programFile, "Το αρχείο %1 είναι αρχείο του προγράμματος και δεν αντικαθίσταται. Δώστε "
                                   "άλλο όνομα ή επιλέξτε άλλο φάκελο.");
}

// A document written among the program's files would be taken for one of them
// from then on, and could never be replaced.
void refuseDataFolder(const QString& folder, const Installation& installation) {
    const QString data = dataFolderHolding(folder, installation);
    if (!data.isEmpty())
        throw refusal(data, "Ο φάκελος %1 είναι φάκελος του προγράμματος και δεν αποθηκεύεται σε αυτόν "
                            "κανένα έγγραφο. Επιλέξτε άλλο φάκελο.");
}

// A word processor does not replace a file that its owner made read-only: no
// one may write it, or this user may not.
void refuseReadOnly(const QString& path, const QString& target, const struct stat& file) {
    if ((file.st_mode & 0222) == 0 || ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        throw refusal(path, "Το αρχείο %1 είναι μόνο για ανάγνωση και δεν αντικαθίσταται. Δώστε άλλο όνομα ή "
                            "επιλέξτε άλλο φάκελο.");
}

} // namespace

QString saveTarget(const QString& path) {
    QString at = path;
    // As many links as the system itself follows before it gives up (ELOOP).
    for (int links = 0; links <= 40; ++links) {
        const QByteArray name = QFile::encodeName(at);
        struct stat entry;
        if (::lstat(name.constData(), &entry) != 0 || !S_ISLNK(entry.st_mode))
            return at;
        char named[PATH_MAX];
        const ssize_t size = ::readlink(name.constData(), named, sizeof named);
        if (size < 0 || size == sizeof named)
            return at;
        const QString next = QFile::decodeName(QByteArray(named, size));
        at = next.startsWith(u'/') ? next : folderOf(at) + u'/' + next;
    }
    throw ooxml::notSaved(path, ELOOP);
}

int cannotCreateIn(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0 ? 0 : errno;
}

void checkSave(const QString& path, const Installation& installation) {
    const QString target = saveTarget(path);
    struct stat file;
    const bool exists = ::stat(QFile::encodeName(target).constData(), &file) == 0;
    if (exists && S_ISREG(file.st_mode))
        refuseProgramFile(Identity{file.st_dev, file.st_ino}, installation);
    refuseDataFolder(folderOf(target), installation);
    if (exists && S_ISDIR(file.st_mode))
        throw ooxml::notSaved(path, EISDIR);
    if (exists)
        refuseReadOnly(path, target, file);
    // Checked before anything is written: a document that could not be saved
    // there would change nothing but cost the wait.
    if (const int error = cannotCreateIn(folderOf(target)))
        throw ooxml::notSaved(path, error);
}

} // namespace office
