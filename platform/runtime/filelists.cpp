#include "filelists.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

namespace filelists {

namespace {

QString clean(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

constexpr int pathRole = Qt::UserRole;

} // namespace

QStringList drives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    if (!roots.contains(QStringLiteral("/")))
        roots << QStringLiteral("/");
    std::sort(roots.begin(), roots.end());
    return roots;
}

QString driveOf(const QString& path) {
    // The deepest mounted root that the path lies under.
    const QString folder = clean(path);
    QString best = QStringLiteral("/");
    for (const QString& root : drives()) {
        const bool under = folder == root || folder.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (under && root.size() > best.size())
            best = root;
    }
    return best;
}

QString currentFolderOf(const QString& drive) {
    const QString here = QDir::currentPath();
    return driveOf(here) == drive ? here : drive;
}

// Drives --------------------------------------------------------------------

DriveListBox::DriveListBox(QWidget* parent)
    : QComboBox(parent) {
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString& root : drives())
        addItem(icon, root, root);
    setCurrentIndex(findData(driveOf(QDir::currentPath())));
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::changed);
}

QString DriveListBox::drive() const {
    return currentData().toString();
}

bool DriveListBox::setDrive(const QString& drive) {
    const int index = findData(drive);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

// Folders -------------------------------------------------------------------

DirListBox::DirListBox(QWidget* parent)
    : QListWidget(parent) {
    setPath(QDir::currentPath());
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(pathRole).toString()); });
}

bool DirListBox::setPath(const QString& folder) {
    const QString target = clean(folder);
    if (!QFileInfo(target).isDir())
        return false;
    const bool isNew = target != current;
    current = target;
    refresh();
    if (isNew)
        emit changed();
    return true;
}

void DirListBox::showDrive(const QString& drive) {
    setPath(currentFolderOf(drive));
}

void DirListBox::refresh() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain of folders from the root down to the path, then its subfolders.
    QStringList chain;
    for (QDir dir(current);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = folder == QStringLiteral("/") ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, u' ') + name, this);
        item->setData(pathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QFileInfoList subfolders = QDir(current).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& sub : subfolders) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, u' ') + sub.fileName(), this);
        item->setData(pathRole, clean(sub.absoluteFilePath()));
    }
}

// Files ---------------------------------------------------------------------

FileListBox::FileListBox(QWidget* parent)
    : QListWidget(parent) {
    setPath(QDir::currentPath());
}

void FileListBox::setPath(const QString& folder) {
    current = clean(folder);
    refresh();
}

void FileListBox::setPattern(const QString& pattern) {
    patterns = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& p : patterns)
        p = p.trimmed();
    refresh();
}

QString FileListBox::fileName() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

void FileListBox::refresh() {
    clear();
    QDir dir(current);
    dir.setNameFilters(patterns);
    addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
}

void connectLists(DriveListBox* drive, DirListBox* folder, FileListBox* files) {
    QObject::connect(drive, &DriveListBox::changed, folder,
                     [drive, folder] { folder->showDrive(drive->drive()); });
    QObject::connect(folder, &DirListBox::changed, files,
                     [folder, files] { files->setPath(folder->path()); });
}

} // namespace filelists
