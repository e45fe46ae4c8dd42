// The Word report as the engineer makes it: the study's windows filled, the
// save-as window, "Create report", and what the written files then hold.
#include <QtTest>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "docx_reader.h"
#include "file_contents.h"
#include "file_faults.h"
#include "platform/numbers/numbers.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_cells.h"
#include "report_program.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"
#include "temp_folder.h"

using testsupport::DocxReader;
using testsupport::ExpectedCell;
using testsupport::setDescription;

using testsupport::filesIn;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QStringList templateNames = {"eisagwgh.doc", "oria_asfalous_ek8eshs.doc",
                                   "oria_asfalous_ek8eshs_pinG1.doc", "perigrafh.doc", "report_tables.doc"};
const QString description = QStringLiteral("Ο σταθμός βρίσκεται στο δώμα πενταώροφου κτιρίου.\n"
                                           "Οι κεραίες είναι σε δύο ιστούς.\n\n"
                                           "  Η περίφραξη απέχει 3 m.  ");
const QStringList descriptionParagraphs = {"Ο σταθμός βρίσκεται στο δώμα πενταώροφου κτιρίου.",
                                           "Οι κεραίες είναι σε δύο ιστούς.", "",
                                           "  Η περίφραξη απέχει 3 m.  "};

QWidget* box(const QString& window, const QString& name) {
    return forms::control<QWidget>(window, name);
}

// The cells of the report's tables and the box each must hold.
const std::vector<ExpectedCell>& expectedCells() {
    static const std::vector<ExpectedCell> cells = testsupport::expectedReportCells();
    return cells;
}

// Every box the report reads holds its own name ("on1", "sec4g", ...), so a
// cell filled from another box shows the other box's name.
void fillWithNames() {
    for (const ExpectedCell& cell : expectedCells())
        forms::setTextOf(box(cell.window, cell.box), cell.box);
}

// The number of tables the templates before the table template hold.
int tablesBefore(const QString& words) {
    int count = 0;
    for (const QString& name : templateNames.mid(0, 3))
        count += DocxReader(words + u'/' + name).tableCount();
    return count;
}

QStringList withoutClosing(QStringList body) {
    body.removeLast();
    return body;
}

} // namespace

class WordReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Session> session;
    std::unique_ptr<QTemporaryDir> program; // a copy of the program folder's templates
    std::unique_ptr<QTemporaryDir> out;     // where the reports go
    QString words;

    // The chain as the user walks it: the sectorisation window, then "Proceed to
    // word", then the folder chosen in the save-as window.
    browse* openBrowse(const QString& folder) {
        forms::show(QStringLiteral("Form2"));
        forms::get<Form2>()->next_to_word->click();
        browse* window = forms::get<browse>();
        if (!folder.isEmpty())
            window->Dir1->setPath(folder);
        return window;
    }

    QString createReport(const QString& name) {
        browse* window = openBrowse(out->path());
        window->Text1->setText(name);
        window->create_report->click();
        session->settle();
        return out->path() + u'/' + name + QStringLiteral(".doc");
    }

