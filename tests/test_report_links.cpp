// A link of the user's stands at the report's path: as a word processor does,
// the report is written into the file the link names, as the system resolves
// it, and the link stays, naming it. Where that file may not be replaced
// (read-only, a template), or cannot be reached, the report is refused as it
// would be at the file's own path. A link of another user's in a shared folder
// is not followed, and a name changed while the report is built is not
// replaced, nor a folder moved away and replaced.
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "docx_reader.h"
#include "file_contents.h"
#include "file_faults.h"
#include "platform/office/ooxml.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "study_test.h"

using testsupport::filesIn;
using testsupport::readFile;
using testsupport::writeFile;

class ReportLinksTest : public QObject {
    Q_OBJECT
private slots:
    void theLinkKeepsNamingTheReport_data() {
        QTest::addColumn<QString>("link");    // the link at the report's path: what it holds
        QTest::addColumn<QString>("between"); // a link the chain passes through, or empty
        QTest::newRow("absolute link") << "absolute" << QString();
        QTest::newRow("relative link") << "relative" << QString();
        QTest::newRow("link to a link") << "absolute"
                                        << "ενδιάμεσος.doc";
    }
    void theLinkKeepsNamingTheReport() {
        QFETCH(QString, link);
        QFETCH(QString, between);
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir archive; // where the user keeps the report the link names
        testsupport::typeStudy();
        const QString named = archive.filePath(QStringLiteral("Πάτρα, τελική.doc"));
        const QByteArray earlier = "η αναφορά της περασμένης εβδομάδας";
        writeFile(named, earlier);
        const QString report = program.reports + u'/' + testsupport::reportName + ".doc";
        QString target = link == "relative" ? QDir(program.reports).relativeFilePath(named) : named;
        if (!between.isEmpty()) {
            QVERIFY(QFile::link(target, archive.filePath(between)));
            target = archive.filePath(between);
        }
        QVERIFY(QFile::link(target, report));
        const QString linked = QFile::symLinkTarget(report);
        const QStringList archiveBefore = filesIn(archive.path());

        browse* window = testsupport::saveAsWindow(program.reports);
        window->create_report->click();
        session.settle();

        QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
        QVERIFY(QFileInfo(report).isSymLink());
        QCOMPARE(QFile::symLinkTarget(report), linked);
        QVERIFY(testsupport::DocxReader(named).body().contains(testsupport::studyDescription));
        QCOMPARE(filesIn(program.reports), QStringList{testsupport::reportName + ".doc"});
        QCOMPARE(filesIn(archive.path()), archiveBefore);
        QCOMPARE(session.desktop.opened.size(), 1);
        QCOMPARE(readFile(session.desktop.opened.front()), readFile(named));
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
    }

