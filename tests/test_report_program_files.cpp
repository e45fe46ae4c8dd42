// A report is never written over a file of the program's own, nor among them:
// named like one of its templates, reference documents, help programs or the
// program itself, or as a new file in one of its data folders, reached
// directly, through "..", through a link, a hard link or a bind mount, it is
// refused with a message, and the save-as window and the study stay as they
// were so the user can pick another name or folder.
#include <QtTest>

#include <QElapsedTimer>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

#include "docx_reader.h"
#include "file_contents.h"
#include "file_faults.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"

using testsupport::filesIn;
using testsupport::readFile;

namespace {

// The folder chosen and the name typed that reach `file` (a path in the program
// folder) along `route`: chosen in its own folder, through "..", through a link
// to its folder, as a link or a hard link of the user's to it, or through a
// bind mount of its folder (which `mount` then holds; skipped where none can be
// made).
void routeTo(const QString& file, const QString& route, const QString& reports, QString& folder,
             QString& name, std::optional<testsupport::BindMount>& mount) {
    const QFileInfo info(file);
    folder = info.absolutePath();
    name = info.completeBaseName();
    if (route == "bind mount") {
        folder = reports + QStringLiteral("/κοινόχρηστος");
        mount.emplace(info.absolutePath(), folder);
        if (!mount->refusal.isEmpty())
            QSKIP(qPrintable(mount->refusal));
    } else if (route == "hard link") {
        folder = reports;
        name = QStringLiteral("δική μου");
        QCOMPARE(::link(QFile::encodeName(file).constData(),
                        QFile::encodeName(reports + u'/' + name + ".doc").constData()),
                 0);
    } else if (route == "through ..") {
        folder = reports + u'/' + QDir(reports).relativeFilePath(info.absolutePath());
        QVERIFY(folder.contains(QStringLiteral("/../")));
    } else if (route == "folder link") {
        folder = reports + QStringLiteral("/πρότυπα");
        QVERIFY(QFile::link(info.absolutePath(), folder));
    } else if (route == "file link") {
        folder = reports;
        name = QStringLiteral("δική μου");
        QVERIFY(QFile::link(file, reports + u'/' + name + ".doc"));
    }
}

// Whether the route's folder is the user's own (a link or a hard link of the
// user's lies in it), not the program's file's folder.
bool userFolder(const QString& route) {
    return route == "file link" || route == "hard link";
}

} // namespace

class ReportProgramFilesTest : public QObject {
    Q_OBJECT

    // "Create report" with the folder and the name given: refused with a message
    // that says `said`, nothing written anywhere, the save-as window as it was;
    // then another name in the same window makes the report and still leaves
    // every file of the program as it was. Where the folder is one of the
    // program's, another name there is refused too, and the report is made in
    // the user's folder.
    void refusedThenWritten(testsupport::ReportProgram& program, testsupport::Session& session,
                            const QString& folder, const QString& name, const QString& said,
                            const QString& program_file, const QString& programFolder = QString()) {
        forms::show(QStringLiteral("Form2"));
        forms::get<Form2>()->next_to_word->click();
        browse* window = forms::get<browse>();
        QVERIFY(window->Dir1->setPath(folder));
        window->Text1->setText(name);
        const QString chosenFolder = window->Dir1->path();
        const auto templatesBefore = program.templateBytes();
        const auto programFilesBefore = program.programFiles();
        const QStringList wordsBefore = filesIn(program.words);
        const QStringList reportsBefore = filesIn(program.reports);
        const QByteArray programFileBefore = readFile(program_file);

        window->create_report->click();
        session.settle();

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(
                     QStringLiteral("Η αναφορά «%1/%2.doc» δεν δημιουργήθηκε.\n").arg(chosenFolder, name)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(said), qPrintable(shown.text));
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(program.programFiles(), programFilesBefore);
        QCOMPARE(readFile(program_file), programFileBefore);
        QCOMPARE(filesIn(program.words), wordsBefore);
        QCOMPARE(filesIn(program.reports), reportsBefore);
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(forms::get<browse>(), window);
        QCOMPARE(window->Dir1->path(), chosenFolder);
        QCOMPARE(window->Text1->text(), name);
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);

