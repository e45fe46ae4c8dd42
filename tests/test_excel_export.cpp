// The Excel export of the sectorisation window: one routine per band
// combination fills the 174 cells of the workbook template from the study
// windows, shows the filled copy and never loses what the user typed.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "platform/numbers/numbers.h"
#include "platform/office/excel.h"
#include "platform/office/excel_sheet.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_excel/export_run.h"
#include "report_excel/study_source.h"
#include "study_test.h"
#include "temp_folder.h"
#include "workbook_test.h"

namespace {

using testsupport::fileBytes;
using testsupport::sectorBox;
using testsupport::templateFile;
using testsupport::writesOf;

const QString outside = QStringLiteral("Εκτός μελέτης.");

// The band-calculation cells in the order they are written, with the box of
// Form1 each receives.
const std::pair<const char*, const char*> bandCells[] = {
    {"H68", "pgsm"},    {"H69", "gmlgsm"},  {"H70", "gslgsm"},  {"H77", "pdcs"},    {"H78", "gmldcs"},
    {"H79", "gsldcs"},  {"H86", "pumts"},   {"H87", "gmlumts"}, {"H88", "gslumts"}, {"B98", "dp1"},
    {"B106", "dp2"},    {"H118", "sg1"},    {"H119", "sd1"},    {"H120", "su1"},    {"H122", "sg2"},
    {"H123", "sd2"},    {"H124", "su2"},    {"H129", "eg1"},    {"H130", "ed1"},    {"H131", "eu1"},
    {"H133", "eg2"},    {"H134", "ed2"},    {"H135", "eu2"},    {"H140", "mg1"},    {"H141", "md1"},
    {"H142", "mu1"},    {"H144", "mg2"},    {"H145", "md2"},    {"H146", "mu2"},    {"H167", "dg1"},
    {"H168", "dd1"},    {"H169", "du1"},    {"H174", "dg2"},    {"H175", "dd2"},    {"H176", "du2"},
    {"H154", "depps1"}, {"H155", "depps2"}, {"H157", "depps3"}, {"H158", "depps4"},
};

// The band a box of Form1 belongs to, by its name (0 GSM-900, 1 DCS-1800,
// 2 UMTS-2100), or -1 for the distances and the indices.
int bandOf(const QString& box) {
    const QStringList suffixes = {QStringLiteral("gsm"), QStringLiteral("dcs"), QStringLiteral("umts")};
    for (int band = 0; band < 3; ++band)
        if (box.endsWith(suffixes[band]))
            return band;
    if (box.size() == 3 && QStringLiteral("semd").contains(box[0]) && !box.startsWith(QStringLiteral("dp")))
        return QStringLiteral("gdu").indexOf(box[1]);
    return -1;
}

bool isElectricField(const QString& box) {
    return box.size() == 3 && box[0] == u'e';
}

void setText(const char* window, const QString& box, const QString& text) {
    forms::setTextOf(forms::control<QWidget>(QString::fromLatin1(window), box), text);
}

QCheckBox* check(const char* window, int n) {
    return forms::control<QCheckBox>(QString::fromLatin1(window), QStringLiteral("Check%1").arg(n));
}

// The study as a user leaves it: the bands and sectors ticked, then every box
// holding its own name, unticked ones included; the emptied sectors' boxes empty.
void fillStudy(const QList<int>& bands, const QList<int>& sectors, const QList<int>& emptied) {
    for (int band : bands)
        check("Form1", band + 1)->setChecked(true);
    for (const auto& [cell, box] : bandCells)
        setText("Form1", QString::fromLatin1(box), QString::fromLatin1(box));
    for (int sector : sectors)
        check("Form2", sector)->setChecked(true);
    for (int sector = 1; sector <= 9; ++sector)
        for (int field = 0; field < 15; ++field)
            setText("Form2", sectorBox(sector, field),
                    emptied.contains(sector) ? QString() : sectorBox(sector, field));
}

// The 174 writes a run makes, as "cell=text", in order.
QStringList expectedWrites(const QList<int>& bands, const QList<int>& sectors, const QList<int>& emptied) {
    QStringList writes;
    for (const auto& [cell, box] : bandCells) {
        const int band = bandOf(QString::fromLatin1(box));
        const bool inStudy = band < 0 || bands.contains(band);
        writes << QStringLiteral("%1=%2").arg(QString::fromLatin1(cell),
                                              inStudy ? QString::fromLatin1(box) : outside);
    }
    for (int sector = 1; sector <= 9; ++sector)
        for (int field = 0; field < 15; ++field) {
            const QString cell = testsupport::sectorCell(sector, field);
            const QString text = !sectors.contains(sector)  ? QStringLiteral("-")
                                 : emptied.contains(sector) ? QString()
                                                            : sectorBox(sector, field);
            writes << cell + u'=' + text;
        }
    return writes;
}

// Reads the windows and notes each read with the number of cells written before it.
class RecordingStudy : public report_excel::StudySource {
public:
    explicit RecordingStudy(const excel::Recorder& calls)
        : calls(calls) {}
    struct Read {
        QString window;
        QString box;
        int writesBefore;
    };
    QList<Read> values;
    QList<Read> texts;

