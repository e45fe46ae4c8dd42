// What the user is told when "Create report" meets a damaged template, a words/
// folder that cannot be written, a disk that fails, or a desktop with no
// application for the finished report: a message in Greek, the program running,
// no report left half-written, and the study as it was typed.
#include <QtTest>

#include <sys/resource.h>

#include "app/application.h"
#include "docx_reader.h"
#include "file_contents.h"
#include "file_faults.h"
#include "package_files.h"
#include "peer_program.h"
#include "platform/office/ooxml.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"
#include "temp_folder.h"
#include "zip_bytes.h"

using testsupport::filesIn;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

using testsupport::reportName;
using testsupport::saveAsWindow;

// A single part whose directory claims `claimed` bytes once inflated.
QByteArray packageClaiming(const QByteArray& name, const QByteArray& data, quint64 claimed) {
    return testsupport::zipOf({testsupport::storedEntry(name, data, claimed)});
}

// A template of three parts that each inflate to 90 MB, below the bound of a
// part and far above that of a package together; the file itself is small.
QByteArray largeTogether() {
    const QByteArray types =
        "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/"
        "2006/content-types\"/>";
    QList<testsupport::ZipEntry> entries{
        testsupport::storedEntry("[Content_Types].xml", types, types.size())};
    const testsupport::ZipEntry large = testsupport::deflatedEntry("a.xml", QByteArray(90 << 20, ' '));
    for (const char* name : {"a.xml", "b.xml", "c.xml"}) {
        entries.append(large);
        entries.back().name = name;
    }
    return testsupport::zipOf(entries);
}

// A template whose body nests elements `depth` deep.
QByteArray nestedTemplate(const QString& from, int depth) {
    ooxml::Package package = testsupport::packageAt(from);
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document xmlns:w=\"http://schemas."
                     "openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
    xml +=
        QByteArray("<w:customXml>").repeated(depth) + "<w:p/>" + QByteArray("</w:customXml>").repeated(depth);
    xml += "</w:body></w:document>";
    package.setBytes(QStringLiteral("word/document.xml"), xml);
    return package.toBytes();
}

} // namespace

