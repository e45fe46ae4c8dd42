// "Calculate..." of the Salzburg grid: the results of every ticked sector in the
// results window, and what it says about inputs the formulas have no value for.
#include <QLabel>
#include <QtTest>

#include "platform/runtime/messages.h"
#include "salzburg_grid.h"
#include "study_test.h"

using namespace testsupport;

namespace {
const QString zeroGain = QStringLiteral("Δεν ορίζεται (Ενδιάμεση τιμή κέρδους κεραίας = 0)");
const QString example = QStringLiteral("a=Α1;c=2;e=10;k=30;l=10;m=0;n=50;q=100;v=15");
const QString problemsHeading =
    QStringLiteral("Ορισμένα αποτελέσματα δεν υπολογίστηκαν και σημειώνονται με «-»:\n");
const char resultRows[] = {'a', 'b', 'd', 'e', 'f'};
const char* const figureLabels[] = {"Label3", "Label7", "Label9", "Label8", "Label10"};

QString label(const char* name) {
    return forms::control<QLabel>(resultsWindow, QString::fromLatin1(name))->text();
}

// Everything the results window shows: the result boxes, the figure buttons'
// states and the figure labels.
QStringList resultsShown() {
    QStringList shown;
    for (int sector = 1; sector <= 6; ++sector) {
        for (char row : resultRows)
            shown << QStringLiteral("res%1%2=%3").arg(sector).arg(row).arg(resultBox(sector, row)->text());
        const bool enabled =
            forms::control<QWidget>(resultsWindow, QStringLiteral("sc%1").arg(sector))->isEnabled();
        shown << QStringLiteral("sc%1=%2").arg(sector).arg(enabled ? "on" : "off");
    }
    for (const char* name : figureLabels)
        shown << QStringLiteral("%1=%2").arg(name, label(name));
    return shown;
}

// What the grid's boxes hold, every sector.
QStringList gridTexts() {
    QStringList texts;
    for (int sector = 1; sector <= 6; ++sector)
        for (char row = 'a'; row <= 'v'; ++row)
            texts << gridBox(sector, row)->text();
    return texts;
}

QStringList column(int sector) {
    QStringList texts;
    for (char row : {'f', 'b', 'd', 'e'})
        texts << resultBox(sector, row)->text();
    return texts;
}
} // namespace

class SalzburgCalculationTest : public QObject {
    Q_OBJECT
private slots:
    // Sector 1's column as the results window shows it: gain factor f, power
    // density b, reduced power d (W) and e (dBm).
    void sectorOne_data() {
        QTest::addColumn<QString>("gain");
        QTest::addColumn<QStringList>("expected");
        // The rounded gain factor feeds the density: unrounded it would be 17,36.
        QTest::newRow("v = 15") << "15" << QStringList{"31,62", "17,35", "57,62", "47,61"};
        QTest::newRow("v = -30, gain factor 0") << "-30" << QStringList{"0", "0,55", zeroGain, zeroGain};
        QTest::newRow("v = -23, gain factor 0,01") << "-23" << QStringList{"0,01", "0,01", "182207", "82,61"};
        QTest::newRow("v = 0") << "0" << QStringList{"1", "0,55", "1822,07", "62,61"};
    }
    void sectorOne() {
        QFETCH(QString, gain);
        QFETCH(QStringList, expected);
        Session session;
        tick(1);
        fill(1, example + QStringLiteral(";v=") + gain);
        press(grid, "calculations");
        QVERIFY(forms::isVisible(resultsWindow));
        QVERIFY(forms::isVisible(grid));
        QCOMPARE(resultBox(1, 'a')->text(), QStringLiteral("Α1"));
        QCOMPARE(column(1), expected);
        QStringList labels;
        for (const char* name : figureLabels)
            labels << label(name);
        QCOMPARE(labels, (QStringList{"30", "50", "0", "20", "10"}));
        QVERIFY(forms::control<QWidget>(resultsWindow, "sc1")->isEnabled());
        QVERIFY(session.messages.shown.isEmpty());
    }