        // Another name in the same window makes the report, and still leaves the
        // files of the program as they were; among them, only in a folder of the user's.
        window->Text1->setText(QStringLiteral("Μελέτη Πάτρας"));
        QString reportFolder = chosenFolder;
        if (!programFolder.isEmpty()) {
            window->create_report->click();
            session.settle();
            QCOMPARE(session.messages.shown.size(), 2);
            QCOMPARE(
                session.messages.shown.back().text,
                QStringLiteral("Η αναφορά «%1/Μελέτη Πάτρας.doc» δεν δημιουργήθηκε.\nΟ φάκελος «%2» είναι "
                               "φάκελος του προγράμματος και δεν αποθηκεύεται σε αυτόν κανένα έγγραφο. "
                               "Επιλέξτε άλλο φάκελο.")
                    .arg(chosenFolder, programFolder));
            QCOMPARE(program.programFiles(), programFilesBefore);
            QCOMPARE(filesIn(program.reports), reportsBefore);
            QVERIFY(forms::isVisible(QStringLiteral("browse")));
            reportFolder = program.reports;
            QVERIFY(window->Dir1->setPath(reportFolder));
        }
        const qsizetype messagesBefore = session.messages.shown.size();
        window->create_report->click();
        session.settle();
        QVERIFY2(session.messages.shown.size() == messagesBefore, testsupport::listed(session.messages));
        const QString report = reportFolder + QStringLiteral("/Μελέτη Πάτρας.doc");
        QCOMPARE(session.desktop.opened, QStringList{report});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
        auto templatesAfter = program.templateBytes();
        templatesAfter.remove(QStringLiteral("perigrafh.doc")); // rewritten by every report
        auto expected = templatesBefore;
        expected.remove(QStringLiteral("perigrafh.doc"));
        QCOMPARE(templatesAfter, expected);
        auto programFilesAfter = program.programFiles();
        auto expectedFiles = programFilesBefore;
        for (auto* files : {&programFilesAfter, &expectedFiles}) {
            files->remove(program.templatePath(QStringLiteral("perigrafh.doc")));
        }
        QCOMPARE(programFilesAfter, expectedFiles);
    }

