// The one way a file's bytes reach a folder: where they go (the path resolved
// as the system resolves it), and how (whole or not at all, nothing left
// behind, nothing replaced that the checks did not see, a message that says
// what happened).
#include <QtTest>

#include <QTemporaryDir>
#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "failure_of.h"
#include "file_contents.h"
#include "file_faults.h"
#include "platform/office/disk_fault.h"
#include "platform/office/office_error.h"
#include "platform/office/save_rules.h"
#include "platform/office/save_target.h"

using office::DiskStep;
using office::Durability;
using office::SaveTarget;
using testsupport::DiskFault;
using testsupport::failureOf;
using testsupport::filesIn;
using testsupport::makeLink;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QByteArray earlierBytes = "η προηγούμενη αναφορά";
const QByteArray newBytes = QByteArray("PK\x03\x04 η νέα αναφορά ", 24).repeated(64);

// A folder's entries as the system names them, bytes and all.
QList<QByteArray> entriesOf(const QString& folder) {
    QList<QByteArray> names;
    DIR* entries = ::opendir(QFile::encodeName(folder).constData());
    if (!entries)
        return names;
    while (const dirent* entry = ::readdir(entries))
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names << QByteArray(entry->d_name);
    ::closedir(entries);
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray bytesAt(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "[no file]";
    QByteArray bytes;
    char chunk[4096];
    ssize_t got;
    while ((got = ::read(fd, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, got);
    ::close(fd);
    return bytes;
}

mode_t modeOf(const QString& path) {
    struct stat file;
    return ::stat(QFile::encodeName(path).constData(), &file) == 0 ? file.st_mode & 07777 : 0;
}

// The umask a test sets while it lives.
class Umask {
public:
    explicit Umask(mode_t mask)
        : saved(::umask(mask)) {}
    ~Umask() { ::umask(saved); }

private:
    mode_t saved;
};

} // namespace

class SaveTargetTest : public QObject {
    Q_OBJECT
private slots:
    // A save that cannot complete leaves what stood at the path, and no
    // temporary file behind.
    void failedSaveLeavesFolderAsItWas_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("cause");
        QTest::newRow("folder missing") << "missing"
                                        << "ο φάκελος δεν υπάρχει.";
        QTest::newRow("folder read-only") << "read-only"
                                          << "δεν επιτρέπεται η εγγραφή στον φάκελο.";
        QTest::newRow("disk full") << "full"
                                   << "δεν υπάρχει ελεύθερος χώρος στον δίσκο.";
        QTest::newRow("name too long") << "long name"
                                       << "το όνομα του αρχείου είναι πολύ μεγάλο.";
        QTest::newRow("folder in the way") << "folder"
                                           << "στη θέση του αρχείου υπάρχει φάκελος.";
        QTest::newRow("a write the file system refuses (EINVAL)")
            << "refused write"
            << "το σύστημα αρχείων του φακέλου δεν δέχεται αυτό το όνομα ή αυτή τη λειτουργία.";
        // A USB stick's own driver answers a name with ":" in it with EINVAL,
        // a FUSE exFAT driver with ENOENT, although the folder is there.
        const QString refusedName = QStringLiteral(
            "ο δίσκος δεν δέχεται το όνομα «report.doc»: δίσκοι όπως τα USB sticks και οι κάρτες μνήμης δεν "
            "δέχονται σε όνομα αρχείου τους χαρακτήρες «:», «?», «*», «\"», «<», «>», «|» και «\\». Δώστε "
            "άλλο όνομα.");
        QTest::newRow("a name the disk's driver refuses (EINVAL)") << "EINVAL at the rename" << refusedName;
        QTest::newRow("a name a FUSE driver refuses (ENOENT)") << "ENOENT at the rename" << refusedName;
    }
    void failedSaveLeavesFolderAsItWas() {
        QFETCH(QString, failure);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("report.doc"));
        writeFile(path, earlierBytes);
        std::unique_ptr<testsupport::ReadOnlyFolder> readOnly;
        std::unique_ptr<testsupport::FileSizeLimit> limit;
        std::unique_ptr<DiskFault> disk;
        if (failure == "missing")
            path = dir.filePath(QStringLiteral("gone/report.doc"));
        else if (failure == "long name")
            path = dir.filePath(QString(300, u'α') + QStringLiteral(".doc"));
        else if (failure == "folder") {
            path += QStringLiteral(".doc");
            QVERIFY(QDir().mkdir(path));
        } else if (failure == "read-only") {
            readOnly = std::make_unique<testsupport::ReadOnlyFolder>(dir.path());
            if (!readOnly->ok)
                QSKIP("this file system cannot make a folder read-only");
        } else if (failure == "full") {
            limit = std::make_unique<testsupport::FileSizeLimit>(16);
        } else {
            const DiskStep failing = failure == "refused write" ? DiskStep::Write : DiskStep::Rename;
            const int error = failure.startsWith("ENOENT") ? ENOENT : EINVAL;
            disk = std::make_unique<DiskFault>(
                [=](DiskStep step, const QString&) { return step == failing ? error : 0; });
        }

        const QStringList filesBefore = filesIn(dir.path());
        const QString said = failureOf([&] { SaveTarget(path).write(newBytes); });
        QCOMPARE(said, QStringLiteral("Το αρχείο «%1» δεν αποθηκεύτηκε: %2").arg(path, cause));
        limit.reset();
        readOnly.reset();
        disk.reset();
        QCOMPARE(filesIn(dir.path()), filesBefore);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("report.doc"))), earlierBytes);
    }

    void saveReplacesExistingFileWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        writeFile(path, QByteArray(100000, 'x'));
        SaveTarget(path).write(newBytes);
        QCOMPARE(readFile(path), newBytes);
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("report.doc")});
    }

    // The file took its name, but the disk did not confirm its folder: the
    // message says the file was written, never that it was not saved.
    void aFolderTheDiskDoesNotConfirm() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        writeFile(path, earlierBytes);
        QString said;
        {
            DiskFault disk([&](DiskStep step, const QString& at) {
                return step == DiskStep::Flush && at == dir.path() ? EIO : 0;
            });
            try {
                SaveTarget(path).write(newBytes);
            } catch (const office::Unconfirmed& e) {
                said = e.message();
            }
        }
        QCOMPARE(said,
                 QStringLiteral("Το αρχείο «%1» γράφτηκε, αλλά ο δίσκος δεν επιβεβαίωσε ότι θα μείνει στη "
                                "θέση του: ο δίσκος δεν ολοκλήρωσε την εγγραφή (σφάλμα "
                                "εισόδου/εξόδου).")
                     .arg(path));
        QCOMPARE(readFile(path), newBytes);
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("report.doc")});
    }

    // Whatever ends a save before the rename, an exception of any kind
    // included, the temporary file goes with it.
    void noTemporaryFileStaysWhateverIsThrown_data() {
        QTest::addColumn<DiskStep>("step");
        QTest::addColumn<Durability>("durability");
        QTest::newRow("setting the mode") << DiskStep::Mode << Durability::Flushed;
        QTest::newRow("writing") << DiskStep::Write << Durability::Flushed;
        QTest::newRow("waiting for the disk") << DiskStep::Flush << Durability::Flushed;
        QTest::newRow("renaming") << DiskStep::Rename << Durability::Flushed;
        QTest::newRow("renaming, unflushed") << DiskStep::Rename << Durability::Unflushed;
    }
    void noTemporaryFileStaysWhateverIsThrown() {
        QFETCH(DiskStep, step);
        QFETCH(Durability, durability);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        writeFile(path, earlierBytes);
        const SaveTarget target(path);
        {
            DiskFault disk([&](DiskStep at, const QString&) -> int {
                if (at == step)
                    throw std::runtime_error("the power went");
                return 0;
            });
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, target.write(newBytes, durability));
        }
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("report.doc")});
        QCOMPARE(readFile(path), earlierBytes);
    }

    // The temporary file is opened for writing only: nothing of it is ever
    // read back through it.
    void theTemporaryFileIsOpenForWritingOnly() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        QList<int> modes; // the access modes of the descriptors open on a temporary file of the folder
        {
            DiskFault disk([&](DiskStep step, const QString&) {
                if (step != DiskStep::Write)
                    return 0;
                for (const QFileInfo& fd :
                     QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System)) {
                    if (!fd.symLinkTarget().startsWith(dir.path() + QStringLiteral("/.vorlux-")))
                        continue;
                    QFile info(QStringLiteral("/proc/self/fdinfo/") + fd.fileName());
                    if (!info.open(QIODevice::ReadOnly))
                        continue;
                    for (const QByteArray& line : info.readAll().split('\n'))
                        if (line.startsWith("flags:"))
                            modes << (line.mid(6).trimmed().toInt(nullptr, 8) & O_ACCMODE);
                }
                return 0;
            });
            SaveTarget(path).write(newBytes);
        }
        QCOMPARE(modes, QList<int>{O_WRONLY});
        QCOMPARE(readFile(path), newBytes);
    }

    // A file of the user's own that is replaced keeps its mode; a new file, or
    // one of another user's, gets the usual one (0666 less the umask), so no
    // other user's choice makes the user's document writable by everybody.
    // Where the file system keeps no modes (it refuses to set one), the save
    // goes on, and the file has the mode it was made with.
    void theModeOfTheWrittenFile_data() {
        QTest::addColumn<int>("before");   // the mode of the file at the name; 0: none there
        QTest::addColumn<bool>("others");  // that file is another user's
        QTest::addColumn<int>("refusal");  // the errno value with which the disk refuses modes, or 0
        QTest::addColumn<int>("expected"); // the written file's mode
        QTest::newRow("a new file") << 0 << false << 0 << 0644;
        QTest::newRow("the user's own file, kept private") << 0600 << false << 0 << 0600;
        QTest::newRow("the user's own file, shared with the group") << 0664 << false << 0 << 0664;
        QTest::newRow("another user's file, writable by everybody") << 0666 << true << 0 << 0644;
        QTest::newRow("a disk that keeps no modes (ENOSYS)") << 0664 << false << ENOSYS << 0600;
        QTest::newRow("a disk that keeps no modes (EPERM)") << 0 << false << EPERM << 0600;
    }
    void theModeOfTheWrittenFile() {
        QFETCH(int, before);
        QFETCH(bool, others);
        QFETCH(int, refusal);
        QFETCH(int, expected);
        const Umask mask(022);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        if (before) {
            writeFile(path, earlierBytes);
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), before), 0);
        }
        if (others && ::chown(QFile::encodeName(path).constData(), 54321, 54321) != 0)
            QSKIP("a file of another user's cannot be made here: only the superuser may give one away");
        {
            DiskFault disk(
                [&](DiskStep step, const QString&) { return step == DiskStep::Mode ? refusal : 0; });
            SaveTarget(path).write(newBytes);
        }
        QCOMPARE(readFile(path), newBytes);
        QCOMPARE(int(modeOf(path)), expected);
    }

    // Where nothing stood at the name when it was checked, nothing put there
    // since is replaced, however late it came.
    void aNameTakenAtTheLastMomentIsNotReplaced() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        const QByteArray theirs = "ένα έγγραφο άλλου χρήστη";
        const SaveTarget target(path);
        QString said;
        {
            DiskFault disk([&](DiskStep step, const QString&) {
                if (step == DiskStep::Rename)
                    writeFile(path, theirs); // after every check, right before the rename
                return 0;
            });
            said = failureOf([&] { target.write(newBytes); });
        }
        QCOMPARE(said,
                 QStringLiteral("Στη θέση του αρχείου «%1» μπήκε, όσο γραφόταν το έγγραφο, άλλο αρχείο ή "
                                "σύνδεσμος, από άλλο πρόγραμμα ή άλλον χρήστη: δεν αντικαταστάθηκε και "
                                "δεν άλλαξε τίποτα. Ελέγξτε τον φάκελο και δοκιμάστε ξανά.")
                     .arg(path));
        QCOMPARE(readFile(path), theirs);
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("report.doc")});
    }

    // A folder the user may write and enter but not list (a drop box): the
    // folder cannot be opened to wait for its entries, and the save waits
    // by another road, so the file is written and confirmed.
    void aFolderThatCannotBeListed() {
        QTemporaryDir dir;
        const QString box = dir.filePath(QStringLiteral("γραμματοκιβώτιο"));
        QVERIFY(QDir().mkdir(box));
        QCOMPARE(::chmod(QFile::encodeName(box).constData(), 0333), 0);
        const QString path = box + QStringLiteral("/report.doc");
        {
            const testsupport::PermissionsHeld held;
            QVERIFY2(::opendir(QFile::encodeName(box).constData()) == nullptr, "the folder can be listed");
            SaveTarget(path).write(newBytes, Durability::Flushed);
        }
        QCOMPARE(readFile(path), newBytes);
        QCOMPARE(::chmod(QFile::encodeName(box).constData(), 0755), 0);
        QCOMPARE(filesIn(box), QStringList{QStringLiteral("report.doc")});
    }

    // A file in the root folder is named "/x.doc", as the user would write it.
    void aFileInTheRootFolder() {
        const QString name =
            QStringLiteral("vorlux-%1-nothing-here.doc").arg(QCoreApplication::applicationPid());
        const SaveTarget target(u'/' + name);
        QCOMPARE(target.folder(), QStringLiteral("/"));
        QCOMPARE(target.file(), u'/' + name);
        QVERIFY(!target.existing());
    }

    // Links are counted as the system counts them: 40 in one path at most,
    // those on the way to a link's folder included.
    void linksAreCountedAsTheSystemCountsThem_data() {
        QTest::addColumn<int>("folderLinks"); // links on the way to the folder the name's link leads to
        QTest::addColumn<bool>("written");
        QTest::newRow("40 links in all") << 39 << true;
        QTest::newRow("41 links in all") << 40 << false;
    }
    void linksAreCountedAsTheSystemCountsThem() {
        QFETCH(int, folderLinks);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("real"))));
        // l1 -> l2 -> ... -> l<n> -> real, and the name's link: report.doc -> l1/x.doc
        for (int i = 1; i <= folderLinks; ++i)
            makeLink(i == folderLinks ? QStringLiteral("real") : QStringLiteral("l%1").arg(i + 1),
                     dir.filePath(QStringLiteral("l%1").arg(i)));
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        makeLink(QStringLiteral("l1/x.doc"), path);
        const int systemFd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT, 0600);
        const int systemError = errno;
        QCOMPARE(systemFd >= 0, written); // the system's own count
        if (systemFd >= 0) {
            ::close(systemFd);
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("real/x.doc"))));
        } else {
            QCOMPARE(systemError, ELOOP);
        }

        const QString said = failureOf([&] { SaveTarget(path).write(newBytes); });
        if (written) {
            QCOMPARE(said, QString());
            QCOMPARE(readFile(dir.filePath(QStringLiteral("real/x.doc"))), newBytes);
        } else {
            QCOMPARE(said,
                     QStringLiteral("Το αρχείο «%1» δεν αποθηκεύτηκε: η διαδρομή περνά από πάρα πολλούς "
                                    "συνδέσμους στη σειρά ή από συνδέσμους που δείχνουν ο ένας στον "
                                    "άλλον.")
                         .arg(path));
            QCOMPARE(filesIn(dir.filePath(QStringLiteral("real"))), QStringList());
        }
        QCOMPARE(testsupport::linkText(path), QStringLiteral("l1/x.doc"));
    }

    // A name is the bytes the system gives: a link whose text is not UTF-8 (a
    // Latin-1 name from an old archive) leads to the file of exactly those
    // bytes, and no file of another name appears.
    void aLinkWhoseTextIsNotUtf8() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        const QByteArray latin1Name = "caf\xe9.doc";
        const int fd = ::open((folder + '/' + latin1Name).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, earlierBytes.constData(), earlierBytes.size()), ssize_t(earlierBytes.size()));
        ::close(fd);
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        QCOMPARE(::symlink(latin1Name.constData(), QFile::encodeName(path).constData()), 0);

        SaveTarget(path).write(newBytes);

        QCOMPARE(bytesAt(folder + '/' + latin1Name), newBytes);
        QCOMPARE(entriesOf(dir.path()), (QList<QByteArray>{latin1Name, "report.doc"}));
        char text[64];
        const ssize_t size = ::readlink(QFile::encodeName(path).constData(), text, sizeof text);
        QCOMPARE(QByteArray(text, size > 0 ? size : 0), latin1Name);
    }

    // A file written as the name itself (a file of the program's): a link
    // standing at the name is never followed, and the save says so, naming
    // the link; a link on the way to its folder is followed as the system
    // follows it, and a file at the name is replaced.
    void aNameWhoseLinksAreRefused_data() {
        QTest::addColumn<QString>("atName"); // "link", "file", or "folder link"
        QTest::newRow("a link at the name") << "link";
        QTest::newRow("a file at the name") << "file";
        QTest::newRow("a link on the way to the folder") << "folder link";
    }
    void aNameWhoseLinksAreRefused() {
        QFETCH(QString, atName);
        QTemporaryDir dir;
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("words"))));
        const QString users = dir.filePath(QStringLiteral("η αναφορά του χρήστη.doc"));
        writeFile(users, earlierBytes);
        QString path = dir.filePath(QStringLiteral("words/perigrafh.doc"));
        if (atName == "link")
            makeLink(users, path);
        else
            writeFile(path, "το πρότυπο");
        if (atName == "folder link") {
            makeLink(dir.filePath(QStringLiteral("words")), dir.filePath(QStringLiteral("λέξεις")));
            path = dir.filePath(QStringLiteral("λέξεις/perigrafh.doc"));
        }

        const QString said = failureOf([&] { SaveTarget(path, SaveTarget::Links::Refused).write(newBytes); });

        QCOMPARE(readFile(users), earlierBytes);
        if (atName == "link") {
            QCOMPARE(said,
                     QStringLiteral("Στη θέση του αρχείου «%1» υπάρχει σύνδεσμος, που δεν ακολουθείται: το "
                                    "αρχείο γράφεται μόνο με το δικό του όνομα, για να μη γραφτεί ποτέ "
                                    "πάνω σε άλλο αρχείο. Αφαιρέστε τον σύνδεσμο και βάλτε στη θέση του "
                                    "το αρχείο.")
                         .arg(path));
            QCOMPARE(testsupport::linkText(path), users);
        } else {
            QCOMPARE(said, QString());
            QCOMPARE(readFile(dir.filePath(QStringLiteral("words/perigrafh.doc"))), newBytes);
        }
        QCOMPARE(filesIn(dir.filePath(QStringLiteral("words"))),
                 QStringList{QStringLiteral("perigrafh.doc")});
    }

    // While the file is written, its folder is moved away and something else
    // is put at the folder's path: a link to another user's folder, or a new
    // folder. Right before the rename the path must still lead to the folder
    // written into: one message, and neither folder changes.
    void aFolderReplacedWhileWritten_data() {
        QTest::addColumn<QString>("put"); // "link" or "folder"
        QTest::newRow("a link in the moved folder's place") << "link";
        QTest::newRow("a new folder in the moved folder's place") << "folder";
    }
    void aFolderReplacedWhileWritten() {
        QFETCH(QString, put);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("έργα"));
        const QString moved = dir.filePath(QStringLiteral("αλλού"));
        const QString theirs = dir.filePath(QStringLiteral("άλλου χρήστη"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QDir().mkdir(theirs));
        writeFile(folder + QStringLiteral("/report.doc"), earlierBytes);
        writeFile(theirs + QStringLiteral("/report.doc"), "ένα έγγραφο άλλου χρήστη");
        const QString path = folder + QStringLiteral("/report.doc");
        QString said;
        {
            DiskFault disk([&](DiskStep step, const QString&) {
                if (step == DiskStep::Write && QFile::rename(folder, moved)) {
                    if (put == "link")
                        makeLink(theirs, folder);
                    else
                        QDir().mkdir(folder);
                }
                return 0;
            });
            said = failureOf([&] { SaveTarget(path).write(newBytes); });
        }
        QCOMPARE(said,
                 QStringLiteral("Ο φάκελος «%1» μετακινήθηκε ή αντικαταστάθηκε, ή η διαδρομή «%2» οδηγεί "
                                "πια αλλού, όσο γραφόταν το έγγραφο, από άλλο πρόγραμμα ή άλλον χρήστη: "
                                "το έγγραφο δεν γράφτηκε και δεν άλλαξε τίποτα. Ελέγξτε τον φάκελο και "
                                "δοκιμάστε ξανά.")
                     .arg(folder, path));
        QCOMPARE(readFile(moved + QStringLiteral("/report.doc")), earlierBytes);
        QCOMPARE(filesIn(moved), QStringList{QStringLiteral("report.doc")});
        QCOMPARE(readFile(theirs + QStringLiteral("/report.doc")), QByteArray("ένα έγγραφο άλλου χρήστη"));
        QCOMPARE(filesIn(theirs), QStringList{QStringLiteral("report.doc")});
        if (put == "folder")
            QCOMPARE(filesIn(folder), QStringList());
    }

    // What stands at the name and is no document is told as what it is, and
    // a file on a disk that is read-only as a whole is told as such: another
    // name would not help there.
    void whatStandsAtTheName_data() {
        QTest::addColumn<QString>("standing"); // "socket", "FIFO", "read-only disk"
        QTest::addColumn<QString>("said");     // {path} stands for the path
        const QString special =
            QStringLiteral("Στη θέση του αρχείου «{path}» υπάρχει %1, όχι έγγραφο, και δεν "
                           "αντικαθίσταται. Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.");
        QTest::newRow("a socket") << "socket"
                                  << special.arg(
                                         QStringLiteral("υποδοχή επικοινωνίας προγραμμάτων (socket)"));
        QTest::newRow("a FIFO") << "FIFO"
                                << special.arg(QStringLiteral("σωλήνωση επικοινωνίας προγραμμάτων (FIFO)"));
        QTest::newRow("a file on a read-only disk")
            << "read-only disk"
            << QStringLiteral("Το αρχείο «{path}» δεν αποθηκεύτηκε: ο δίσκος είναι μόνο για ανάγνωση.");
    }
    void whatStandsAtTheName() {
        QFETCH(QString, standing);
        QFETCH(QString, said);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("report.doc"));
        std::optional<testsupport::BindMount> mount;
        int socket = -1;
        if (standing == "socket") {
            socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(path);
            QVERIFY(size_t(name.size()) < sizeof address.sun_path);
            std::memcpy(address.sun_path, name.constData(), name.size());
            QCOMPARE(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        } else if (standing == "FIFO") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
        } else {
            writeFile(path, earlierBytes);
            mount.emplace(dir.path(), dir.filePath(QStringLiteral("κλειδωμένος")), true);
            if (!mount->refusal.isEmpty())
                QSKIP(qPrintable(mount->refusal));
            path = dir.filePath(QStringLiteral("κλειδωμένος/report.doc"));
        }
        const QStringList before = filesIn(dir.path());

        const QString shown = failureOf([&] { office::checkSave(path, office::Installation{}); });

        QCOMPARE(shown, said.replace(QStringLiteral("{path}"), path));
        QCOMPARE(filesIn(dir.path()), before);
        if (socket >= 0)
            ::close(socket);
    }
};

QTEST_GUILESS_MAIN(SaveTargetTest)
#include "test_save_target.moc"
