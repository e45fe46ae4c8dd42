#pragma once
// The rules of writing a document into a user's folder, in one place: what a
// save refuses before anything is written (where it writes: save_target.h).
//
// Files and folders are told apart by their identity (device and inode), never
// by the spelling of their paths, so a rule holds by every route that reaches
// them: "..", a link, a hard link, a bind mount, the same share mounted twice.
#include <QString>
#include <QStringList>

#include "save_target.h"

namespace office {

// The files an installation ships, which no document may replace.
struct Installation {
    QString program;         // the program itself
    QStringList dataFolders; // the folders beside it: their files are the program's, and so is their room
    QStringList templates;   // files of those folders from which every report is built
};

// The errno value that keeps a new file from being made in the folder (it is
// missing, not a folder, or not writable), or 0.
int cannotCreateIn(const QString& folder);

// Refuses, with office::Error and a message for the user, a save at path (as
// SaveTarget resolves it) that would replace a template or any other file of
// the installation, write into one of its data folders, replace a read-only
// file, a folder, or a socket, pipe or device, or go into a folder (or onto a
// read-only disk) it cannot be made in. Returns the target it checked, for the
// save to write: the file checked is the file written.
SaveTarget checkSave(const QString& path, const Installation& installation);

} // namespace office