private slots:
    void templatesAreNeverReplaced_data() {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("route");
        for (const QString& name : testsupport::reportTemplates)
            for (const char* route :
                 {"words folder", "through ..", "folder link", "file link", "hard link", "bind mount"})
                QTest::addRow("%s, %s", qPrintable(name), route) << name << QString::fromLatin1(route);
    }
    void templatesAreNeverReplaced() {
        QFETCH(QString, templateName);
        QFETCH(QString, route);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        QString folder, name;
        std::optional<testsupport::BindMount> mount;
        routeTo(program.templatePath(templateName), route, program.reports, folder, name, mount);
        refusedThenWritten(
            program, session, folder, name,
            QStringLiteral("«%1» είναι πρότυπο του προγράμματος").arg(program.templatePath(templateName)),
            program.templatePath(templateName), userFolder(route) ? QString() : program.words);
        if (route == "file link")
            QVERIFY(QFileInfo(program.reports + u'/' + name + ".doc").isSymLink());
    }

    // The reference documents, the workbook template, the help programs and the
    // program itself are no more replaceable than the templates.
    void programFilesAreNeverReplaced_data() {
        QTest::addColumn<QString>("file"); // in the program folder; "program": the program itself
        QTest::addColumn<QString>("route");
        QTest::newRow("K.52 document, named in files/") << "files/odhgia_K52_ITU.doc"
                                                        << "own folder";
        QTest::newRow("K.52 document, through ..") << "files/odhgia_K52_ITU.doc"
                                                   << "through ..";
        QTest::newRow("K.52 document, folder link") << "files/odhgia_K52_ITU.doc"
                                                    << "folder link";
        QTest::newRow("K.52 document, bind mount") << "files/odhgia_K52_ITU.doc"
                                                   << "bind mount";
        QTest::newRow("a reference PDF, hard link") << "files/fek1666.pdf"
                                                    << "hard link";
        QTest::newRow("a reference PDF, file link") << "files/fek1666.pdf"
                                                    << "file link";
        QTest::newRow("workbook template, file link") << "excel_print/Radiation_report.XLS"
                                                      << "file link";
        QTest::newRow("a help program, file link") << "exes/studydesk"
                                                   << "file link";
        QTest::newRow("the program, file link") << "program"
                                                << "file link";
    }
    void programFilesAreNeverReplaced() {
        QFETCH(QString, file);
        QFETCH(QString, route);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString path =
            file == "program" ? QCoreApplication::applicationFilePath() : program.folder + u'/' + file;
        QVERIFY(QFileInfo(path).isFile());
        QString folder, name;
        std::optional<testsupport::BindMount> mount;
        routeTo(path, route, program.reports, folder, name, mount);
        const bool inItsFolder = !userFolder(route) && file != "program";
        refusedThenWritten(program, session, folder, name,
                           QStringLiteral("«%1» είναι αρχείο του προγράμματος").arg(path), path,
                           inItsFolder ? QFileInfo(path).absolutePath() : QString());
    }

    // A new name in one of the program's data folders: were the report written
    // there, it would be taken for a file of the program from then on, and the
    // next report of that name refused.
    void noReportJoinsTheProgramsFiles_data() {
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("route");
        for (const QString& data : testsupport::programDataFolders)
            for (const char* route : {"its own path", "bind mount"})
                QTest::addRow("%s, %s", qPrintable(data), route) << data << QString::fromLatin1(route);
    }
    void noReportJoinsTheProgramsFiles() {
        QFETCH(QString, dataFolder);
        QFETCH(QString, route);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString data = program.folder + u'/' + dataFolder;
        QString folder = data;
        std::optional<testsupport::BindMount> mount;
        if (route == "bind mount") {
            folder = program.reports + QStringLiteral("/κοινόχρηστος");
            mount.emplace(data, folder);
            if (!mount->refusal.isEmpty())
                QSKIP(qPrintable(mount->refusal));
        }
        const QStringList before = filesIn(data);
        refusedThenWritten(program, session, folder, QStringLiteral("νέα μελέτη"),
                           QStringLiteral("Ο φάκελος «%1» είναι φάκελος του προγράμματος").arg(data),
                           QString(), data);
        QCOMPARE(filesIn(data), before);
    }

    // The program's words/ folder shows itself inside itself, over and over:
    // bound into a folder of its own sixteen times, each time with every mount
    // made before, so that a walk entering each folder it meets would go
    // through 65,536 copies of it. A file of the program there is still told
    // by the name it has in words/, and a report is made as quickly as ever.
    void aDataFolderShownInsideItself() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString note = program.templatePath(QStringLiteral("σημειώσεις.txt"));
        testsupport::writeFile(note, "σημειώσεις του προγράμματος");
        const QString mine = program.reports + QStringLiteral("/δική μου.doc");
        QCOMPARE(::link(QFile::encodeName(note).constData(), QFile::encodeName(mine).constData()), 0);
        testsupport::writeFile(program.reports + QStringLiteral("/Μελέτη Πάτρας.doc"),
                               "η αναφορά της περασμένης εβδομάδας");
        // The save-as window lists the mounted file systems as it opens: opened
        // first, it need not read all the mounts below.
        browse* window = testsupport::saveAsWindow(program.reports, QStringLiteral("δική μου"));
        std::vector<std::unique_ptr<testsupport::BindMount>> mounts;
        for (int i = 1; i <= 16; ++i) {
            mounts.push_back(std::make_unique<testsupport::BindMount>(
                program.words, program.words + QStringLiteral("/x%1").arg(i), false, true));
            if (!mounts.back()->refusal.isEmpty())
                QSKIP(qPrintable(mounts.back()->refusal));
        }

        QElapsedTimer clock;
        clock.start();
        window->create_report->click();
        session.settle();
        const qint64 refused = clock.restart();
        QCOMPARE(session.messages.shown.size(), 1);
        QVERIFY2(session.messages.shown.front().text.contains(
                     QStringLiteral("Το αρχείο «%1» είναι αρχείο του προγράμματος").arg(note)),
                 testsupport::listed(session.messages));
        QCOMPARE(readFile(note), QByteArray("σημειώσεις του προγράμματος"));

        window->Text1->setText(QStringLiteral("Μελέτη Πάτρας"));
        window->create_report->click();
        session.settle();
        const qint64 written = clock.elapsed();
        QCOMPARE(session.messages.shown.size(), 1);
        QVERIFY(testsupport::DocxReader(program.reports + QStringLiteral("/Μελέτη Πάτρας.doc"))
                    .body()
                    .contains(testsupport::studyDescription));
        qInfo("refused in %lld ms, written in %lld ms", refused, written);
        QVERIFY2(refused < 2000 && written < 2000,
                 qPrintable(QStringLiteral("%1 ms, %2 ms").arg(refused).arg(written)));
    }

    // A share is mounted inside files/, and mounted again in the user's folder:
    // a report named like one of the share's files reaches, by that second
    // route, a file of the program's on a device of its own, and is refused.
    void aShareMountedInsideADataFolderAndWhereTheUserSaves() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString share = program.folder + QStringLiteral("/files/κοινόχρηστο");
        const testsupport::TmpfsMount mounted(share);
        if (!mounted.refusal.isEmpty())
            QSKIP(qPrintable(mounted.refusal));
        const QString minutes = share + QStringLiteral("/πρακτικά.doc");
        const QByteArray minutesBytes = "τα πρακτικά της ομάδας";
        testsupport::writeFile(minutes, minutesBytes);
        const QString again = program.reports + QStringLiteral("/κοινόχρηστο");
        const testsupport::BindMount mountedAgain(share, again);
        if (!mountedAgain.refusal.isEmpty())
            QSKIP(qPrintable(mountedAgain.refusal));

        browse* window = testsupport::saveAsWindow(again, QStringLiteral("πρακτικά"));
        window->create_report->click();
        session.settle();

        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.messages.shown.front().text,
                 QStringLiteral("Η αναφορά «%1/πρακτικά.doc» δεν δημιουργήθηκε.\nΤο αρχείο «%2» είναι αρχείο "
                                "του προγράμματος και δεν αντικαθίσταται. Δώστε άλλο όνομα ή επιλέξτε άλλο "
                                "φάκελο.")
                     .arg(again, minutes));
        QCOMPARE(readFile(minutes), minutesBytes);
        QCOMPARE(filesIn(share), QStringList{QStringLiteral("πρακτικά.doc")});
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
    }

    // Every user of a shared installation may write its words/ folder, since
    // every report rewrites the description template there. Another user puts
    // a link in the template's place, to an earlier report of this user's: the
    // template is written only as its own name, so the link is never followed,
    // the report is refused with a message naming the link, and the earlier
    // report stays byte for byte as it was.
    void aLinkInPlaceOfTheDescriptionTemplate() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        const QTemporaryDir archive;
        testsupport::typeStudy();
        const QString descriptionTemplate = program.templatePath(QStringLiteral("perigrafh.doc"));
        const QString earlierReport = archive.filePath(QStringLiteral("Πάτρα, τελική.doc"));
        QVERIFY(QFile::copy(program.templatePath(QStringLiteral("eisagwgh.doc")), earlierReport));
        const QByteArray earlierBytes = readFile(earlierReport);
        QVERIFY(QFile::remove(descriptionTemplate));
        testsupport::makeLink(earlierReport, descriptionTemplate);
        const auto programFilesBefore = program.programFiles();

        browse* window = testsupport::saveAsWindow(program.reports);
        int writes = 0;
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString&) {
                writes += step == office::DiskStep::Write;
                return 0;
            });
            window->create_report->click();
            session.settle();
        }

        QCOMPARE(writes, 0); // refused before anything of the report is built
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(
            session.messages.shown.front().text,
            QStringLiteral("Η αναφορά «%1/Μελέτη Πάτρας.doc» δεν δημιουργήθηκε.\nΣτη θέση του αρχείου «%2» "
                           "υπάρχει σύνδεσμος, που δεν ακολουθείται: το αρχείο γράφεται μόνο με το δικό "
                           "του όνομα, για να μη γραφτεί ποτέ πάνω σε άλλο αρχείο. Αφαιρέστε τον "
                           "σύνδεσμο και βάλτε στη θέση του το αρχείο.")
                .arg(program.reports, descriptionTemplate));
        QCOMPARE(readFile(earlierReport), earlierBytes);
        QCOMPARE(testsupport::linkText(descriptionTemplate), earlierReport);
        QCOMPARE(program.programFiles(), programFilesBefore);
        QCOMPARE(filesIn(program.reports), QStringList());
        QCOMPARE(filesIn(archive.path()), QStringList{QStringLiteral("Πάτρα, τελική.doc")});
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(testsupport::studyChanged(), QString());
    }

    // A report of the user's that lies in the program's own folder is the
    // user's: a new report replaces it.
    void aReportInTheProgramsFolderIsReplaced() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString report = program.folder + QStringLiteral("/Μελέτη Πάτρας.doc");
        QFile earlier(report);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("η αναφορά της περασμένης εβδομάδας");
        earlier.close();
        const auto programFilesBefore = program.programFiles();
        forms::show(QStringLiteral("Form2"));
        forms::get<Form2>()->next_to_word->click();
        browse* window = forms::get<browse>();
        QVERIFY(window->Dir1->setPath(program.folder));
        window->Text1->setText(QStringLiteral("Μελέτη Πάτρας"));
        window->create_report->click();
        session.settle();
        QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
        QCOMPARE(session.desktop.opened, QStringList{report});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        auto programFilesAfter = program.programFiles();
        auto expected = programFilesBefore;
        programFilesAfter.remove(program.templatePath(QStringLiteral("perigrafh.doc")));
        expected.remove(program.templatePath(QStringLiteral("perigrafh.doc")));
        QCOMPARE(programFilesAfter, expected);
    }
};

QTEST_MAIN(ReportProgramFilesTest)
#include "test_report_program_files.moc"
