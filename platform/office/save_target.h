#pragma once
// Where a save at a path writes, resolved once, as the system itself resolves
// the path, and held; and the one way a file's bytes are written there.
//
// The folder stays open, so every later step (the checks, the temporary file,
// the rename, the wait for the disk) acts on the folder that was resolved,
// whatever its path comes to name meanwhile; right before the rename the path
// must still lead to that folder and the name still hold what it held.
//
// The path is resolved step by step, as the system resolves it: each link's
// text from the link's own folder ("d/../a.doc", where d is a link itself, is
// the a.doc beside what d names, never the one beside d), at most 40 links in
// all, wherever they stand. Names and link texts are kept as the bytes the
// system gives; they are decoded only for messages. A link is not followed
// where the system would not follow it either: one of another user's in a
// shared folder that everybody may write (a sticky, world-writable folder),
// unless it is the folder owner's.
#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/stat.h>

namespace office {

// Whether a save waits for the disk, before the file takes its name and for
// its folder after: a document saved again and again while it is built need
// not, one the user keeps does.
enum class Durability { Flushed, Unflushed };

class SaveTarget {
public:
    // How a link standing at the path's name is taken.
    enum class Links {
        // A document of the user's: the link stays, and the file at the end of
        // its chain is written.
        Followed,
        // A file of the program's, written as the name itself: a link standing
        // there is never followed, and the save is refused, naming it.
        Refused,
    };

    // Resolves path. Throws office::Error for a chain of more than 40 links, a
    // link of another user's in a shared folder, a link at a name whose links
    // are refused, a path that names a folder, and a folder that cannot be
    // reached: the path's own (told of path), or the one a link leads to (told
    // of that folder and the link).
    explicit SaveTarget(const QString& path, Links links = Links::Followed);
    ~SaveTarget();
    SaveTarget(SaveTarget&& other) noexcept;
    SaveTarget(const SaveTarget&) = delete;
    SaveTarget& operator=(const SaveTarget&) = delete;
    SaveTarget& operator=(SaveTarget&&) = delete;

    // The path as the caller named it: messages about the save name it.
    const QString& path() const { return path_; }
    // The folder written into, by the system's own name for it, and the file
    // in it, as messages name them.
    QString folder() const;
    QString file() const;
    // The file's name in the folder, as the system has it.
    const QByteArray& name() const { return name_; }
    // The open folder, for the *at() calls that act on it.
    int folderDescriptor() const { return folderFd; }
    // What stood at the name when it was resolved (never a link), if anything.
    const std::optional<struct stat>& existing() const { return existing_; }

    // The errno value that keeps a new file from being made in the folder, or 0.
    int cannotCreate() const;
    // The folder cannot take the file (an errno value): told of the path, or,
    // where a link leads there, of the folder and the link.
    [[noreturn]] void refuseFolder(int error) const;

    // Writes bytes as the file at the target, atomically: a temporary file in
    // the held folder, open for writing only, renamed to the name once complete
    // and once the path is seen to lead where it led when resolved. Where
    // nothing stood at the name, nothing put there since is replaced. A file
    // replaced keeps its mode when it is the user's own; any other gets the
    // usual one (0666 less the umask), where the file system keeps modes at
    // all. Throws office::NotSaved (or office::Error) and leaves the name and
    // the folder as they were, the temporary file removed whatever fails; only
    // a failed wait for the folder comes after the rename (office::Unconfirmed),
    // and leaves the new file in place. A folder whose file system has no such
    // wait (EINVAL, ENOTSUP) has nothing to wait for.
    void write(const QByteArray& bytes, Durability durability = Durability::Flushed) const;

private:
    class TemporaryFile;
    void resolve();
    void closeFolder();
    // Throws office::Error when the name no longer holds what it held when it
    // was resolved, or the path no longer leads to the held folder: something
    // was put in their place in between, by another program or user, that the
    // checks never saw.
    void checkUnchanged() const;
    void setMode(const TemporaryFile& file) const;
    void rename(TemporaryFile& file) const;
    int waitForFolder(const TemporaryFile& file) const;

    QString path_;
    Links links_;
    QByteArray folder_; // the system's own name for the folder
    QByteArray name_;
    QByteArray link_; // the last link followed, empty when none was
    int folderFd = -1;
    std::optional<struct stat> existing_;
};

} // namespace office
