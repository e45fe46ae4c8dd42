#pragma once
// The rules of writing a document into a user's folder, in one place: where a
// save at a path writes, and what it refuses before anything is written.
//
// Files and folders are told apart by their identity (device and inode), never
// by the spelling of their paths, so a rule holds by every route that reaches
// them: "..", a link, a hard link, a bind mount, the same share mounted twice.
#include <QString>
#include <QStringList>

namespace office {

// The files an installation ships, which no document may replace.
struct Installation {
    QString program;         // the program itself
    QStringList dataFolders; // the folders beside it: their files are the program's, and so is their room
    QStringList templates;   // files of those folders from which every report is built
};

// The file a save at path writes: the one a link at path names, followed to the
// end of a chain of links, so the link stays and keeps naming the document; path
// itself where no link stands. Throws office::Error for a chain that never ends.
QString saveTarget(const QString& path);

// The errno value that keeps a new file from being made in the folder (it is
// missing, not a folder, or not writable), or 0.
int cannotCreateIn(const QString& folder);

// Refuses, with office::Error and a message for the user, a save at path (as
// saveTarget follows it) that would replace a template or any other file of the
// installation, write into one of its data folders, replace a read-only file or
// a folder, or go into a folder it cannot be made in.
void checkSave(const QString& path, const Installation& installation);

} // namespace office