    // What the link names cannot be replaced: refused before anything is
    // written, the link and its file as they were.
    void aLinkToAFileThatStaysIsRefused_data() {
        QTest::addColumn<QString>("named"); // "read-only report", or a name in words/
        QTest::addColumn<QString>("said");
        QTest::newRow("a read-only report") << "read-only report"
                                            << "είναι μόνο για ανάγνωση και δεν αντικαθίσταται";
        QTest::newRow("a template") << "eisagwgh.doc"
                                    << "είναι πρότυπο του προγράμματος";
        QTest::newRow("a new name in words/") << "νέα μελέτη.doc"
                                              << "είναι φάκελος του προγράμματος";
    }
    void aLinkToAFileThatStaysIsRefused() {
        QFETCH(QString, named);
        QFETCH(QString, said);
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir archive;
        testsupport::typeStudy();
        QString target = program.templatePath(named);
        if (named == "read-only report") {
            target = archive.filePath(QStringLiteral("κλειδωμένη.doc"));
            writeFile(target, "η αναφορά της περασμένης εβδομάδας");
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        const QByteArray before = readFile(target);
        const QString report = program.reports + u'/' + testsupport::reportName + ".doc";
        QVERIFY(QFile::link(target, report));
        const auto templatesBefore = program.templateBytes();

        browse* window = testsupport::saveAsWindow(program.reports);
        window->create_report->click();
        session.settle();

        QCOMPARE(session.messages.shown.size(), 1);
        QVERIFY2(session.messages.shown.front().text.contains(said), testsupport::listed(session.messages));
        QCOMPARE(QFile::symLinkTarget(report), target);
        QCOMPARE(readFile(target), before);
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(filesIn(program.words), testsupport::reportTemplates);
        QCOMPARE(filesIn(program.reports), QStringList{testsupport::reportName + ".doc"});
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
    }

    // The link's text is resolved from the link's own folder by the system,
    // ".." included: the report goes into the file that the system finds at the
    // link's text, or, where the system finds none because a folder on the way
    // is missing or closed, is refused with a message naming that folder and
    // the link. Every other file stays as it was, byte for byte.
    void aLinkIsResolvedAsTheSystemResolvesIt_data() {
        QTest::addColumn<QString>("text");    // the link's text; {archive}, {program} stand for folders
        QTest::addColumn<QString>("written"); // the file, in the archive, that holds the report; or empty
        QTest::addColumn<QString>("said");    // what the message says after its first line; or empty
        QTest::newRow("through a linked folder and ..") << "d/../άλλη.doc"
                                                        << "βαθιά/a/b/άλλη.doc" << QString();
        QTest::newRow("to a read-only report through a missing folder")
            << "{archive}/λείπει/../κλειδωμένη.doc" << QString()
            << "Ο σύνδεσμος «{report}» οδηγεί στον φάκελο «{archive}/λείπει», όπου δεν μπορεί να "
               "αποθηκευτεί το αρχείο: ο φάκελος δεν υπάρχει.";
        QTest::newRow("to the program through a missing folder")
            << "{programFolder}/λείπει/../{programName}" << QString()
            << "Ο σύνδεσμος «{report}» οδηγεί στον φάκελο «{programFolder}/λείπει», όπου δεν μπορεί "
               "να αποθηκευτεί το αρχείο: ο φάκελος δεν υπάρχει.";
        QTest::newRow("into a folder no one may write") << "{archive}/κλειστός/νέα.doc" << QString()
                                                        << "Ο σύνδεσμος «{report}» οδηγεί στον φάκελο "
                                                           "«{archive}/κλειστός», όπου δεν μπορεί να "
                                                           "αποθηκευτεί το αρχείο: δεν επιτρέπεται η "
                                                           "εγγραφή στον φάκελο.";
        QTest::newRow("a circle of links") << "{reports}/κύκλος.doc" << QString()
                                           << "Το αρχείο «{report}» δεν αποθηκεύτηκε: η διαδρομή περνά από "
                                              "πάρα πολλούς συνδέσμους στη σειρά ή από συνδέσμους που "
                                              "δείχνουν ο ένας στον άλλον.";
    }
    void aLinkIsResolvedAsTheSystemResolvesIt() {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QFETCH(QString, said);
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir archive;
        testsupport::typeStudy();
        const QString report = program.reports + u'/' + testsupport::reportName + ".doc";
        // d, beside the report, names a folder three deep in the archive; a
        // document of the user's of the same name lies beside d and two
        // folders up from what d names, a read-only one in the archive.
        QVERIFY(QDir().mkpath(archive.filePath(QStringLiteral("βαθιά/a/b/c"))));
        QVERIFY(QFile::link(archive.filePath(QStringLiteral("βαθιά/a/b/c")), program.reports + "/d"));
        writeFile(program.reports + QStringLiteral("/άλλη.doc"), "ένα άλλο έγγραφο του χρήστη");
        writeFile(archive.filePath(QStringLiteral("βαθιά/a/b/άλλη.doc")),
                  "η αναφορά της περασμένης εβδομάδας");
        const QString locked = archive.filePath(QStringLiteral("κλειδωμένη.doc"));
        writeFile(locked, "μια αναφορά μόνο για ανάγνωση");
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(QDir().mkpath(archive.filePath(QStringLiteral("κλειστός"))));
        const testsupport::ReadOnlyFolder closed(archive.filePath(QStringLiteral("κλειστός")));
        if (!closed.ok)
            QSKIP("no folder here can be closed to writing");
        QVERIFY(QFile::link(report, program.reports + QStringLiteral("/κύκλος.doc")));
        const QFileInfo theProgram(QCoreApplication::applicationFilePath());
        for (QString* placed : {&text, &said})
            placed->replace("{archive}", archive.path())
                .replace("{programFolder}", theProgram.absolutePath())
                .replace("{programName}", theProgram.fileName())
                .replace("{reports}", program.reports)
                .replace("{report}", report);
        testsupport::makeLink(text, report);

        QMap<QString, QByteArray> before;
        for (const QString& folder : {program.reports, archive.path() + "/βαθιά/a/b", archive.path()})
            for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::NoSymLinks))
                before.insert(folder + u'/' + name, readFile(folder + u'/' + name));
        before.insert(theProgram.filePath(), readFile(theProgram.filePath()));
        const auto programFilesBefore = program.programFiles();