    int value(const QString& window, const QString& box) override {
        values.append({window, box, int(calls.writes().size())});
        return windows.value(window, box);
    }
    QString text(const QString& window, const QString& box) override {
        texts.append({window, box, int(calls.writes().size())});
        return windows.text(window, box);
    }
    QStringList boxes(const QList<Read>& reads, const QString& window) const {
        QStringList names;
        for (const Read& read : reads)
            if (read.window == window)
                names << read.box;
        return names;
    }

private:
    const excel::Recorder& calls;
    report_excel::StudyWindows windows;
};

// Everything the two windows show, to see that an export changed nothing.
QStringList studySnapshot() {
    QStringList state;
    for (int n = 1; n <= 3; ++n)
        state << QString::number(check("Form1", n)->checkState());
    for (const auto& [cell, box] : bandCells)
        state << forms::textOf(forms::control<QWidget>(QStringLiteral("Form1"), QString::fromLatin1(box)));
    for (int sector = 1; sector <= 9; ++sector) {
        state << QString::number(check("Form2", sector)->checkState());
        for (int field = 0; field < 15; ++field)
            state << forms::textOf(
                forms::control<QWidget>(QStringLiteral("Form2"), sectorBox(sector, field)));
    }
    return state;
}

void pressExport() {
    forms::control<QPushButton>(QStringLiteral("Form2"), QStringLiteral("print_report_excel"))->click();
}

} // namespace