class ReportFailuresTest : public QObject {
    Q_OBJECT
private slots:
    void damagedTemplate_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("cause");
        const QString tooLarge = QStringLiteral("το τμήμα «[Content_Types].xml» είναι μεγαλύτερο από 256 MB");
        QTest::newRow("zip64 claim of 2^62 bytes") << "2^62"
                                                   << "eisagwgh.doc" << tooLarge;
        QTest::newRow("small package claiming 4 GB") << "4 GB"
                                                     << "oria_asfalous_ek8eshs.doc" << tooLarge;
        QTest::newRow("claim of 2^64 - 1 bytes") << "2^64-1"
                                                 << "eisagwgh.doc" << tooLarge;
        QTest::newRow("claim of fewer bytes than stored")
            << "short claim"
            << "oria_asfalous_ek8eshs_pinG1.doc"
            << QStringLiteral("το τμήμα «[Content_Types].xml» δεν διαβάζεται");
        const QString tooDeep = QStringLiteral("στοιχεία φωλιασμένα σε βάθος πάνω από 1000");
        QTest::newRow("body nested 200,000 deep") << "deep"
                                                  << "eisagwgh.doc" << tooDeep;
        QTest::newRow("tables template nested 200,000 deep") << "deep"
                                                             << "report_tables.doc" << tooDeep;
        QTest::newRow("three parts of 90 MB")
            << "large together"
            << "eisagwgh.doc" << QStringLiteral("τα τμήματά του είναι μαζί μεγαλύτερα από 256 MB");
    }
    void damagedTemplate() {
        QFETCH(QString, damage);
        QFETCH(QString, templateName);
        QFETCH(QString, cause);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString damaged = program.templatePath(templateName);
        const QByteArray types = "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/"
                                 "package/2006/content-types\"/>";
        const QByteArray typesName = "[Content_Types].xml";
        if (damage == "2^62")
            writeFile(damaged, packageClaiming(typesName, types, quint64(1) << 62));
        else if (damage == "4 GB")
            writeFile(damaged, packageClaiming(typesName, "<Types/>", 0xFFFFFFFEu));
        else if (damage == "2^64-1")
            writeFile(damaged, packageClaiming(typesName, types, ~quint64(0)));
        else if (damage == "short claim")
            writeFile(damaged, packageClaiming(typesName, types, 10));
        else if (damage == "deep")
            writeFile(damaged, nestedTemplate(damaged, 200000));
        else if (damage == "large together")
            writeFile(damaged, largeTogether());
        QVERIFY(QFileInfo(damaged).size() < 300 || damage == "deep" || damage == "large together");
        QElapsedTimer pressed;
        pressed.start();
        browse* window = saveAsWindow(program.reports);
        auto templatesBefore = program.templateBytes();

        window->create_report->click();
        session.settle();

        // Refused, not inflated: a damaged template keeps no one waiting.
        QVERIFY2(pressed.elapsed() < 5000, qPrintable(QString::number(pressed.elapsed())));
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        const QString report = program.reports + u'/' + reportName + ".doc";
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\n").arg(report)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(damaged) && shown.text.contains(cause), qPrintable(shown.text));
        QCOMPARE(filesIn(program.reports), QStringList());
        auto templatesAfter = program.templateBytes();
        if (templateName == "report_tables.doc") { // reached after the description was written
            templatesAfter.remove(QStringLiteral("perigrafh.doc"));
            templatesBefore.remove(QStringLiteral("perigrafh.doc"));
        }
        QCOMPARE(templatesAfter, templatesBefore);
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Text1->text(), reportName);
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);
    }

    // The disk fails one step of the report's saves: the n-th of its seven
    // writes (the first save, the description template, the saves after the
    // five appends), or the wait for the disk of the description template or
    // of the last save. Whenever the program
    // might stop, before the failure or at it, the report's path holds the
    // earlier report byte for byte; afterwards no file of the report is left, in
    // the user's folder, the program's or the temporary folder, and the user is
    // told the report was not written.
    void interruptedReportKeepsTheEarlierOne_data() {
        QTest::addColumn<int>("failingWrite");     // 0: every write succeeds
        QTest::addColumn<QString>("failingFlush"); // whose wait for the disk fails: "template", "report"
        QTest::addColumn<QString>("cause");
        const QString fullDisk = QStringLiteral("δεν υπάρχει ελεύθερος χώρος στον δίσκο");
        for (int n = 1; n <= 7; ++n)
            QTest::addRow("write %d of 7", n) << n << QString() << fullDisk;
        const QString ioError = QStringLiteral("ο δίσκος δεν ολοκλήρωσε την εγγραφή (σφάλμα εισόδου/εξόδου)");
        QTest::newRow("the wait for the disk at the description template") << 0 << "template" << ioError;
        QTest::newRow("the wait for the disk at the last save") << 0 << "report" << ioError;
    }
    void interruptedReportKeepsTheEarlierOne() {
        QFETCH(int, failingWrite);
        QFETCH(QString, failingFlush);
        QFETCH(QString, cause);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::TemporaryFolder temporary;
        testsupport::typeStudy();
        const QString report = program.reports + u'/' + reportName + ".doc";
        const QString descriptionTemplate = program.templatePath(QStringLiteral("perigrafh.doc"));
        const QString unflushed = failingFlush == "template" ? descriptionTemplate
                                  : failingFlush == "report" ? report
                                                             : QString();
        const QByteArray earlier = "η αναφορά της περασμένης εβδομάδας";
        writeFile(report, earlier);
        browse* window = saveAsWindow(program.reports);
        const QStringList wordsBefore = filesIn(program.words);
        const auto templatesBefore = program.templateBytes();

        int writes = 0;
        QStringList flushed;    // the files and folders waited for, in turn
        QStringList notEarlier; // the steps at which the path held anything else
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString& path) {
                if (step == office::DiskStep::Read)
                    return 0;
                if (readFile(report) != earlier)
                    notEarlier << path;
                if (step == office::DiskStep::Write)
                    return ++writes == failingWrite ? ENOSPC : 0;
                if (step != office::DiskStep::Flush)
                    return 0;
                flushed << path;
                return path == unflushed ? EIO : 0;
            });
            window->create_report->click();
            session.settle();
        }

        // The description template and the report wait for the disk, each
        // before its rename and for its folder after; the drafts do not.
        const QStringList waits = {descriptionTemplate, program.words, report};
        const bool templateRewritten = failingWrite > 5 || (failingWrite == 0 && failingFlush != "template");
        QCOMPARE(writes, failingWrite ? failingWrite : failingFlush == "template" ? 5 : 7);
        QCOMPARE(flushed, failingFlush == "template" ? waits.mid(0, 1)
                          : failingFlush == "report" ? waits
                          : templateRewritten        ? waits.mid(0, 2)
                                                     : QStringList());
        QCOMPARE(notEarlier, QStringList());
        QCOMPARE(readFile(report), earlier);
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QCOMPARE(filesIn(program.words), wordsBefore);
        QCOMPARE(QDir(temporary.path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        auto templatesAfter = program.templateBytes();
        if (templateRewritten) {
            templatesAfter.remove(QStringLiteral("perigrafh.doc"));
            auto expected = templatesBefore;
            expected.remove(QStringLiteral("perigrafh.doc"));
            QCOMPARE(templatesAfter, expected);
        } else {
            QCOMPARE(templatesAfter, templatesBefore);
        }

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\n").arg(report)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(cause) && !shown.text.contains(QStringLiteral("γράφτηκε")),
                 qPrintable(shown.text));
        if (!unflushed.isEmpty())
            QVERIFY2(shown.text.contains(QStringLiteral("«%1» δεν αποθηκεύτηκε").arg(unflushed)),
                     qPrintable(shown.text));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Text1->text(), reportName);
        QCOMPARE(window->Dir1->path(), program.reports);
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);

        // The same press with the disk sound writes the report in its place.
        window->create_report->click();
        session.settle();
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.desktop.opened, QStringList{report});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
    }

    // A description that would make its template larger than any document the
    // program reads back is refused before the template is written: written, it
    // would stop every later report. The template here gives each paragraph a
    // style of 100 KB, so 2,700 line breaks are enough; the shipped one takes
    // some five million.
    void aDescriptionTooLongForItsTemplate() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::TemporaryFolder temporary;
        testsupport::typeStudy();
        const QString descriptionTemplate = program.templatePath(QStringLiteral("perigrafh.doc"));
        {
            ooxml::Package styled = testsupport::packageAt(descriptionTemplate);
            pugi::xml_node paragraph = styled.xml(QStringLiteral("word/document.xml"))
                                           .child("w:document")
                                           .child("w:body")
                                           .child("w:p");
            paragraph.child("w:pPr")
                .child("w:pStyle")
                .attribute("w:val")
                .set_value(QByteArray(100 << 10, 'S').constData());
            testsupport::savePackage(styled, descriptionTemplate);
        }
        const QString longDescription = QStringLiteral("Σταθμός στο δώμα.") + QString(2700, u'\n');
        QWidget* box =
            forms::control<QWidget>(QStringLiteral("eisagwgh_meleths"), QStringLiteral("eisagwgh_txt"));
        forms::setTextOf(box, longDescription);
        const QString report = program.reports + u'/' + reportName + ".doc";
        const QByteArray earlier = "η αναφορά της περασμένης εβδομάδας";
        writeFile(report, earlier);
        browse* window = saveAsWindow(program.reports);
        const auto templatesBefore = program.templateBytes();
        QStringList written;
        QElapsedTimer pressed;
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString& path) {
                if (step == office::DiskStep::Write)
                    written << path;
                return 0;
            });
            pressed.start();
            window->create_report->click();
            session.settle();
        }
        qInfo("refused in %lld ms", pressed.elapsed());

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QCOMPARE(shown.text,
                 QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\nΗ περιγραφή της εγκατάστασης είναι "
                                "πολύ μεγάλη: με αυτήν το πρότυπο της περιγραφής θα ξεπερνούσε το "
                                "μεγαλύτερο έγγραφο που ανοίγει το πρόγραμμα. Συντομεύστε την "
                                "περιγραφή.")
                     .arg(report));
        QVERIFY(!written.contains(descriptionTemplate));
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(filesIn(program.words), testsupport::reportTemplates);
        QCOMPARE(readFile(report), earlier);
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QCOMPARE(filesIn(temporary.path), QStringList());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Dir1->path(), program.reports);
        QCOMPARE(window->Text1->text(), reportName);
        QCOMPARE(forms::textOf(box), longDescription);

        // A short description makes the report, from the same template.
        forms::setTextOf(box, testsupport::studyDescription);
        window->create_report->click();
        session.settle();
        QCOMPARE(session.messages.shown.size(), 1);
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QVERIFY(testsupport::DocxReader(descriptionTemplate).body().contains(testsupport::studyDescription));
    }

    // The file was renamed into its folder, but the folder's entries did not
    // reach the disk, so a power cut could bring the file it replaced back. At
    // the report's own folder the report stands, and the user is told that it
    // was written but that the disk did not confirm it. At the description
    // template the report is made all the same: the template is read back at
    // once and is never the user's document. Nothing else is left behind.
    void aFolderNotOnTheDisk_data() {
        QTest::addColumn<QString>("folder"); // "words" or "reports": whose wait for the disk fails
        QTest::newRow("the program's words/ folder") << "words";
        QTest::newRow("the report's folder") << "reports";
    }
    void aFolderNotOnTheDisk() {
        QFETCH(QString, folder);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::TemporaryFolder temporary;
        testsupport::typeStudy();
        const QString report = program.reports + u'/' + reportName + ".doc";
        const QByteArray earlier = "η αναφορά της περασμένης εβδομάδας";
        writeFile(report, earlier);
        browse* window = saveAsWindow(program.reports);
        const QString failing = folder == "words" ? program.words : program.reports;
        int failed = 0;
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString& path) {
                const bool fails = step == office::DiskStep::Flush && path == failing;
                failed += fails;
                return fails ? EIO : 0;
            });
            window->create_report->click();
            session.settle();
        }

        QCOMPARE(failed, 1);
        // Either file stands whole, with this report's description.
        QVERIFY(testsupport::DocxReader(program.templatePath(QStringLiteral("perigrafh.doc")))
                    .body()
                    .contains(testsupport::studyDescription));
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QCOMPARE(filesIn(program.words), testsupport::reportTemplates);
        QCOMPARE(filesIn(temporary.path), QStringList());
        QCOMPARE(testsupport::studyChanged(), QString());
        if (folder == "words") {
            QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
            QCOMPARE(session.desktop.opened, QStringList{report});
            QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
            return;
        }
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QCOMPARE(shown.text,
                 QStringLiteral("Η αναφορά «%1» γράφτηκε, αλλά ο δίσκος δεν επιβεβαίωσε ότι θα μείνει "
                                "στη θέση της: ο δίσκος δεν ολοκλήρωσε την εγγραφή (σφάλμα "
                                "εισόδου/εξόδου). Μετά από διακοπή ρεύματος μπορεί να βρείτε εκεί το "
                                "προηγούμενο αρχείο· δημιουργήστε την ξανά όταν ο δίσκος λειτουργεί "
                                "κανονικά.")
                     .arg(report));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
    }

    // Some file systems, network shares among them, keep no folder entries to
    // wait for and say so (EINVAL, ENOTSUP) when asked: such a folder has
    // nothing to wait for, so the report is made there as anywhere else.
    void aFolderWithNothingToWaitFor_data() {
        QTest::addColumn<QString>("folder"); // "words" or "reports": whose file system keeps no entries
        QTest::addColumn<int>("answer");
        for (const char* folder : {"words", "reports"}) {
            QTest::addRow("%s, EINVAL", folder) << folder << EINVAL;
            QTest::addRow("%s, ENOTSUP", folder) << folder << ENOTSUP;
        }
    }
    void aFolderWithNothingToWaitFor() {
        QFETCH(QString, folder);
        QFETCH(int, answer);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString report = program.reports + u'/' + reportName + ".doc";
        writeFile(report, "η αναφορά της περασμένης εβδομάδας");
        browse* window = saveAsWindow(program.reports);
        const QString answering = folder == "words" ? program.words : program.reports;
        int asked = 0;
        {
            testsupport::DiskFault disk([&](office::DiskStep step, const QString& path) {
                if (step != office::DiskStep::Flush || path != answering)
                    return 0;
                ++asked;
                return answer;
            });
            window->create_report->click();
            session.settle();
        }

        QCOMPARE(asked, 1);
        QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
        QCOMPARE(session.desktop.opened, QStringList{report});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QVERIFY(testsupport::DocxReader(program.templatePath(QStringLiteral("perigrafh.doc")))
                    .body()
                    .contains(testsupport::studyDescription));
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QCOMPARE(filesIn(program.words), testsupport::reportTemplates);
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
    }

    // The program's words/ folder cannot be written, so the description
    // template cannot be rewritten: the report is refused before anything of it
    // is built, with a message that names the folder, and leaves nothing behind.
    void wordsFolderReadOnly_data() {
        QTest::addColumn<bool>("mounted"); // words/ on a read-only mount, or a folder no one may write
        QTest::addColumn<QString>("cause");
        QTest::newRow("read-only folder") << false << QStringLiteral("δεν επιτρέπεται η εγγραφή στον φάκελο");
        QTest::newRow("read-only mount") << true << QStringLiteral("ο δίσκος είναι μόνο για ανάγνωση");
    }
    void wordsFolderReadOnly() {
        QFETCH(bool, mounted);
        QFETCH(QString, cause);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        browse* window = saveAsWindow(program.reports);
        const auto templatesBefore = program.templateBytes();
        const QStringList wordsBefore = filesIn(program.words);
        int writes = 0;
        {
            std::optional<testsupport::ReadOnlyFolder> readOnly;
            std::optional<testsupport::BindMount> mount;
            if (mounted) {
                mount.emplace(program.words, program.words, true);
                if (!mount->refusal.isEmpty())
                    QSKIP(qPrintable(mount->refusal));
            } else {
                readOnly.emplace(program.words);
                if (!readOnly->ok)
                    QSKIP("this file system cannot make a folder read-only");
            }
            testsupport::DiskFault disk([&](office::DiskStep step, const QString&) {
                writes += step == office::DiskStep::Write;
                return 0;
            });
            window->create_report->click();
            session.settle();
        }

        QCOMPARE(writes, 0); // not even the draft
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά «%1/%2.doc» δεν δημιουργήθηκε.\n")
                                           .arg(program.reports, reportName)),
                 qPrintable(shown.text));
        QVERIFY2(
            shown.text.contains(QStringLiteral("Ο φάκελος «%1» του προγράμματος δεν δέχεται εγγραφή (%2)")
                                    .arg(program.words, cause)),
            qPrintable(shown.text));
        QCOMPARE(filesIn(program.reports), QStringList());
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(filesIn(program.words), wordsBefore);
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);
    }

    // The program started under a file-size limit (ulimit -f 8) writes a report
    // over an earlier one: the write past the limit fails as a write, the user
    // is told, and the earlier report and the study's windows are as they were.
    // Run as a program of its own, for the limit and the signal are the process's.
    void fileSizeLimit() {
        testsupport::ReportProgram program;
        const QTemporaryDir runtime; // else Qt makes its own in the temporary folder
        testsupport::TemporaryFolder temporary;
        const QString report = program.reports + u'/' + reportName + ".doc";
        const QByteArray earlier = "η αναφορά της περασμένης εβδομάδας";
        writeFile(report, earlier);
        const auto templatesBefore = program.templateBytes();
        testsupport::PeerProgram limited(QStringLiteral("reportUnderAFileSizeLimit"),
                                         {{"VORLUX_PEER_PROGRAM", program.folder},
                                          {"VORLUX_PEER_REPORTS", program.reports},
                                          {"TMPDIR", temporary.path},
                                          {"XDG_RUNTIME_DIR", runtime.path()}});
        QVERIFY2(limited.finish(), limited.printed());
        QCOMPARE(
            limited.said(),
            QStringList(QStringLiteral("critical: Η αναφορά «%1» δεν δημιουργήθηκε. | Το αρχείο «%1» δεν "
                                       "αποθηκεύτηκε: δεν υπάρχει ελεύθερος χώρος στον δίσκο.")
                            .arg(report)));
        QCOMPARE(readFile(report), earlier);
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QCOMPARE(filesIn(temporary.path), QStringList());
        auto templatesAfter = program.templateBytes();
        auto expected = templatesBefore;
        for (auto* templates : {&templatesAfter, &expected})
            templates->remove(QStringLiteral("perigrafh.doc")); // rewritten before the last save
        QCOMPARE(templatesAfter, expected);
    }
    void reportUnderAFileSizeLimit() {
        const QString programFolder = qEnvironmentVariable("VORLUX_PEER_PROGRAM");
        if (programFolder.isEmpty())
            QSKIP("run by fileSizeLimit as a program of its own");
        app::setUpApplication(); // as the program starts
        rlimit limit;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        limit.rlim_cur = 8 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        testsupport::Session session;
        desktop::setProgramFolder(programFolder);
        testsupport::typeStudy();
        browse* window = saveAsWindow(qEnvironmentVariable("VORLUX_PEER_REPORTS"));
        window->create_report->click();
        session.settle();
        for (const messages::Shown& shown : session.messages.shown)
            testsupport::sayToTest((shown.icon == messages::Icon::Critical ? QStringLiteral("critical: ")
                                                                           : QStringLiteral("other: ")) +
                                   shown.text);
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Text1->text(), reportName);
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(session.desktop.opened.isEmpty());
    }

    // No application opens the finished report: it stays written where it was
    // asked for, and the user is told where and that it did not open.
    void noApplicationForTheReport() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        session.desktop.succeeds = false;
        testsupport::typeStudy();
        browse* window = saveAsWindow(program.reports);

        window->create_report->click();
        session.settle();

        const QString report = program.reports + u'/' + reportName + ".doc";
        QCOMPARE(session.desktop.opened, QStringList{report});
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Information);
        QCOMPARE(shown.text, QStringLiteral("Η αναφορά γράφτηκε στο «%1», αλλά δεν άνοιξε.\n"
                                            "Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου «%1».")
                                 .arg(report));
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);
    }
};

QTEST_MAIN(ReportFailuresTest)
#include "test_report_failures.moc"
