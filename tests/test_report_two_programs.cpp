// Two programs of one installation share its words/ folder, and every report
// rewrites the description template there and reads it back: two reports made
// at the same moment each carry their own description, and a program that
// cannot have the template for a few seconds says so and writes nothing.
#include <QtTest>

#include <QPlainTextEdit>
#include <QThread>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "docx_reader.h"
#include "file_contents.h"
#include "file_faults.h"
#include "peer_program.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "study_test.h"

using testsupport::filesIn;
using testsupport::readFile;
using testsupport::setDescription;

namespace {

const QString firstDescription = QStringLiteral("Περιγραφή του πρώτου προγράμματος: σταθμός στο δώμα.");
const QString secondDescription = QStringLiteral("Περιγραφή του δεύτερου προγράμματος: ιστός σε λόφο.");

// Every read of the description template waits a while, as on a slow disk: long
// enough for another program's whole save to fall between a save and its
// reading back.
testsupport::DiskFault slowTemplateReads(const QString& descriptionTemplate) {
    return testsupport::DiskFault([descriptionTemplate](office::DiskStep step, const QString& path) {
        if (step == office::DiskStep::Read && path == descriptionTemplate)
            QThread::msleep(400);
        return 0;
    });
}

} // namespace

class ReportTwoProgramsTest : public QObject {
    Q_OBJECT
private slots:
    void reportsOfTwoProgramsAtOnce() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        setDescription(firstDescription);
        browse* window = testsupport::saveAsWindow(program.reports, QStringLiteral("πρώτη"));
        testsupport::PeerProgram second(QStringLiteral("secondProgramsReport"),
                                        {{"VORLUX_PEER_PROGRAM", program.folder},
                                         {"VORLUX_PEER_REPORTS", program.reports},
                                         {"VORLUX_PEER_DESCRIPTION", secondDescription}});
        QVERIFY2(second.waitFor(QStringLiteral("ready")), second.printed());
        {
            const auto slow = slowTemplateReads(program.templatePath(QStringLiteral("perigrafh.doc")));
            second.send("go");
            window->create_report->click();
            session.settle();
        }
        QVERIFY2(second.finish(), second.printed());

        QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
        QCOMPARE(filesIn(program.reports),
                 QStringList({QStringLiteral("δεύτερη.doc"), QStringLiteral("πρώτη.doc")}));
        const QStringList first =
            testsupport::DocxReader(program.reports + QStringLiteral("/πρώτη.doc")).body();
        const QStringList other =
            testsupport::DocxReader(program.reports + QStringLiteral("/δεύτερη.doc")).body();
        QVERIFY(first.contains(firstDescription));
        QVERIFY(!first.contains(secondDescription));
        QVERIFY(other.contains(secondDescription));
        QVERIFY(!other.contains(firstDescription));
        // The template holds the description of whichever report came last.
        const QStringList kept =
            testsupport::DocxReader(program.templatePath(QStringLiteral("perigrafh.doc"))).body();
        QVERIFY(kept == QStringList({firstDescription, QString()}) ||
                kept == QStringList({secondDescription, QString()}));
    }

    // The second program of reportsOfTwoProgramsAtOnce: its own study, its own
    // report, in the same installation, pressed when the first says so.
    void secondProgramsReport() {
        const QString programFolder = qEnvironmentVariable("VORLUX_PEER_PROGRAM");
        if (programFolder.isEmpty())
            QSKIP("run by reportsOfTwoProgramsAtOnce as the second program");
        testsupport::Session session;
        desktop::setProgramFolder(programFolder);
        testsupport::typeStudy();
        setDescription(qEnvironmentVariable("VORLUX_PEER_DESCRIPTION"));
        browse* window =
            testsupport::saveAsWindow(qEnvironmentVariable("VORLUX_PEER_REPORTS"), QStringLiteral("δεύτερη"));
        const auto slow = slowTemplateReads(programFolder + QStringLiteral("/words/perigrafh.doc"));
        testsupport::sayToTest(QStringLiteral("ready"));
        QCOMPARE(testsupport::awaitLine(), std::string("go"));
        window->create_report->click();
        session.settle();
        QVERIFY2(session.messages.shown.isEmpty(), testsupport::listed(session.messages));
    }

    // Another program keeps the words/ folder (it holds it while it saves the
    // description template and reads it back): a report waits for it a few
    // seconds, then says so, and nothing is written.
    void aTemplateHeldTooLongIsSaid() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        browse* window = testsupport::saveAsWindow(program.reports);
        const auto templatesBefore = program.templateBytes();
        const int held = ::open(QFile::encodeName(program.words).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(held >= 0);
        QCOMPARE(::flock(held, LOCK_EX), 0);
        QElapsedTimer waited;
        waited.start();
        window->create_report->click();
        session.settle();
        const qint64 elapsed = waited.elapsed();
        ::close(held);

        QVERIFY2(elapsed >= 4500 && elapsed < 15000, qPrintable(QString::number(elapsed)));
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QCOMPARE(shown.text, QStringLiteral("Η αναφορά «%1/%2.doc» δεν δημιουργήθηκε.\nΟ φάκελος «%3» "
                                            "χρησιμοποιείται από άλλο πρόγραμμα, που δεν τον άφησε μέσα σε 5 "
                                            "δευτερόλεπτα. Δοκιμάστε ξανά σε λίγο.")
                                 .arg(program.reports, testsupport::reportName, program.words));
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(filesIn(program.reports), QStringList());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(testsupport::studyChanged(), QString());

        // Let go, the same press makes the report.
        window->create_report->click();
        session.settle();
        QCOMPARE(session.messages.shown.size(), 1);
        QVERIFY(testsupport::DocxReader(program.reports + u'/' + testsupport::reportName + ".doc")
                    .body()
                    .contains(testsupport::studyDescription));
    }
};

QTEST_MAIN(ReportTwoProgramsTest)
#include "test_report_two_programs.moc"
