// The Salzburg sector window's own export to the workbook, called as no user
// can call it: its band block is the sectorisation window's export's, its
// sector block takes the ticks of the sectorisation window and the texts of the
// Salzburg grid.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "platform/office/excel.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_excel/cell_map.h"
#include "salzburg/unreachable/export_dispatch.h"
#include "salzburg_grid.h"
#include "study_test.h"
#include "temp_folder.h"
#include "workbook_test.h"

namespace {

using testsupport::sectorBox;
using testsupport::writesOf;

const QString bandWindow = QStringLiteral("Form1");
const QString sectorisation = QStringLiteral("Form2");
const QString outside = QStringLiteral("Εκτός μελέτης.");

QCheckBox* check(const QString& window, int n) {
    return forms::control<QCheckBox>(window, QStringLiteral("Check%1").arg(n));
}

QWidget* box(const QString& window, const QString& name) {
    return forms::control<QWidget>(window, name);
}

// A study as the user leaves it before the export.
struct Study {
    QList<int> bands;    // ticked on Form1: 0 GSM-900, 1 DCS-1800, 2 UMTS-2100
    QList<int> ticked;   // sectors ticked on Form2
    QList<int> greyed;   // sectors whose tick on Form2 is greyed
    QList<int> gridOpen; // sectors ticked on the Salzburg grid, their boxes typed
};

// Form1's boxes and the grid's each hold their own name; Form2's boxes hold
// texts the Salzburg export must never take.
void fill(const Study& study) {
    for (int band : study.bands)
        check(bandWindow, band + 1)->setChecked(true);
    for (const report_excel::StudyCell& cell : report_excel::studyCells)
        forms::setTextOf(box(bandWindow, QString::fromLatin1(cell.box)), QString::fromLatin1(cell.box));
    for (int sector : study.ticked)
        check(sectorisation, sector)->setChecked(true);
    for (int sector : study.greyed) {
        check(sectorisation, sector)->setTristate(true);
        check(sectorisation, sector)->setCheckState(Qt::PartiallyChecked);
    }
    for (int sector = 1; sector <= 9; ++sector)
        for (int field = 0; field < 15; ++field)
            forms::setTextOf(box(sectorisation, sectorBox(sector, field)),
                             QStringLiteral("Form2 ") + sectorBox(sector, field));
    for (int sector : study.gridOpen) {
        testsupport::tick(sector);
        for (char row = 'a'; row <= 'v'; ++row)
            testsupport::type(testsupport::gridBox(sector, row),
                              QStringLiteral("sec%1%2").arg(sector).arg(row));
    }
}

// The 135 sector writes, "cell=text" in order.
QStringList expectedSectorWrites(const Study& study) {
    QStringList writes;
    for (int sector = 1; sector <= 9; ++sector)
        for (int field = 0; field < 15; ++field) {
            const bool typed = sector <= 6 && study.gridOpen.contains(sector);
            const QString text = !study.ticked.contains(sector) ? QStringLiteral("-")
                                 : typed                        ? sectorBox(sector, field)
                                                                : QString();
            writes << testsupport::sectorCell(sector, field) + u'=' + text;
        }
    return writes;
}

// Everything the study windows show, to see that an export changed nothing.
QStringList snapshot() {
    QStringList state = forms::visible();
    for (int n = 1; n <= 3; ++n)
        state << QString::number(check(bandWindow, n)->checkState());
    for (const report_excel::StudyCell& cell : report_excel::studyCells)
        state << forms::textOf(box(bandWindow, QString::fromLatin1(cell.box)));
    for (int sector = 1; sector <= 9; ++sector) {
        state << QString::number(check(sectorisation, sector)->checkState());
        for (int field = 0; field < 15; ++field)
            state << forms::textOf(box(sectorisation, sectorBox(sector, field)));
    }
    for (int sector = 1; sector <= 6; ++sector) {
        state << QString::number(check(testsupport::grid, sector)->checkState());
        for (char row = 'a'; row <= 'v'; ++row) {
            const QLineEdit* field = testsupport::gridBox(sector, row);
            state << field->text() + (field->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
        }
    }
    return state;
}

void pressSectorisationExport() {
    forms::control<QPushButton>(sectorisation, QStringLiteral("print_report_excel"))->click();
}

} // namespace

Q_DECLARE_METATYPE(Study)

class UnreachableExportTest : public QObject {
    Q_OBJECT

private slots:
    // Every band combination, with the sector ticks and grid columns that show
    // where each sector's texts come from.
    void dispatch_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<QList<int>>("greyedBands");
        using L = QList<int>;
        QTest::newRow("all three bands, sectors ticked on the grid alone")
            << Study{{0, 1, 2}, {}, {}, {1, 2, 3, 4, 5, 6}} << L{};
        QTest::newRow("GSM-900 and DCS-1800, sector 4 on both windows") << Study{{0, 1}, {4}, {}, {4}} << L{};
        QTest::newRow("GSM-900 and UMTS-2100, sector 2 not open on the grid")
            << Study{{0, 2}, {1, 2, 3}, {}, {1, 3}} << L{};
        QTest::newRow("DCS-1800 and UMTS-2100, all nine sectors ticked")
            << Study{{1, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, {1, 2, 3, 4, 5, 6}} << L{};
        QTest::newRow("GSM-900 alone, sector 7 ticked") << Study{{0}, {7}, {}, {}} << L{};
        QTest::newRow("DCS-1800 alone, a greyed sector tick") << Study{{1}, {2, 5}, {3}, {3, 5, 6}} << L{};
        QTest::newRow("UMTS-2100 alone, sectors 8 and 9 ticked") << Study{{2}, {9, 8}, {}, {1}} << L{};
        QTest::newRow("no band") << Study{{}, {1}, {}, {1}} << L{};
        QTest::newRow("a greyed band") << Study{{0}, {1}, {}, {1}} << L{1};
    }
    void dispatch() {
        QFETCH(Study, study);
        QFETCH(QList<int>, greyedBands);
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        fill(study);
        for (int band : greyedBands) {
            check(bandWindow, band + 1)->setTristate(true);
            check(bandWindow, band + 1)->setCheckState(Qt::PartiallyChecked);
        }
        forms::show(testsupport::grid);
        const QStringList before = snapshot();

        QStringList writes;
        QList<excel::Recorder::Call> calls;
        {
            excel::Recorder recorder;
            salzburg::unreachable::print_report_excel_dispatch();
            writes = writesOf(recorder);
            calls = recorder.calls;
        }
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(snapshot(), before);

        QStringList sectorisationWrites;
        {
            excel::Recorder recorder;
            pressSectorisationExport();
            sectorisationWrites = writesOf(recorder);
        }

        if (!greyedBands.isEmpty() || study.bands.isEmpty()) {
            QVERIFY(calls.isEmpty()); // no spreadsheet started
            QVERIFY(sectorisationWrites.isEmpty());
            QVERIFY(session.desktop.opened.isEmpty());
            QVERIFY(temporary.files().isEmpty());
            return;
        }
        using K = excel::Recorder::Kind;
        QCOMPARE(calls.size(), 178);
        QCOMPARE(calls.front().kind, K::Create);
        QCOMPARE(calls[1].kind, K::Open);
        QCOMPARE(QFileInfo(calls[1].path).canonicalFilePath(),
                 QFileInfo(testsupport::templateFile()).canonicalFilePath());
        QCOMPARE(calls[176].kind, K::Show);
        QCOMPARE(calls[177].kind, K::Quit);
        QCOMPARE(session.desktop.opened.size(), 2); // this export's copy, then the other's
        QCOMPARE(session.desktop.opened.front(), calls[176].path);

        // One routine ran: the one the sectorisation window's export chooses.
        QCOMPARE(writes.mid(0, 39), sectorisationWrites.mid(0, 39));
        QCOMPARE(writes.mid(0, 39).filter(QStringLiteral("=") + outside).size(),
                 11 * (3 - study.bands.size()));
        QCOMPARE(writes.mid(39), expectedSectorWrites(study));
    }

