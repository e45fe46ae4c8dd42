// A link of the user's stands at the report's path: as a word processor does,
// the report is written into the file the link names, and the link stays,
// naming it. Where that file may not be replaced (read-only, a template), the
// report is refused as it would be at the file's own path.
#include <QtTest>

#include "docx_reader.h"
#include "file_contents.h"
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
};

QTEST_MAIN(ReportLinksTest)
#include "test_report_links.moc"
