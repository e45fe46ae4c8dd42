// Drive, folder and file lists as the browse windows use them: a drive leads
// the folder list, the folder list leads the file list.
#include <QtTest>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "platform/runtime/filelists.h"

namespace {

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList texts(const QListWidget& list) {
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text().trimmed();
    return result;
}

// A sample folder: two subfolders, files of three kinds, one hidden file.
struct Sample {
    QTemporaryDir dir;
    Sample() {
        QDir(dir.path()).mkdir(QStringLiteral("Μελέτες"));
        QDir(dir.path()).mkdir(QStringLiteral("archive"));
        for (const char* name : {"b.pdf", "a.doc", "Γ.xls", ".hidden"})
            touch(dir.filePath(QString::fromUtf8(name)));
    }
    QString path() const { return QDir::cleanPath(dir.path()); }
};

} // namespace

class FileListsTest : public QObject {
    Q_OBJECT
private slots:
    void drivesAreMountRoots() {
        const QStringList roots = filelists::drives();
        QVERIFY(!roots.isEmpty());
        QCOMPARE(roots.first(), QStringLiteral("/"));
        QCOMPARE(filelists::driveOf(QStringLiteral("/")), QStringLiteral("/"));
        QVERIFY(roots.contains(filelists::driveOf(QDir::currentPath())));
        // Every path lies on the deepest root above it.
        for (const QString& root : roots)
            QCOMPARE(filelists::driveOf(root), root);
    }

    void listsStartAtTheCurrentFolder() {
        filelists::DriveListBox drive;
        filelists::DirListBox folder;
        filelists::FileListBox files;
        QCOMPARE(drive.drive(), filelists::driveOf(QDir::currentPath()));
        QCOMPARE(folder.path(), QDir::currentPath());
        QCOMPARE(files.path(), QDir::currentPath());
        QVERIFY(files.fileName().isEmpty());
    }

    void folderListShowsChainAndSubfolders() {
        Sample sample;
        filelists::DirListBox folder;
        QVERIFY(folder.setPath(sample.path()));
        const QStringList shown = texts(folder);
        const QStringList chain = sample.path().split(u'/', Qt::SkipEmptyParts);
        QCOMPARE(shown.first(), QStringLiteral("/"));
        QCOMPARE(shown.mid(1, chain.size()), chain);
        QCOMPARE(shown.mid(chain.size() + 1),
                 QStringList({QStringLiteral("archive"), QStringLiteral("Μελέτες")}));
        QCOMPARE(folder.currentItem()->text().trimmed(), chain.last());
    }

    // The change signal comes whenever the path changes, by code or by the user
    // opening an entry, and not when it stays.
    void folderListSignalsEachChange() {
        Sample sample;
        filelists::DirListBox folder;
        QSignalSpy changes(&folder, &filelists::DirListBox::changed);
        QVERIFY(folder.setPath(sample.path()));
        QCOMPARE(changes.count(), 1);
        QVERIFY(folder.setPath(sample.path() + QStringLiteral("/")));
        QCOMPARE(changes.count(), 1);

        const QList<QListWidgetItem*> found = folder.findItems(QStringLiteral("Μελέτες"), Qt::MatchEndsWith);
        QCOMPARE(found.size(), 1);
        emit folder.itemActivated(found.first());
        QCOMPARE(changes.count(), 2);
        QCOMPARE(folder.path(), sample.path() + QStringLiteral("/Μελέτες"));

        QVERIFY(!folder.setPath(sample.path() + QStringLiteral("/missing")));
        QCOMPARE(folder.path(), sample.path() + QStringLiteral("/Μελέτες"));
        QCOMPARE(changes.count(), 2);
    }

    void fileListShowsTheFolder_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("every file") << "" << QStringList({"a.doc", "b.pdf", "Γ.xls"});
        QTest::newRow("pdf") << "*.pdf" << QStringList({"b.pdf"});
        QTest::newRow("two kinds") << "*.doc;*.xls" << QStringList({"a.doc", "Γ.xls"});
    }
    void fileListShowsTheFolder() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        Sample sample;
        filelists::FileListBox files;
        files.setPattern(pattern);
        files.setPath(sample.path());
        QCOMPARE(texts(files), expected);
        QVERIFY(files.fileName().isEmpty());
        files.setCurrentRow(0);
        QCOMPARE(files.fileName(), expected.first());
    }

    // How a browse window wires them: choosing a drive moves the folder list to
    // that drive's current folder, and the file list follows the folder list.
    void driveLeadsFolderLeadsFiles() {
        Sample sample;
        filelists::DriveListBox drive;
        filelists::DirListBox folder;
        filelists::FileListBox files;
        QObject::connect(&drive, &filelists::DriveListBox::changed, &folder,
                         [&] { folder.showDrive(drive.drive()); });
        QObject::connect(&folder, &filelists::DirListBox::changed, &files,
                         [&] { files.setPath(folder.path()); });

        QVERIFY(folder.setPath(sample.path()));
        QCOMPARE(files.path(), sample.path());
        QCOMPARE(texts(files), QStringList({"a.doc", "b.pdf", "Γ.xls"}));

        const QString here = filelists::driveOf(QDir::currentPath());
        const QStringList others = filelists::drives();
        auto other = std::find_if(others.begin(), others.end(), [&](const QString& d) { return d != here; });
        if (other == others.end())
            QSKIP("a single mounted file system");
        QVERIFY(drive.setDrive(*other));
        QCOMPARE(folder.path(), *other);
        QCOMPARE(files.path(), *other);
        QVERIFY(drive.setDrive(here));
        QCOMPARE(folder.path(), QDir::currentPath());
        QCOMPARE(files.path(), QDir::currentPath());
    }
};

QTEST_MAIN(FileListsTest)
#include "test_filelists.moc"