class ExcelExportTest : public QObject {
    Q_OBJECT

private slots:
    // Every combination of band ticks: which routine runs, the 174 writes in
    // order, and which boxes are read when.
    void dispatch_data() {
        QTest::addColumn<QList<int>>("checks"); // Form1.Check1..3 values
        QTest::addColumn<QString>("routine");
        QTest::addColumn<QList<int>>("sectors");
        QTest::addColumn<QList<int>>("emptied");
        QTest::addColumn<int>("boxesRead");
        QTest::addColumn<int>("markers");
        using L = QList<int>;
        QTest::newRow("all three bands, no sector")
            << L{1, 1, 1} << "export_excel_gsm_dcs_umts" << L{} << L{} << 39 << 0;
        QTest::newRow("GSM-900 and DCS-1800")
            << L{1, 1, 0} << "export_excel_gsm_dcs" << L{1, 2, 3} << L{} << 28 << 11;
        QTest::newRow("GSM-900 and UMTS-2100")
            << L{1, 0, 1} << "export_excel_gsm_umts" << L{2, 5} << L{5} << 28 << 11;
        QTest::newRow("DCS-1800 and UMTS-2100")
            << L{0, 1, 1} << "export_excel_dcs_umts" << L{1, 2, 3, 4, 5, 6, 7, 8, 9} << L{} << 28 << 11;
        QTest::newRow("GSM-900 alone") << L{1, 0, 0} << "export_excel_gsm" << L{9} << L{} << 17 << 22;
        QTest::newRow("DCS-1800 alone") << L{0, 1, 0} << "export_excel_dcs" << L{4, 8} << L{4, 8} << 17 << 22;
        QTest::newRow("UMTS-2100 alone") << L{0, 0, 1} << "export_excel_umts" << L{7} << L{} << 17 << 22;
        QTest::newRow("no band") << L{0, 0, 0} << "" << L{1} << L{} << 0 << 0;
        QTest::newRow("a grayed band") << L{1, 2, 0} << "" << L{1} << L{} << 0 << 0;
    }
    void dispatch() {
        QFETCH(QList<int>, checks);
        QFETCH(QString, routine);
        QFETCH(QList<int>, sectors);
        QFETCH(QList<int>, emptied);
        QFETCH(int, boxesRead);
        QFETCH(int, markers);
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        QList<int> bands;
        for (int band = 0; band < 3; ++band)
            if (checks[band] == 1)
                bands << band;
        fillStudy(bands, sectors, emptied);
        for (int band = 0; band < 3; ++band)
            if (checks[band] == 2) {
                check("Form1", band + 1)->setTristate(true);
                check("Form1", band + 1)->setCheckState(Qt::PartiallyChecked);
            }
        const QStringList before = studySnapshot();

        excel::Recorder calls;
        RecordingStudy study(calls);
        const report_excel::Routine* ran = report_excel::dispatch(study);
        QCOMPARE(QString::fromLatin1(ran ? ran->name : ""), routine);

        // Seven tests, three fresh reads each, whatever runs in between.
        QStringList checkReads;
        for (int test = 0; test < 7; ++test)
            checkReads << QStringLiteral("Check1") << QStringLiteral("Check2") << QStringLiteral("Check3");
        QCOMPARE(study.boxes(study.values, QStringLiteral("Form1")), checkReads);
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(studySnapshot(), before);

        if (routine.isEmpty()) {
            QVERIFY(calls.calls.isEmpty()); // no spreadsheet created
            QVERIFY(study.texts.isEmpty());
            QVERIFY(session.desktop.opened.isEmpty());
            return;
        }
        using K = excel::Recorder::Kind;
        QCOMPARE(calls.calls.size(), 178);
        QCOMPARE(calls.calls.front().kind, K::Create);
        QCOMPARE(calls.calls[1].kind, K::Open);
        QCOMPARE(QFileInfo(calls.calls[1].path).canonicalFilePath(),
                 QFileInfo(templateFile()).canonicalFilePath());
        QCOMPARE(calls.calls[176].kind, K::Show);
        QCOMPARE(calls.calls[177].kind, K::Quit);
        QCOMPARE(session.desktop.opened, QStringList{calls.calls[176].path});

        const QStringList writes = writesOf(calls);
        QCOMPARE(writes, expectedWrites(bands, sectors, emptied));
        QCOMPARE(writes.filter(QRegularExpression(QStringLiteral("=Εκτός μελέτης\\.$"))).size(), markers);

        // Each box of Form1 read once, none of a band outside the study; the
        // electric fields before the first write, every other box right before its cell.
        const QStringList bandBoxes = study.boxes(study.texts, QStringLiteral("Form1"));
        QCOMPARE(bandBoxes.size(), boxesRead);
        QCOMPARE(QSet<QString>(bandBoxes.begin(), bandBoxes.end()).size(), boxesRead);
        QStringList heldOrder;
        for (const RecordingStudy::Read& read : study.texts) {
            if (read.window != QStringLiteral("Form1"))
                continue;
            const int band = bandOf(read.box);
            QVERIFY2(band < 0 || bands.contains(band), qPrintable(read.box));
            if (isElectricField(read.box)) {
                QCOMPARE(read.writesBefore, 0);
                heldOrder << read.box;
                continue;
            }
            const auto own = std::find_if(std::begin(bandCells), std::end(bandCells),
                                          [&](const auto& c) { return read.box == QLatin1String(c.second); });
            QCOMPARE(read.writesBefore, int(own - std::begin(bandCells)));
        }
        QStringList expectedHeld;
        for (const char* box : {"eg1", "ed1", "eu1", "eg2", "ed2", "eu2"})
            if (bands.contains(bandOf(QString::fromLatin1(box))))
                expectedHeld << QString::fromLatin1(box);
        QCOMPARE(heldOrder, expectedHeld);

        // The sector block: each tick read once before its column, the boxes of
        // ticked sectors only, each right before its cell.
        QList<int> sectorTicksAt;
        for (const RecordingStudy::Read& read : study.values)
            if (read.window == QStringLiteral("Form2"))
                sectorTicksAt << read.writesBefore;
        QCOMPARE(sectorTicksAt, (QList<int>{39, 54, 69, 84, 99, 114, 129, 144, 159}));
        QStringList sectorBoxes;
        for (int sector : sectors)
            for (int field = 0; field < 15; ++field)
                sectorBoxes << sectorBox(sector, field);
        QCOMPARE(study.boxes(study.texts, QStringLiteral("Form2")), sectorBoxes);
        for (const RecordingStudy::Read& read : study.texts)
            if (read.window == QStringLiteral("Form2")) {
                const int sector = read.box[3].digitValue();
                const int field = read.box[4].unicode() - u'a';
                QCOMPARE(read.writesBefore, 39 + 15 * (sector - 1) + field);
            }
    }