        browse* window = testsupport::saveAsWindow(program.reports);
        window->create_report->click();
        session.settle();

        QCOMPARE(testsupport::linkText(report), text);
        QCOMPARE(program.programFiles().size(), programFilesBefore.size());
        auto after = before;
        for (auto file = after.begin(); file != after.end(); ++file)
            *file = readFile(file.key());
        if (said.isEmpty()) {
            QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
            const QString named = archive.filePath(written);
            QVERIFY(readFile(named) != before.value(named));
            QVERIFY(testsupport::DocxReader(named).body().contains(testsupport::studyDescription));
            QCOMPARE(session.desktop.opened.size(), 1);
            after.remove(named);
            before.remove(named);
        } else {
            QCOMPARE(session.messages.shown.size(), 1);
            const QString shown = session.messages.shown.front().text;
            QVERIFY2(shown == QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\n%2").arg(report, said),
                     qPrintable(shown));
            QVERIFY(forms::isVisible(QStringLiteral("browse")));
        }
        QCOMPARE(after, before);
        QCOMPARE(filesIn(archive.filePath(QStringLiteral("κλειστός"))), QStringList());
    }

    // A shared folder that everybody may write and that keeps its files to
    // their owners (sticky): the system follows a link there only when it is the
    // user's own or the folder owner's, so that nobody can lead another user's
    // save onto a file of that user's. The report follows the same rule.
    void aLinkInASharedFolder_data() {
        QTest::addColumn<bool>("sticky");       // the folder keeps its files to their owners
        QTest::addColumn<bool>("foldersOwner"); // the folder belongs to the other user
        QTest::addColumn<bool>("othersLink");   // the link belongs to the other user
        QTest::addColumn<bool>("followed");
        QTest::newRow("another user's link") << true << false << true << false;
        QTest::newRow("the folder owner's link") << true << true << true << true;
        QTest::newRow("the user's own link") << true << true << false << true;
        QTest::newRow("another user's link, folder not sticky") << false << false << true << true;
    }
    void aLinkInASharedFolder() {
        QFETCH(bool, sticky);
        QFETCH(bool, foldersOwner);
        QFETCH(bool, othersLink);
        QFETCH(bool, followed);
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir archive;
        testsupport::typeStudy();
        constexpr uid_t otherUser = 54321;
        const QString shared = program.reports + QStringLiteral("/κοινόχρηστος");
        QVERIFY(QDir().mkdir(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), sticky ? 01777 : 0777), 0);
        const QString mine = archive.filePath(QStringLiteral("δική μου.doc"));
        const QByteArray earlier = "ένα έγγραφο του χρήστη";
        writeFile(mine, earlier);
        const QString report = shared + u'/' + testsupport::reportName + ".doc";
        testsupport::makeLink(mine, report);
        if (othersLink && ::lchown(QFile::encodeName(report).constData(), otherUser, otherUser) != 0)
            QSKIP("a link of another user's cannot be made here: only the superuser may give one away");
        if (foldersOwner && ::chown(QFile::encodeName(shared).constData(), otherUser, otherUser) != 0)
            QSKIP("a folder of another user's cannot be made here: only the superuser may give one away");

        browse* window = testsupport::saveAsWindow(shared);
        window->create_report->click();
        session.settle();

        QCOMPARE(testsupport::linkText(report), mine);
        if (followed) {
            QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
            QVERIFY(testsupport::DocxReader(mine).body().contains(testsupport::studyDescription));
        } else {
            QCOMPARE(session.messages.shown.size(), 1);
            QCOMPARE(session.messages.shown.front().text,
                     QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\nΟ σύνδεσμος «%1» ανήκει σε άλλον "
                                    "χρήστη και βρίσκεται σε κοινόχρηστο φάκελο, όπου μπορούν να γράψουν "
                                    "όλοι: δεν ακολουθείται, γιατί θα μπορούσε να οδηγήσει το έγγραφο πάνω "
                                    "σε οποιοδήποτε αρχείο σας. Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                         .arg(report));
            QCOMPARE(readFile(mine), earlier);
            QVERIFY(forms::isVisible(QStringLiteral("browse")));
        }
        QCOMPARE(filesIn(shared), QStringList{testsupport::reportName + ".doc"});
        QCOMPARE(filesIn(archive.path()), QStringList{QStringLiteral("δική μου.doc")});
    }

    // While the report is being built, another user of the folder puts
    // something else at the report's name: a link to a template in place of the
    // earlier report, a link where nothing was, another file. The report goes
    // into the folder and name it checked, or nowhere: one message, and the
    // template, the earlier report and what was put there stay as they were.
    void aNameChangedWhileTheReportIsBuilt_data() {
        QTest::addColumn<bool>("earlier"); // an earlier report stood at the name
        QTest::addColumn<QString>("put");  // "link to a template" or "another file"
        QTest::newRow("the earlier report swapped for a link to a template") << true << "link to a template";
        QTest::newRow("a link to a template where nothing was") << false << "link to a template";
        QTest::newRow("the earlier report swapped for another file") << true << "another file";
    }
    void aNameChangedWhileTheReportIsBuilt() {
        QFETCH(bool, earlier);
        QFETCH(QString, put);
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir aside; // where the other user moves the earlier report
        testsupport::typeStudy();
        const QString report = program.reports + u'/' + testsupport::reportName + ".doc";
        const QString earlierReport = aside.filePath(QStringLiteral("προηγούμενη.doc"));
        const QByteArray earlierBytes = "η αναφορά της περασμένης εβδομάδας";
        const QByteArray otherBytes = "ένα έγγραφο άλλου χρήστη";
        if (earlier)
            writeFile(report, earlierBytes);
        const QString aTemplate = program.templatePath(QStringLiteral("eisagwgh.doc"));
        const auto templatesBefore = program.templateBytes();
        browse* window = testsupport::saveAsWindow(program.reports);

        int writes = 0;
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString&) {
                if (step != office::DiskStep::Write || ++writes != 1)
                    return 0;
                // At the draft's first write, long after the checks.
                if (earlier)
                    QFile::rename(report, earlierReport);
                if (put == "another file")
                    writeFile(report, otherBytes);
                else
                    testsupport::makeLink(aTemplate, report);
                return 0;
            });
            window->create_report->click();
            session.settle();
        }

        QVERIFY(writes > 1);
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.messages.shown.front().text,
                 QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\nΣτη θέση του αρχείου «%1» μπήκε, όσο "
                                "γραφόταν το έγγραφο, άλλο αρχείο ή σύνδεσμος, από άλλο πρόγραμμα ή άλλον "
                                "χρήστη: δεν αντικαταστάθηκε και δεν άλλαξε τίποτα. Ελέγξτε τον φάκελο και "
                                "δοκιμάστε ξανά.")
                     .arg(report));
        auto templatesAfter = program.templateBytes();
        auto expected = templatesBefore;
        for (auto* templates : {&templatesAfter, &expected})
            templates->remove(QStringLiteral("perigrafh.doc")); // rewritten by every report
        QCOMPARE(templatesAfter, expected);
        if (put == "another file")
            QCOMPARE(readFile(report), otherBytes);
        else
            QCOMPARE(testsupport::linkText(report), aTemplate);
        if (earlier)
            QCOMPARE(readFile(earlierReport), earlierBytes);
        QCOMPARE(filesIn(program.reports), QStringList{testsupport::reportName + ".doc"});
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(testsupport::studyChanged(), QString());
    }

    // While the report is being built, another user moves the report's folder
    // away and puts something in its place: a link to a folder holding a
    // document of that user's of the report's name, or a new folder. The path
    // the user named no longer leads to the folder checked: the report is
    // refused with one message, and nothing is written or opened; the earlier
    // report, where it now is, and the other user's document stay as they were.
    void aFolderSwappedWhileTheReportIsBuilt_data() {
        QTest::addColumn<QString>("put"); // "link" or "folder"
        QTest::newRow("a link to another user's folder") << "link";
        QTest::newRow("a new folder") << "folder";
    }
    void aFolderSwappedWhileTheReportIsBuilt() {
        QFETCH(QString, put);
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir aside;  // where the other user moves the report's folder
        const QTemporaryDir theirs; // the other user's folder, where the link leads
        testsupport::typeStudy();
        const QString folder = program.reports + QStringLiteral("/έργα");
        QVERIFY(QDir().mkdir(folder));
        const QString name = testsupport::reportName + ".doc";
        const QByteArray earlierBytes = "η αναφορά της περασμένης εβδομάδας";
        writeFile(folder + u'/' + name, earlierBytes);
        const QString theirDocument = theirs.filePath(name);
        const QByteArray theirBytes = "ένα έγγραφο άλλου χρήστη";
        writeFile(theirDocument, theirBytes);
        const QString moved = aside.filePath(QStringLiteral("έργα"));
        browse* window = testsupport::saveAsWindow(folder);

        int writes = 0;
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString&) {
                if (step == office::DiskStep::Write && ++writes == 1 && // long after the checks
                    QFile::rename(folder, moved)) {
                    if (put == "link")
                        testsupport::makeLink(theirs.path(), folder);
                    else
                        QDir().mkdir(folder);
                }
                return 0;
            });
            window->create_report->click();
            session.settle();
        }

        const QString report = folder + u'/' + name;
        QVERIFY(writes > 1);
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.messages.shown.front().text,
                 QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\nΟ φάκελος «%2» μετακινήθηκε ή "
                                "αντικαταστάθηκε, ή η διαδρομή «%1» οδηγεί πια αλλού, όσο γραφόταν το "
                                "έγγραφο, από άλλο πρόγραμμα ή άλλον χρήστη: το έγγραφο δεν γράφτηκε και δεν "
                                "άλλαξε τίποτα. Ελέγξτε τον φάκελο και δοκιμάστε ξανά.")
                     .arg(report, folder));
        QVERIFY(session.desktop.opened.isEmpty());
        QCOMPARE(readFile(theirDocument), theirBytes);
        QCOMPARE(filesIn(theirs.path()), QStringList{name});
        QCOMPARE(readFile(moved + u'/' + name), earlierBytes);
        QCOMPARE(filesIn(moved), QStringList{name});
        if (put == "link")
            QCOMPARE(testsupport::linkText(folder), theirs.path());
        else
            QCOMPARE(filesIn(folder), QStringList());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(testsupport::studyChanged(), QString());
    }
};

QTEST_MAIN(ReportLinksTest)
#include "test_report_links.moc"
