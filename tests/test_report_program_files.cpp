// A report is never written over the program's own templates: named like one of
// them in the program's words/ folder, reached directly, through ".." or
// through a link, it is refused with a message, and the save-as window and the
// study stay as they were so the user can pick another name.
#include <QtTest>

#include "docx_reader.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"

using testsupport::entriesOf;

namespace {} // namespace

class ReportProgramFilesTest : public QObject {
    Q_OBJECT
private slots:
    void templatesAreNeverReplaced_data() {
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("route");
        for (const QString& name : testsupport::reportTemplates)
            for (const char* route : {"words folder", "through ..", "folder link", "file link"})
                QTest::addRow("%s, %s", qPrintable(name), route) << name << QString::fromLatin1(route);
    }
    void templatesAreNeverReplaced() {
        QFETCH(QString, templateName);
        QFETCH(QString, route);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString words = program.words;
        const QString reports = program.reports;

        // The folder chosen and the name typed, as the route reaches the template.
        QString folder = words;
        QString name = QFileInfo(templateName).completeBaseName();
        if (route == "through ..") {
            folder = reports + u'/' + QDir(reports).relativeFilePath(words);
            QVERIFY(folder.contains(QStringLiteral("/../")));
        } else if (route == "folder link") {
            folder = reports + QStringLiteral("/πρότυπα");
            QVERIFY(QFile::link(words, folder));
        } else if (route == "file link") {
            folder = reports;
            name = QStringLiteral("δική μου");
            QVERIFY(QFile::link(program.templatePath(templateName), reports + u'/' + name + ".doc"));
        }
        forms::show(QStringLiteral("Form2"));
        forms::get<Form2>()->next_to_word->click();
        browse* window = forms::get<browse>();
        QVERIFY(window->Dir1->setPath(folder));
        window->Text1->setText(name);
        const QString chosenFolder = window->Dir1->path();
        const auto templatesBefore = program.templateBytes();
        const QStringList wordsBefore = entriesOf(words);
        const QStringList reportsBefore = entriesOf(reports);

        window->create_report->click();
        session.settle();

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(
                     QStringLiteral("Η αναφορά «%1/%2.doc» δεν δημιουργήθηκε.\n").arg(chosenFolder, name)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QStringLiteral("«%1» είναι πρότυπο του προγράμματος")
                                         .arg(program.templatePath(templateName))),
                 qPrintable(shown.text));
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(entriesOf(words), wordsBefore);
        QCOMPARE(entriesOf(reports), reportsBefore);
        if (route == "file link")
            QVERIFY(QFileInfo(reports + u'/' + name + ".doc").isSymLink());
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(forms::get<browse>(), window);
        QCOMPARE(window->Dir1->path(), chosenFolder);
        QCOMPARE(window->Text1->text(), name);
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);

        // Another name in the same window makes the report, and still leaves the
        // templates the report is built from as they were.
        window->Text1->setText(QStringLiteral("Μελέτη Πάτρας"));
        window->create_report->click();
        session.settle();
        QVERIFY2(session.messages.shown.size() == 1, testsupport::listed(session.messages));
        const QString report = chosenFolder + QStringLiteral("/Μελέτη Πάτρας.doc");
        QCOMPARE(session.desktop.opened, QStringList{report});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
        auto templatesAfter = program.templateBytes();
        templatesAfter.remove(QStringLiteral("perigrafh.doc")); // rewritten by every report
        auto expected = templatesBefore;
        expected.remove(QStringLiteral("perigrafh.doc"));
        QCOMPARE(templatesAfter, expected);
    }
};

QTEST_MAIN(ReportProgramFilesTest)
#include "test_report_program_files.moc"