    // The sectorisation window never opened: the export creates it hidden, as
    // it stands at the start, and every sector cell gets "-".
    void sectorisationWindowNotLoaded() {
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        check(bandWindow, 1)->setChecked(true);
        for (int sector = 1; sector <= 6; ++sector) {
            testsupport::tick(sector);
            testsupport::type(testsupport::gridBox(sector, 'a'), QStringLiteral("Τομέας %1").arg(sector));
        }
        QVERIFY(!forms::isLoaded(sectorisation));

        excel::Recorder recorder;
        salzburg::unreachable::print_report_excel_dispatch();

        QVERIFY(session.messages.shown.isEmpty());
        QVERIFY(forms::isLoaded(sectorisation));
        QVERIFY(!forms::isVisible(sectorisation));
        for (int sector = 1; sector <= 9; ++sector)
            QCOMPARE(check(sectorisation, sector)->checkState(), Qt::Unchecked);
        const QStringList writes = writesOf(recorder);
        QCOMPARE(writes.size(), 174);
        QCOMPARE(writes.mid(39), expectedSectorWrites(Study{}));
        QCOMPARE(session.desktop.opened.size(), 1);
    }

    // The filled workbook read back by an independent reader: the cells hold
    // the texts as strings, the rest is the template's, and the template keeps
    // every byte.
    void roundTrip_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<QList<int>>("emptied");
        using L = QList<int>;
        QTest::newRow("two bands, a sector without grid texts, sector 8")
            << Study{{0, 2}, {1, 3, 8}, {}, {1}} << L{3, 8};
        QTest::newRow("all bands, all sectors")
            << Study{{0, 1, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, {1, 2, 3, 4, 5, 6}} << L{7, 8, 9};
    }
    void roundTrip() {
        QFETCH(Study, study);
        QFETCH(QList<int>, emptied);
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        fill(study);
        const QByteArray original = testsupport::fileBytes(testsupport::templateFile());

        salzburg::unreachable::print_report_excel_dispatch();

        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(session.desktop.opened.size(), 1);
        QCOMPARE(testsupport::fileBytes(testsupport::templateFile()), original);
        const QString problems =
            testsupport::workbookProblems(session.desktop.opened.front(), study.bands, study.ticked, emptied);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // No template: the user is told in Greek, nothing is opened, every window
    // keeps what was typed and the program goes on.
    void failureIsShown() {
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        QTemporaryDir emptyProgramFolder;
        desktop::setProgramFolder(emptyProgramFolder.path());
        fill(Study{{1}, {2}, {}, {2}});
        forms::show(testsupport::grid);
        const QStringList before = snapshot();

        salzburg::unreachable::print_report_excel_dispatch();
        session.settle();

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown& shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        const QString path = emptyProgramFolder.filePath(QStringLiteral("excel_print/Radiation_report.XLS"));
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η εξαγωγή στο Excel δεν έγινε.\n\n"
                                                      "Το βιβλίο εργασίας «%1» δεν βρέθηκε.")
                                           .arg(path)),
                 qPrintable(shown.text));
        QVERIFY(shown.text.endsWith(
            QStringLiteral("Τα στοιχεία της μελέτης παραμένουν όπως τα πληκτρολογήσατε.")));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(temporary.files().isEmpty());
        QCOMPARE(snapshot(), before);
        QVERIFY(!session.programEnded);
    }
};

QTEST_MAIN(UnreachableExportTest)
#include "test_unreachable_export.moc"