private slots:
    void init() {
        session = std::make_unique<testsupport::Session>();
        program = std::make_unique<QTemporaryDir>();
        out = std::make_unique<QTemporaryDir>();
        words = program->filePath(QStringLiteral("words"));
        QDir().mkpath(words);
        for (const QString& name : templateNames)
            QVERIFY(QFile::copy(testsupport::programFolder() + QStringLiteral("/words/") + name,
                                words + u'/' + name));
        desktop::setProgramFolder(program->path());
    }
    void cleanup() {
        session.reset();
        program.reset();
        out.reset();
    }

    // Every cell reaches its place, the rest keeps the template's text, and the
    // report holds the templates, the description and the tables in order.
    void wholeStudyReachesTheReport() {
        fillWithNames();
        setDescription(description);
        const QByteArray tablesBeforeReport = readFile(words + QStringLiteral("/report_tables.doc"));
        const QString path = createReport(QStringLiteral("Μελέτη Πάτρας"));

        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        DocxReader report(path);
        const DocxReader tables(words + QStringLiteral("/report_tables.doc"));
        const int offset = tablesBefore(words);
        QCOMPARE(report.tableCount(), offset + 13);

        QSet<QString> written;
        QSet<QString> boxes;
        for (const ExpectedCell& cell : expectedCells()) {
            QCOMPARE(report.cell(offset + cell.table, cell.row, cell.column), cell.box);
            written.insert(QStringLiteral("%1/%2/%3").arg(cell.table).arg(cell.row).arg(cell.column));
            boxes.insert(cell.box);
        }
        QCOMPARE(written.size(), 386);
        QCOMPARE(boxes.size(), 386 - 7); // only the antenna counts of table 1 are written twice
        for (int column = 2; column <= 8; ++column)
            QCOMPARE(report.cell(offset + 1, 4, column), report.cell(offset + 1, 3, column));
        // The cells the fill leaves alone: the template's captions and headers.
        int kept = 0;
        for (int t = 1; t <= 13; ++t)
            for (int r = 1; r <= 20; ++r)
                for (int c = 1; c <= 10; ++c) {
                    const QString templateText = tables.cell(t, r, c);
                    if (written.contains(QStringLiteral("%1/%2/%3").arg(t).arg(r).arg(c)) ||
                        templateText == QStringLiteral("[no cell]"))
                        continue;
                    QCOMPARE(report.cell(offset + t, r, c), templateText);
                    ++kept;
                }
        QVERIFY(kept > 13 * 2);

        QStringList expected;
        for (const QString& name : templateNames.mid(0, 3))
            expected += withoutClosing(DocxReader(words + u'/' + name).body());
        expected += descriptionParagraphs;
        expected += tables.body();
        QCOMPARE(report.body(), expected);

        QCOMPARE(DocxReader(words + QStringLiteral("/perigrafh.doc")).body(),
                 descriptionParagraphs + QStringList{""});
        QCOMPARE(readFile(words + QStringLiteral("/report_tables.doc")), tablesBeforeReport);
    }

    // The study's texts go into their cells character for character.
    void textsReachTheirCells_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("decimal comma") << "pinb1"
                                       << "h_istou3"
                                       << "2,5";
        QTest::newRow("blanks around") << "pinb2"
                                       << "model8"
                                       << "  K 742 215  ";
        QTest::newRow("markup characters") << "Form2"
                                           << "sec9o"
                                           << "<&> \"α\" 'β'";
        QTest::newRow("one-band index") << "Form1"
                                        << "depps3"
                                        << "Δεν ορίζεται";
        QTest::newRow("free text in a number") << "Form1"
                                               << "su2"
                                               << "περίπου 0,3";
    }
    void textsReachTheirCells() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, text);
        forms::setTextOf(forms::control<QWidget>(window, box), text);
        const QString path = createReport(QStringLiteral("κείμενα"));
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        const auto& cells = expectedCells();
        const auto cell = std::find_if(cells.begin(), cells.end(), [&](const ExpectedCell& c) {
            return c.box == box && c.window == window;
        });
        QVERIFY(cell != cells.end());
        QCOMPARE(DocxReader(path).cell(tablesBefore(words) + cell->table, cell->row, cell->column), text);
    }

    // An unticked sector gives empty cells; a study never calculated gives "-"
    // for every band.
    void unusedSectorsAndBandsInTheTables() {
        fillWithNames();
        Form2* sectorisation = forms::get<Form2>();
        sectorisation->Check[2]->setChecked(true);
        sectorisation->Check[2]->setChecked(false); // sector 3 out of the study: its boxes emptied
        forms::unload(QStringLiteral("Form1"));     // the band window as created: no band calculated
        const QString path = createReport(QStringLiteral("τομείς"));
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        const DocxReader report(path);
        const int offset = tablesBefore(words);
        for (int row = 2; row <= 16; ++row) {
            QCOMPARE(report.cell(offset + 3, row, 4), QString());
            QCOMPARE(report.cell(offset + 3, row, 5), QStringLiteral("sec4%1").arg(QChar(u'a' + row - 2)));
        }
        for (int t = 4; t <= 11; ++t)
            for (int row = 2; row <= 4; ++row)
                QCOMPARE(report.cell(offset + t, row, 2), QStringLiteral("-"));
    }

    // A calculation with GSM-900 alone: the other bands' rows hold "-" and the
    // exposure indices the marker the calculation wrote.
    void oneBandStudyInTheTables() {
        forms::control<QCheckBox>(QStringLiteral("Form1"), QStringLiteral("Check1"))->setChecked(true);
        for (const auto& [name, value] :
             {std::pair{"pgsm", "20"}, std::pair{"gmlgsm", "17"}, std::pair{"gslgsm", "3"},
              std::pair{"dp1", "5"}, std::pair{"dp2", "10"}})
            forms::setTextOf(box("Form1", QString::fromLatin1(name)), QString::fromLatin1(value));
        forms::control<QPushButton>(QStringLiteral("Form1"), QStringLiteral("calculate"))->click();
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        const QString path = createReport(QStringLiteral("GSM"));
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        const DocxReader report(path);
        const int offset = tablesBefore(words);
        for (const ExpectedCell& cell : expectedCells()) {
            if (cell.table < 4)
                continue;
            const QString shown = forms::textOf(box(cell.window, cell.box));
            QCOMPARE(report.cell(offset + cell.table, cell.row, cell.column), shown);
            if (cell.table >= 12)
                QCOMPARE(shown, QStringLiteral("Δεν ορίζεται"));
            else if (cell.row > 2)
                QCOMPARE(shown, QStringLiteral("-"));
            else
                QVERIFY(numbers::parse(shown).has_value());
        }
    }

    void reportPathFromFolderAndName_data() {
        QTest::addColumn<QString>("typed"); // "untouched": the name box left as it starts
        QTest::addColumn<QString>("file");
        QTest::newRow("name untouched") << "untouched"
                                        << "Text1.doc";
        QTest::newRow("extension typed") << "x.doc"
                                         << "x.doc.doc";
        QTest::newRow("empty name") << ""
                                    << ".doc";
        QTest::newRow("Greek name") << "Κεραίες Πάτρας"
                                    << "Κεραίες Πάτρας.doc";
    }
    void reportPathFromFolderAndName() {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        browse* window = openBrowse(out->path());
        if (typed != QStringLiteral("untouched"))
            window->Text1->setText(typed);
        window->create_report->click();
        session->settle();
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        QCOMPARE(filesIn(out->path()), QStringList{file});
        QCOMPARE(session->desktop.opened, QStringList{out->path() + u'/' + file});
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QVERIFY(!session->programEnded);
    }

    // The sectorisation window closed by its close box while the save-as window
    // is up, then "Create report": the report is written and shown to the user,
    // and as no window is visible any more the program ends as "Έξοδος" does.
    void reportFromTheLastVisibleWindowEndsTheProgram() {
        setDescription(description);
        browse* window = openBrowse(out->path());
        forms::get("Form2")->close();
        session->settle();
        QCOMPARE(forms::visible(), QStringList{QStringLiteral("browse")});
        QVERIFY(!session->programEnded);

        window->Text1->setText(QStringLiteral("τελευταία"));
        window->create_report->click();
        session->settle();
        const QString path = out->path() + QStringLiteral("/τελευταία.doc");
        QVERIFY(session->messages.shown.isEmpty());
        QVERIFY(DocxReader(path).body().join(u'|').contains(descriptionParagraphs.join(u'|')));
        QCOMPARE(session->desktop.opened, QStringList{path});
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session->programEnded);
    }

    // A report over an earlier one: the folder then holds the report, whole, and
    // nothing else; nor is anything of it left in the temporary folder.
    void aReportOverAnEarlierOneLeavesNothingElse() {
        testsupport::TemporaryFolder temporary;
        setDescription(description);
        const QString path = out->path() + QStringLiteral("/αναφορά.doc");
        writeFile(path, "η αναφορά της περασμένης εβδομάδας");
        QCOMPARE(createReport(QStringLiteral("αναφορά")), path);
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        QCOMPARE(session->desktop.opened, QStringList{path});
        QCOMPARE(filesIn(out->path()), QStringList{QStringLiteral("αναφορά.doc")});
        QVERIFY(DocxReader(path).body().join(u'|').contains(descriptionParagraphs.join(u'|')));
        QCOMPARE(filesIn(temporary.path), QStringList());
    }

    void eachReportCarriesItsOwnDescription() {
        setDescription(QStringLiteral("Πρώτη περιγραφή"));
        const QString first = createReport(QStringLiteral("πρώτη"));
        setDescription(QStringLiteral("Δεύτερη περιγραφή\nσε δύο γραμμές"));
        const QString second = createReport(QStringLiteral("δεύτερη"));
        setDescription(QString());
        const QString third = createReport(QStringLiteral("τρίτη"));
        QVERIFY(session->messages.shown.isEmpty());
        QVERIFY(DocxReader(first).body().contains(QStringLiteral("Πρώτη περιγραφή")));
        QVERIFY(!DocxReader(second).body().contains(QStringLiteral("Πρώτη περιγραφή")));
        QVERIFY(DocxReader(second).body().join(u'|').contains(
            QStringLiteral("Δεύτερη περιγραφή|σε δύο γραμμές")));
        QCOMPARE(DocxReader(words + QStringLiteral("/perigrafh.doc")).body(), QStringList{""});
        // An empty description leaves its place empty: the tables follow the
        // third template at once.
        const QStringList body = DocxReader(third).body();
        const QString heading = QStringLiteral("5. Περιγραφή της εγκατάστασης");
        QCOMPARE(body.at(body.indexOf(heading) + 1),
                 QStringLiteral("6. Στοιχεία της εγκατάστασης και αποτελέσματα"));
        QCOMPARE(session->desktop.opened, QStringList({first, second, third}));
    }

    // Whatever fails, the user is told what and why, the report path holds what
    // it held, nothing else is left in the folder, and every window keeps its
    // contents so the user can correct the name or the folder and try again.
    void failuresLoseNothing_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("previous"); // a report already stands at the path
        QTest::addColumn<QString>("cause");
        QTest::newRow("template missing") << "missing template" << true << "δεν βρέθηκε";
        QTest::newRow("template missing, no previous report") << "missing template" << false << "δεν βρέθηκε";
        QTest::newRow("template not a package")
            << "broken template" << true << "δεν είναι έγγραφο Office Open XML";
        QTest::newRow("table template without tables") << "empty tables" << true << "δεν υπάρχει ο πίνακας 1";
        QTest::newRow("folder gone") << "folder gone" << false << "ο φάκελος δεν υπάρχει";
        QTest::newRow("folder read-only") << "read-only" << true << "δεν επιτρέπεται η εγγραφή";
        QTest::newRow("disk full") << "disk full" << true << "δεν υπάρχει ελεύθερος χώρος";
        QTest::newRow("slash in the name") << "slash" << false << "δεν μπορεί να είναι όνομα αρχείου";
        QTest::newRow("name too long") << "long name" << false << "δεν μπορεί να είναι όνομα αρχείου";
        QTest::newRow("earlier report read-only") << "read-only report" << true << "είναι μόνο για ανάγνωση";
        QTest::newRow("a folder at the report's place") << "folder at the path" << false << "υπάρχει φάκελος";
        QTest::newRow("no temporary folder")
            << "no temporary folder" << true << "Δεν δημιουργήθηκε προσωρινός φάκελος";
        QTest::newRow("temporary folder full") << "temporary folder full" << true << "είναι γεμάτος";
    }
    void failuresLoseNothing() {
        QFETCH(QString, fault);
        QFETCH(bool, previous);
        QFETCH(QString, cause);
        fillWithNames();
        setDescription(description);
        const QByteArray oldReport = "η αναφορά της περασμένης εβδομάδας";
        QString folder = out->path();
        QString name = QStringLiteral("αναφορά");
        QString named = QStringLiteral("report_tables.doc"); // the file the message names
        if (previous)
            writeFile(folder + u'/' + name + QStringLiteral(".doc"), oldReport);

        browse* window = openBrowse(folder);
        std::unique_ptr<testsupport::ReadOnlyFolder> readOnly;
        std::unique_ptr<testsupport::FileSizeLimit> limit;
        std::unique_ptr<testsupport::TemporaryFolder> noTemporaryFolder;
        std::unique_ptr<testsupport::TemporaryFolder> fullTemporaryFolder;
        std::unique_ptr<testsupport::DiskFault> full;
        if (fault == "missing template") {
            named = words + QStringLiteral("/oria_asfalous_ek8eshs_pinG1.doc");
            QVERIFY(QFile::remove(named));
        } else if (fault == "broken template") {
            named = words + QStringLiteral("/eisagwgh.doc");
            writeFile(named, "κείμενο, όχι έγγραφο");
        } else if (fault == "empty tables") {
            QVERIFY(QFile::remove(words + QStringLiteral("/report_tables.doc")));
            QVERIFY(QFile::copy(words + QStringLiteral("/perigrafh.doc"),
                                words + QStringLiteral("/report_tables.doc")));
            named = words + QStringLiteral("/report_tables.doc");
        } else if (fault == "folder gone") {
            QVERIFY(QDir(folder).mkdir(QStringLiteral("σβησμένος")));
            QVERIFY(window->Dir1->setPath(folder + QStringLiteral("/σβησμένος")));
            QVERIFY(QDir(folder + QStringLiteral("/σβησμένος")).removeRecursively());
            named = name;
        } else if (fault == "read-only") {
            readOnly = std::make_unique<testsupport::ReadOnlyFolder>(folder);
            if (!readOnly->ok)
                QSKIP("this file system cannot make a folder read-only");
            named = name;
        } else if (fault == "disk full") {
            limit = std::make_unique<testsupport::FileSizeLimit>(6000); // the blank report fits, the rest not
            named = name;
        } else if (fault == "slash") {
            name = QStringLiteral("μελέτες/Πάτρα");
            QVERIFY(QDir(folder).mkdir(QStringLiteral("μελέτες")));
            named = name;
        } else if (fault == "long name") {
            name = QString(130, u'λ');
            named = name;
        } else if (fault == "read-only report") {
            QVERIFY(QFile::setPermissions(folder + u'/' + name + QStringLiteral(".doc"),
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            named = folder + u'/' + name + QStringLiteral(".doc");
        } else if (fault == "no temporary folder") {
            noTemporaryFolder = std::make_unique<testsupport::TemporaryFolder>(false);
            named = noTemporaryFolder->path;
        } else if (fault == "temporary folder full") {
            fullTemporaryFolder = std::make_unique<testsupport::TemporaryFolder>();
            const QString temporary = fullTemporaryFolder->path;
            full = std::make_unique<testsupport::DiskFault>(
                [temporary](office::DiskStep step, const QString& path) {
                    return step == office::DiskStep::Write && path.startsWith(temporary + u'/') ? ENOSPC : 0;
                });
            named = QStringLiteral("Ο προσωρινός φάκελος «%1»").arg(temporary);
        } else if (fault == "folder at the path") {
            QVERIFY(QDir(folder).mkdir(name + QStringLiteral(".doc")));
            named = name;
        }
        window->Text1->setText(name);
        const QStringList filesBefore = filesIn(folder);
        // Faults found before anything is written leave the description template too.
        const bool beforeAnyWrite = fault == "missing template" || fault == "read-only report" ||
                                    fault == "folder at the path" || fault == "no temporary folder" ||
                                    fault == "folder gone" || fault == "read-only" ||
                                    fault == "temporary folder full";
        const QByteArray descriptionBefore = readFile(words + QStringLiteral("/perigrafh.doc"));

        window->create_report->click();
        session->settle();
        limit.reset();
        readOnly.reset();
        full.reset();

        QCOMPARE(session->messages.shown.size(), 1);
        const messages::Shown shown = session->messages.shown.first();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.contains(cause) && shown.text.contains(named), qPrintable(shown.text));
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά")), qPrintable(shown.text));
        // The report's draft is built where the user never looks: its path is never named.
        QVERIFY2(!shown.text.contains(QStringLiteral("vorlux-report-")), qPrintable(shown.text));
        if (fault != "folder gone") {
            QCOMPARE(filesIn(folder), filesBefore);
            if (previous)
                QCOMPARE(readFile(folder + u'/' + name + QStringLiteral(".doc")), oldReport);
        }
        if (beforeAnyWrite)
            QCOMPARE(readFile(words + QStringLiteral("/perigrafh.doc")), descriptionBefore);
        if (fault == "read-only report") { // the mode bits, not what this user may do
            const QFile::Permissions modeBits(0x7077);
            QCOMPARE(QFileInfo(folder + u'/' + name + QStringLiteral(".doc")).permissions() & modeBits,
                     QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
        QVERIFY(session->desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Text1->text(), name);
        QCOMPARE(forms::textOf(box("eisagwgh_meleths", QStringLiteral("eisagwgh_txt"))), description);
        QCOMPARE(forms::textOf(box("pinb2", QStringLiteral("p_ch8"))), QStringLiteral("p_ch8"));
        QCOMPARE(forms::textOf(box("Form2", QStringLiteral("sec5k"))), QStringLiteral("sec5k"));
    }

    // The sample report the independent reader checks (tests/read_report.py):
    // written where VORLUX_SAMPLE_REPORT says, or only checked to open here.
    void sampleReportForReaders() {
        fillWithNames();
        setDescription(description);
        forms::setTextOf(box("pinb1", QStringLiteral("on2")), QStringLiteral("  <Ιστός & \"Β\">  "));
        const QString path = createReport(QStringLiteral("sample"));
        QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
        const QString wanted = qEnvironmentVariable("VORLUX_SAMPLE_REPORT");
        if (!wanted.isEmpty()) {
            QFile::remove(wanted);
            QVERIFY(QFile::copy(path, wanted));
        }
        QCOMPARE(DocxReader(path).cell(tablesBefore(words) + 1, 1, 3), QStringLiteral("  <Ιστός & \"Β\">  "));
    }
};

QTEST_MAIN(WordReportTest)
#include "test_word_report.moc"