    // The written file read back by an independent reader (openpyxl): each
    // mapped cell holds its text as a string, everything else is the template's,
    // and the template itself keeps every byte.
    void roundTrip_data() {
        QTest::addColumn<QList<int>>("bands");
        QTest::addColumn<QList<int>>("sectors");
        QTest::addColumn<QList<int>>("emptied");
        using L = QList<int>;
        QTest::newRow("GSM-900 and UMTS-2100, one ticked sector empty") << L{0, 2} << L{1, 3, 8} << L{3};
        QTest::newRow("all bands, all sectors") << L{0, 1, 2} << L{1, 2, 3, 4, 5, 6, 7, 8, 9} << L{};
        QTest::newRow("DCS-1800 alone, no sector") << L{1} << L{} << L{};
    }
    void roundTrip() {
        QFETCH(QList<int>, bands);
        QFETCH(QList<int>, sectors);
        QFETCH(QList<int>, emptied);
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        fillStudy(bands, sectors, emptied);
        const QByteArray original = fileBytes(templateFile());
        pressExport();
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(session.desktop.opened.size(), 1);
        QCOMPARE(fileBytes(templateFile()), original);

        const QString problems =
            testsupport::workbookProblems(session.desktop.opened.front(), bands, sectors, emptied);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // A desktop with no application for the workbook: the filled copy is
    // written all the same, and the user is told where it is and that it did
    // not open, not that the export failed.
    void noApplicationForTheWorkbook() {
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        session.desktop.succeeds = false;
        fillStudy({0, 2}, {1, 3}, {});
        forms::show(QStringLiteral("Form2"));
        const QStringList before = studySnapshot();
        const QByteArray original = fileBytes(templateFile());

        pressExport();
        session.settle();

        QCOMPARE(session.desktop.opened.size(), 1);
        const QString written = session.desktop.opened.front();
        QCOMPARE(QFileInfo(written).absolutePath(), QFileInfo(temporary.path).absoluteFilePath());
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown& shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Information);
        QCOMPARE(shown.text, QStringLiteral("Το συμπληρωμένο βιβλίο εργασίας γράφτηκε στο «%1», αλλά δεν "
                                            "άνοιξε: δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου.")
                                 .arg(written));
        const QString problems = testsupport::workbookProblems(written, {0, 2}, {1, 3}, {});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QCOMPARE(fileBytes(templateFile()), original);
        QCOMPARE(studySnapshot(), before);
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QVERIFY(!session.programEnded);
    }

    // After a calculation the cells hold what the boxes show: the rounded
    // results with their decimal comma, and "Δεν ορίζεται" in the four index
    // cells of a one-band study.
    void afterAOneBandCalculation() {
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        check("Form1", 2)->setChecked(true);
        const std::pair<const char*, const char*> typed[] = {
            {"pdcs", "20"}, {"gmldcs", "17,5"}, {"gsldcs", "3"}, {"dp1", "5"}, {"dp2", "12,5"}};
        for (const auto& [box, text] : typed)
            setText("Form1", QString::fromLatin1(box), QString::fromLatin1(text));
        forms::control<QPushButton>(QStringLiteral("Form1"), QStringLiteral("calculate"))->click();
        QVERIFY(session.messages.shown.isEmpty());
        excel::Recorder calls;
        pressExport();

        QVERIFY(session.messages.shown.isEmpty());
        const QStringList written = writesOf(calls).mid(0, 39);
        QStringList shown;
        for (const auto& [cell, box] : bandCells) {
            const QString name = QString::fromLatin1(box);
            const QString text = bandOf(name) == 0 || bandOf(name) == 2
                                     ? outside
                                     : forms::textOf(forms::control<QWidget>(QStringLiteral("Form1"), name));
            shown << QString::fromLatin1(cell) + u'=' + text;
        }
        QCOMPARE(written, shown);
        for (const char* cell : {"H154", "H155", "H157", "H158"})
            QVERIFY2(written.contains(QString::fromLatin1(cell) + QStringLiteral("=Δεν ορίζεται")), cell);
        QVERIFY(written.contains(QStringLiteral("H78=17,5")));
        QVERIFY(numbers::parse(written[12].section(u'=', 1))); // H119, a computed density
        QVERIFY(written.contains(QStringLiteral("B106=12,5")));
    }

