#pragma once
// Where a save at a path writes, resolved once, as the system itself resolves
// the path, and held: the folder stays open, so every later step (the checks,
// the temporary file, the rename, the wait for the disk) acts on the folder
// that was resolved, whatever its path comes to name meanwhile.
//
// A link at the path's name is followed to the end of its chain, so the link
// stays and keeps naming the document. Each link's text is resolved from the
// link's own folder, by the system: "d/../a.doc", where d is a link itself, is
// the a.doc beside what d names, never the one beside d. A link is not followed
// where the system would not follow it either: one of another user's in a
// shared folder that everybody may write (a sticky, world-writable folder),
// unless it is the folder owner's.
#include <QString>
#include <optional>
#include <sys/stat.h>

namespace office {

class SaveTarget {
public:
    // Resolves path. Throws office::Error for a chain of links that never ends,
    // a link of another user's in a shared folder, a path that names a folder,
    // and a folder that cannot be reached: the path's own (told of path), or the
    // one a link leads to (told of that folder and the link).
    explicit SaveTarget(const QString& path);
    ~SaveTarget();
    SaveTarget(SaveTarget&& other) noexcept;
    SaveTarget(const SaveTarget&) = delete;
    SaveTarget& operator=(const SaveTarget&) = delete;
    SaveTarget& operator=(SaveTarget&&) = delete;

    // The path as the caller named it: messages about the save name it.
    const QString& path() const { return path_; }
    // The folder written into, by the system's own name for it, and the file's
    // name in it.
    const QString& folder() const { return folder_; }
    const QString& name() const { return name_; }
    QString file() const { return folder_ + u'/' + name_; }
    // The open folder, for the *at() calls that act on it.
    int folderDescriptor() const { return folderFd; }
    // What stood at the name when it was resolved (never a link), if anything.
    const std::optional<struct stat>& existing() const { return existing_; }

    // The errno value that keeps a new file from being made in the folder, or 0.
    int cannotCreate() const;
    // The folder cannot take the file (an errno value): told of the path, or,
    // where a link leads there, of the folder and the link.
    [[noreturn]] void refuseFolder(int error) const;
    // Throws office::Error when the name no longer holds what it held when it
    // was resolved: something was put in its place in between, by another
    // program or user, that the checks never saw.
    void checkUnchanged() const;

private:
    void resolve();
    void closeFolder();

    QString path_;
    QString folder_;
    QString name_;
    QString link_; // the last link followed, empty when none was
    int folderFd = -1;
    std::optional<struct stat> existing_;
};

} // namespace office