    // Rows that tell the model's arithmetic apart from near misses: π as 3.1415
    // (3.14159 gives a density of 459,92), and the dBm from the watts as shown
    // (from the unrounded 0,012566 W it would be 10,99).
    void modelFigures_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QStringList>("expected"); // f, b, d, e
        QTest::newRow("π as 3.1415") << "a=Π;c=3;e=31,5;k=26,6;l=14,7;m=-4,7;n=14;q=100;v=14,6"
                                     << QStringList{"28,84", "459,93", "6,85", "38,36"};
        QTest::newRow("dBm of the watts shown")
            << "a=Δ;c=1;e=1;k=1;l=1;m=0;n=1;q=1;v=0" << QStringList{"1", "79,58", "0,01", "10"};
    }
    void modelFigures() {
        QFETCH(QString, inputs);
        QFETCH(QStringList, expected);
        Session session;
        tick(4);
        fill(4, inputs);
        press(grid, "calculations");
        QCOMPARE(column(4), expected);
        QVERIFY(session.messages.shown.isEmpty());
    }

    // Each of the six sectors, ticked alone, gets its own column and button.
    void everySectorIsCalculated_data() {
        QTest::addColumn<int>("sector");
        for (int sector = 1; sector <= 6; ++sector)
            QTest::addRow("sector %d", sector) << sector;
    }
    void everySectorIsCalculated() {
        QFETCH(int, sector);
        Session session;
        tick(sector);
        fill(sector, example);
        press(grid, "calculations");
        for (int other = 1; other <= 6; ++other) {
            const bool own = other == sector;
            QCOMPARE(resultBox(other, 'a')->text(), own ? QStringLiteral("Α1") : QString());
            const QStringList expected =
                own ? QStringList{"31,62", "17,35", "57,62", "47,61"} : QStringList(4);
            QCOMPARE(column(other), expected);
            QCOMPARE(forms::control<QWidget>(resultsWindow, QStringLiteral("sc%1").arg(other))->isEnabled(),
                     own);
        }
    }

    void noSectorTickedChangesNothing() {
        Session session;
        tick(1);
        fill(1, example);
        press(grid, "calculations");
        const QStringList before = resultsShown();
        tick(1);
        forms::hide(resultsWindow);
        press(grid, "calculations");
        QVERIFY(forms::isVisible(resultsWindow));
        QCOMPARE(resultsShown(), before);
        QVERIFY(session.messages.shown.isEmpty());
    }

    void firstRunWithNothingTickedShowsAnEmptyWindow() {
        Session session;
        forms::show(grid);
        press(grid, "calculations");
        QVERIFY(forms::isVisible(resultsWindow));
        for (const QString& entry : resultsShown())
            QVERIFY2(entry.endsWith(QLatin1Char('=')) || entry.endsWith(QLatin1String("=off")),
                     qPrintable(entry));
    }

    // Only column 3 and "Σχήμα 3" change; the figure keeps sector 1's labels.
    void onlyTheTickedSectorChanges() {
        Session session;
        tick(1);
        fill(1, example);
        press(grid, "calculations");
        resultBox(5, 'b')->setText(QStringLiteral("typed by hand"));
        tick(1);
        tick(3);
        fill(3, "a=Γ;c=3;e=5;k=25;l=1,5;m=2;n=40;q=100;v=14,3");
        const QStringList before = resultsShown();
        press(grid, "calculations");
        const QStringList after = resultsShown();
        const QRegularExpression ownColumn(QStringLiteral("^(res3.|sc3)="));
        QVERIFY(QStringList(after).filter(ownColumn) != QStringList(before).filter(ownColumn));
        QStringList unchangedBefore = before, unchangedAfter = after;
        unchangedBefore.removeIf([&](const QString& e) { return ownColumn.match(e).hasMatch(); });
        unchangedAfter.removeIf([&](const QString& e) { return ownColumn.match(e).hasMatch(); });
        QCOMPARE(unchangedAfter, unchangedBefore);
        QCOMPARE(resultBox(3, 'a')->text(), QStringLiteral("Γ"));
        QCOMPARE(column(3), (QStringList{"26,92", "15,58", "32,09", "45,06"}));
        QVERIFY(forms::control<QWidget>(resultsWindow, "sc3")->isEnabled());
    }

    void aRunOverwritesHandEditedResults() {
        Session session;
        tick(2);
        fill(2, example);
        press(grid, "calculations");
        resultBox(2, 'd')->setText(QStringLiteral("999"));
        resultBox(2, 'f')->setText(QStringLiteral("1"));
        press(grid, "calculations");
        QCOMPARE(column(2), (QStringList{"31,62", "17,35", "57,62", "47,61"}));
    }

    // Inputs the formulas have no value for: the sector's boxes that cannot be
    // computed show "-", one message names sector and quantity, and sector 1,
    // whose inputs are sound, is still computed.
    void noValue_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("transceivers no number")
            << "c=δύο" << QStringList{"-", "-", "-", "-"}
            << QStringList{"Τομέας 2: δεν υπολογίστηκε, γιατί το πεδίο «Αριθμός πομποδεκτών» δεν περιέχει "
                           "αριθμό."};
        QTest::newRow("power and limit missing")
            << "e=;q=100 mW" << QStringList{"-", "-", "-", "-"}
            << QStringList{
                   "Τομέας 2: δεν υπολογίστηκε, γιατί τα πεδία «Ισχύς στην είσοδο της κεραίας ανά φέρουσα "
                   "(W)», «Όριο πυκνότητας ισχύος ανά περιοχή και χειριστή (mW/m2)» δεν περιέχουν αριθμό."};
        QTest::newRow("antenna at the exposure point")
            << "k=10;l=10;m=0;n=0" << QStringList{"31,62", "-", "-", "-"}
            << QStringList{
                   "Τομέας 2, «Πυκνότητα ισχύος στο σημείο έκθεσης (mW/m2)»: δεν υπολογίστηκε, γιατί η "
                   "κεραία και το σημείο έκθεσης συμπίπτουν (απόσταση 0).",
                   "Τομέας 2, «Μειωμένη ισχύς ανά κανάλι (W)»: δεν υπολογίστηκε, γιατί η κεραία και το "
                   "σημείο έκθεσης συμπίπτουν (απόσταση 0)."};
        QTest::newRow("no transceivers")
            << "c=0" << QStringList{"31,62", "0", "-", "-"}
            << QStringList{
                   "Τομέας 2, «Μειωμένη ισχύς ανά κανάλι (W)»: δεν υπολογίστηκε, γιατί η τιμή «Αριθμός "
                   "πομποδεκτών» είναι 0."};
        QTest::newRow("no transceivers, no gain")
            << "c=0;v=-30" << QStringList{"0", "0", zeroGain, zeroGain} << QStringList{};
        QTest::newRow("reduced power rounds to 0")
            << "q=0,001" << QStringList{"31,62", "17,35", "0", "-"}
            << QStringList{
                   "Τομέας 2, «Μειωμένη ισχύς ανά κανάλι (dBm)»: δεν υπολογίστηκε, γιατί η ισχύς σε W δεν "
                   "είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο."};
        QTest::newRow("negative limit")
            << "q=-100" << QStringList{"31,62", "17,35", "-57,62", "-"}
            << QStringList{
                   "Τομέας 2, «Μειωμένη ισχύς ανά κανάλι (dBm)»: δεν υπολογίστηκε, γιατί η ισχύς σε W δεν "
                   "είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο."};
        QTest::newRow("gain beyond range")
            << "v=4000" << QStringList{"-", "-", "-", "-"}
            << QStringList{"Τομέας 2, «Ενδιάμεση τιμή κέρδους (W)»: δεν υπολογίστηκε, γιατί το αποτέλεσμα "
                           "ξεπερνά τα όρια των αριθμών."};
        QTest::newRow("large gain, density beyond range")
            << "v=3070" << QStringList{"1E+307", "-", "0", "-"}
            << QStringList{
                   "Τομέας 2, «Πυκνότητα ισχύος στο σημείο έκθεσης (mW/m2)»: δεν υπολογίστηκε, γιατί το "
                   "αποτέλεσμα ξεπερνά τα όρια των αριθμών.",
                   "Τομέας 2, «Μειωμένη ισχύς ανά κανάλι (dBm)»: δεν υπολογίστηκε, γιατί η ισχύς σε W δεν "
                   "είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο."};
    }
    void noValue() {
        QFETCH(QString, inputs);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, problems);
        Session session;
        for (int sector : {1, 2, 3}) {
            tick(sector);
            fill(sector, example);
        }
        fill(2, inputs);
        const QStringList typed = gridTexts();
        press(grid, "calculations");

        QCOMPARE(column(1), (QStringList{"31,62", "17,35", "57,62", "47,61"}));
        QCOMPARE(column(2), expected);
        QCOMPARE(column(3), (QStringList{"31,62", "17,35", "57,62", "47,61"}));
        if (problems.isEmpty())
            QVERIFY(session.messages.shown.isEmpty());
        else
            QCOMPARE(
                session.messages.shown,
                (QList<messages::Shown>{{messages::Icon::Critical, problemsHeading + problems.join('\n')}}));
        QCOMPARE(gridTexts(), typed);
        QVERIFY(forms::isVisible(grid) && forms::isVisible(resultsWindow));
        QVERIFY(!session.programEnded);
    }

    // Sector 1's figure labels with a height that is no number: copied as typed,
    // the difference marked and named in the message.
    void figureOfSectorOneWithoutHeights() {
        Session session;
        tick(1);
        fill(1, example + QStringLiteral(";k=ψηλά"));
        press(grid, "calculations");
        QCOMPARE(label("Label3"), QStringLiteral("ψηλά"));
        QCOMPARE(label("Label8"), QStringLiteral("-"));
        QCOMPARE(label("Label10"), QStringLiteral("10"));
        QCOMPARE(session.messages.texts(),
                 QStringList{
                     problemsHeading +
                     "Τομέας 1: δεν υπολογίστηκε, γιατί το πεδίο «Ύψος κεραιών από τη χαμηλότερη άκρη (m)» "
                     "δεν περιέχει αριθμό.\n"
                     "Τομέας 1, «Διαφορά ύψους κεραίας και σημείου έκθεσης (m)»: δεν υπολογίστηκε, γιατί "
                     "το πεδίο «Ύψος κεραιών από τη χαμηλότερη άκρη (m)» δεν περιέχει αριθμό."});
    }

    // "Back" on the results hides them and leaves the grid in front; "Calculate..."
    // shows them again with their results.
    void walkingTheChain() {
        Session session;
        tick(1);
        fill(1, example);
        press(grid, "calculations");
        QVERIFY(QTest::qWaitForWindowActive(forms::get(resultsWindow)));
        press(resultsWindow, "back");
        QVERIFY(!forms::isVisible(resultsWindow));
        QVERIFY(forms::isVisible(grid));
        QVERIFY(QTest::qWaitForWindowActive(forms::get(grid)));
        QCOMPARE(column(1), (QStringList{"31,62", "17,35", "57,62", "47,61"}));

        tick(1);
        press(grid, "calculations");
        QVERIFY(forms::isVisible(resultsWindow));
        QVERIFY(QTest::qWaitForWindowActive(forms::get(resultsWindow)));
        QCOMPARE(column(1), (QStringList{"31,62", "17,35", "57,62", "47,61"}));
        QVERIFY(forms::control<QWidget>(resultsWindow, "sc1")->isEnabled());

        press(grid, "back1");
        QVERIFY(forms::isVisible(QStringLiteral("pinb2_saltz")));
        QVERIFY(!forms::isVisible(grid));
    }
};

QTEST_MAIN(SalzburgCalculationTest)
#include "test_salzburg_calculation.moc"