    // The button on the sectorisation window runs the export; each press is a
    // whole export of its own, shown from its own file.
    void twoPressesGiveTwoExports() {
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        fillStudy({0, 2}, {3}, {});
        forms::show(QStringLiteral("Form2"));
        const QByteArray original = fileBytes(templateFile());
        excel::Recorder calls;
        pressExport();
        pressExport();

        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(calls.count(excel::Recorder::Kind::Create), 2);
        QCOMPARE(calls.count(excel::Recorder::Kind::Quit), 2);
        const QStringList writes = writesOf(calls);
        QCOMPARE(writes.mid(0, 174), expectedWrites({0, 2}, {3}, {}));
        QCOMPARE(writes.mid(174), expectedWrites({0, 2}, {3}, {}));
        QCOMPARE(session.desktop.opened.size(), 2);
        QVERIFY(session.desktop.opened[0] != session.desktop.opened[1]);
        QCOMPARE(temporary.files().size(), 2);
        QCOMPARE(fileBytes(templateFile()), original);
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
    }

    void noBandNoSpreadsheet() {
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        fillStudy({}, {1, 2}, {});
        excel::Recorder calls;
        pressExport();
        QVERIFY(calls.calls.isEmpty());
        QVERIFY(session.messages.shown.isEmpty());
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(temporary.files().isEmpty());
    }

    // A failed export shows why in Greek, opens nothing, leaves no file behind
    // and leaves every window as it was: the program goes on.
    void failures_data() {
        QTest::addColumn<QByteArray>("templateContent"); // "none": no template at all
        QTest::addColumn<bool>("temporaryFolderExists");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<int>("cellsWritten"); // into the workbook in memory, never to a file
        QTest::newRow("template missing")
            << QByteArray("none") << true << "Το βιβλίο εργασίας «%1» δεν βρέθηκε." << 0;
        QTest::newRow("template not a workbook")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 an old binary workbook") << true
            << "Το αρχείο «%1» δεν είναι έγγραφο Office Open XML" << 0;
        QTest::newRow("no folder for the filled copy")
            << QByteArray() << false << "Το συμπληρωμένο βιβλίο εργασίας δεν γράφτηκε στον φάκελο «%2»"
            << 174;
    }
    void failures() {
        QFETCH(QByteArray, templateContent);
        QFETCH(bool, temporaryFolderExists);
        QFETCH(QString, cause);
        QFETCH(int, cellsWritten);
        testsupport::Session session;
        testsupport::TemporaryFolder temporary(temporaryFolderExists);
        QTemporaryDir programFolder;
        QString path = templateFile();
        if (!templateContent.isEmpty()) {
            desktop::setProgramFolder(programFolder.path());
            path = programFolder.filePath(QStringLiteral("excel_print/Radiation_report.XLS"));
            if (templateContent != "none") {
                QDir(programFolder.path()).mkpath(QStringLiteral("excel_print"));
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(templateContent);
            }
        }
        const QByteArray original = fileBytes(path);
        fillStudy({0}, {1, 2}, {2});
        forms::show(QStringLiteral("Form1"));
        forms::show(QStringLiteral("Form2"));
        const QStringList windows = forms::visible();
        const QStringList before = studySnapshot();
        excel::Recorder calls;

        pressExport();
        session.settle();

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown& shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η εξαγωγή στο Excel δεν έγινε.\n\n") +
                                       QString(cause)
                                           .replace(QStringLiteral("%1"), path)
                                           .replace(QStringLiteral("%2"), temporary.path)),
                 qPrintable(shown.text));
        QVERIFY(shown.text.endsWith(
            QStringLiteral("Τα στοιχεία της μελέτης παραμένουν όπως τα πληκτρολογήσατε.")));
        QCOMPARE(calls.writes().size(), cellsWritten);
        QCOMPARE(calls.count(excel::Recorder::Kind::Show), 0);
        QVERIFY(session.desktop.opened.isEmpty());
        if (temporaryFolderExists)
            QVERIFY(temporary.files().isEmpty());
        QCOMPARE(fileBytes(path), original);
        QCOMPARE(forms::visible(), windows);
        QCOMPARE(studySnapshot(), before);
        QVERIFY(!session.programEnded);
    }
};

QTEST_MAIN(ExcelExportTest)
#include "test_excel_export.moc"
