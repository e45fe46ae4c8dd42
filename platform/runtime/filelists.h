#pragma once
// Drive, folder and file lists for the browse windows. With no drive letters,
// the drives are the roots of the mounted file systems. Listing is synchronous,
// so a list shows the disk as it stands the moment its path is set.
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

namespace filelists {

// The roots of the mounted file systems, in path order; the root "/" first.
QStringList drives();
// The root of the mounted file system that holds path.
QString driveOf(const QString& path);
// Where choosing a drive leads: the process's current folder on its own drive,
// the root on any other.
QString currentFolderOf(const QString& drive);

// Offers the drives; starts on the drive of the current folder.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);
    QString drive() const;
    // Chooses a drive of the list (false if it is not one); changed() follows.
    bool setDrive(const QString& drive);

signals:
    // The chosen drive changed, by the user or by code.
    void changed();
};

// A folder, its parent folders above it and its subfolders below it; opening an
// entry (double click or Enter) makes it the path. Starts at the current folder.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);
    QString path() const { return current; }
    // Moves to an existing folder (false, and nothing changes, for any other);
    // changed() follows when the path is a new one.
    bool setPath(const QString& folder);
    // Moves to the drive's current folder (currentFolderOf).
    void showDrive(const QString& drive);
    // Lists the folder again as it now stands on disk.
    void refresh();

signals:
    // The path changed, by the user or by code.
    void changed();

private:
    QString current;
};

// The files of a folder, optionally only those matching a pattern such as
// "*.pdf" (several separated by ';'). Starts at the current folder.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);
    QString path() const { return current; }
    void setPath(const QString& folder);
    void setPattern(const QString& pattern);
    // The selected file's name, empty when none is selected.
    QString fileName() const;
    void refresh();

private:
    QString current;
    QStringList patterns;
};

// The three lists of a browse window work as one: choosing a drive moves the
// folder list to it, and the file list shows the folder the folder list shows.
void connectLists(DriveListBox* drive, DirListBox* folder, FileListBox* files);

} // namespace filelists
