// The band check boxes: ticking opens a band, unticking clears it and re-derives
// the index and the diagram from the bands that stay, or shows a hint.
#include <QtTest>

#include "eeae_form1_driver.h"
#include "study_test.h"

using namespace form1;

namespace {
// Inputs whose power densities at 1 m are round: GSM 5,4 and 8,5584, DCS 10,8
// and 10,8, UMTS 6 and 11,9716.
void calculateRoundDensities() {
    enter(gsm, "1,6956", "12", "10");
    enter(dcs, "3,3912", "10", "10");
    enter(umts, "1,884", "13", "10");
    distances("1", "1");
    press("calculate");
}

const QMap<QString, QStringList> ownInputs = {
    {"Check1", {"pgsm", "gmlgsm", "gslgsm"}},
    {"Check2", {"pdcs", "gmldcs", "gsldcs"}},
    {"Check3", {"pumts", "gmlumts", "gslumts"}},
};
const QMap<QString, QStringList> ownResults = {
    {"Check1", gsmResults}, {"Check2", dcsResults}, {"Check3", umtsResults}};

// Expect the own band disabled, "0" and "-".
void verifyCleared(const QString& check) {
    for (const QString& box : ownInputs[check]) {
        QCOMPARE(text(box), QStringLiteral("0"));
        QVERIFY2(!enabled(box), qPrintable(box));
    }
    QCOMPARE(texts(ownResults[check]), QStringList(8, "-"));
}

// What a window shows after the own band was cleared and a hint stopped the rest.
void expectOwnBandCleared(QMap<QString, QString>& expected, const QString& check) {
    expected[check] = "0";
    for (const QString& box : ownInputs[check])
        expected[box] = "0|off";
    for (const QString& box : ownResults[check])
        expected[box] = "-|off";
}
} // namespace

class CheckBoxesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Session> session;
private slots:
    void init() { session = std::make_unique<testsupport::Session>(); }
    void cleanup() { session.reset(); }

    void tickingOpensTheBand_data() {
        QTest::addColumn<QString>("check");
        QTest::newRow("GSM-900") << "Check1";
        QTest::newRow("DCS-1800") << "Check2";
        QTest::newRow("UMTS-2100") << "Check3";
    }
    void tickingOpensTheBand() {
        QFETCH(QString, check);
        auto expected = snapshot();
        click(check);
        expected[check] = "1";
        for (const QString& box : ownInputs[check])
            expected[box] = "0|on";
        QCOMPARE(snapshot(), expected);
        QCOMPARE(window()->focusWidget(), control(ownInputs[check].first()));
        QVERIFY(session->messages.shown.isEmpty());
    }

    void tickingAfterACalculationKeepsItsResults() {
        enterGsm();
        distances("10", "50");
        press("calculate");
        auto expected = snapshot();
        click("Check3");
        expected["Check3"] = "1";
        for (const QString& box : ownInputs["Check3"])
            expected[box] = "0|on";
        QCOMPARE(snapshot(), expected);
    }

    void untickingTheLastBandClearsIndexAndDiagram() {
        enterGsm();
        distances("10", "50");
        press("calculate");
        click("Check1");
        verifyCleared("Check1");
        QCOMPARE(texts(indexBoxes), QStringList(4, "-"));
        QCOMPARE(captions(), QStringList(6, QString()));
        QCOMPARE(linesShown(), QList<bool>(6, false));
        QVERIFY(enabled("proceed"));
        QVERIFY(session->messages.shown.isEmpty());
    }

    void untickingOneOfThree_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QStringList>("captions");
        // 10,8/5,4 + 6/6,0 = 3: each term with its own band's limit.
        QTest::newRow("GSM-900 off: DCS-1800 and UMTS-2100 stay")
            << "Check1" << QStringList{"3", "3,99526666666667", "2,57142857142857", "3,42451428571429"}
            << QStringList{"DCS:10dBi", "UMTS:10dBi", "", "DCS:10dBi", "UMTS:13dBi", ""};
        QTest::newRow("DCS-1800 off: GSM-900 and UMTS-2100 stay")
            << "Check2" << QStringList{"3", "5,16504444444444", "2,57142857142857", "4,42718095238095"}
            << QStringList{"GSM:10dBi", "UMTS:10dBi", "", "GSM:12dBi", "UMTS:13dBi", ""};
        QTest::newRow("UMTS-2100 off: GSM-900 and DCS-1800 stay")
            << "Check3" << QStringList{"4", "5,16977777777778", "3,42857142857143", "4,4312380952381"}
            << QStringList{"GSM:10dBi", "DCS:10dBi", "", "GSM:12dBi", "DCS:10dBi", ""};
    }
    void untickingOneOfThree() {
        QFETCH(QString, check);
        QFETCH(QStringList, index);
        QFETCH(QStringList, captions);
        calculateRoundDensities();
        QCOMPARE(texts({"sg1", "sd1", "su1"}), (QStringList{"5,4", "10,8", "6"}));
        click(check);
        QVERIFY(session->messages.shown.isEmpty());
        verifyCleared(check);
        QCOMPARE(texts(indexBoxes), index);
        QCOMPARE(form1::captions(), captions);
        QCOMPARE(linesShown(), (QList<bool>{true, false, true, true, true, false}));
        QVERIFY(enabled("proceed"));
    }

    void untickingDownToOneBandWritesItsOwnRatios() {
        enter(gsm, "1,6956", "12", "10");
        enter(dcs, "3,3912", "10", "10");
        distances("1", "1");
        press("calculate");
        click("Check2");
        // 5,4/2,7 and the unrounded 5,4/3,15, not "Δεν ορίζεται".
        QCOMPARE(texts(indexBoxes),
                 (QStringList{"2", "3,16977777777778", "1,71428571428571", "2,71695238095238"}));
        QCOMPARE(captions(), (QStringList{"GSM:10dBi", "", "", "", "GSM:12dBi", ""}));
        QCOMPARE(linesShown(), (QList<bool>{true, false, false, false, true, false}));
    }

    void aRemainingBandThatFailsGetsItsHint_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("text"); // pasted into those boxes
        QTest::addColumn<QString>("band");
        QTest::newRow("Check1, DCS power 0") << "Check1" << QStringList{"pdcs"} << "0"
                                             << "DCS-1800";
        QTest::newRow("Check1, UMTS gain 0") << "Check1" << QStringList{"gmlumts"} << "0"
                                             << "UMTS-2100";
        QTest::newRow("Check1, both: the first only") << "Check1" << QStringList{"pdcs", "pumts"} << "0"
                                                      << "DCS-1800";
        QTest::newRow("Check2, GSM side lobe 0") << "Check2" << QStringList{"gslgsm"} << "0,0"
                                                 << "GSM-900";
        QTest::newRow("Check2, UMTS power 0") << "Check2" << QStringList{"pumts"} << "0"
                                              << "UMTS-2100";
        QTest::newRow("Check3, GSM power 0") << "Check3" << QStringList{"pgsm"} << "0"
                                             << "GSM-900";
        QTest::newRow("Check3, DCS main lobe 0") << "Check3" << QStringList{"gmldcs"} << "0"
                                                 << "DCS-1800";
        QTest::newRow("Check3, both: the first only") << "Check3" << QStringList{"pgsm", "gsldcs"} << "0"
                                                      << "GSM-900";
        QTest::newRow("emptied box") << "Check1" << QStringList{"gsldcs"} << ""
                                     << "DCS-1800";
        QTest::newRow("two commas") << "Check2" << QStringList{"gmlumts"} << "1,2,3"
                                    << "UMTS-2100";
        QTest::newRow("letters") << "Check3" << QStringList{"pdcs"} << "abc"
                                 << "DCS-1800";
    }
    void aRemainingBandThatFailsGetsItsHint() {
        QFETCH(QString, check);
        QFETCH(QStringList, boxes);
        QFETCH(QString, text);
        QFETCH(QString, band);
        calculateRoundDensities();
        for (const QString& box : boxes)
            paste(box, text);
        auto expected = snapshot();
        click(check);
        QCOMPARE(session->messages.shown,
                 (QList<messages::Shown>{{messages::Icon::Information, hint(qPrintable(band))}}));
        // The own band is cleared; the index and the diagram keep what they showed.
        verifyCleared(check);
        expectOwnBandCleared(expected, check);
        QCOMPARE(snapshot(), expected);
        QVERIFY(!session->programEnded);
    }

    void aNegativeValuePassesTheCheck() {
        calculateRoundDensities();
        paste("gsldcs", "-3");
        click("Check1");
        QVERIFY(session->messages.shown.isEmpty());
        QCOMPARE(text("depps1"), QStringLiteral("3"));
        QCOMPARE(captions().first(), QStringLiteral("DCS:-3dBi"));
    }

    void aBandTickedSinceTheCalculationHasNoDensities() {
        enterGsm();
        distances("10", "50");
        press("calculate");
        enterDcs(); // typed, not calculated: its densities are "-"
        session->messages.shown.clear();
        click("Check1");
        QCOMPARE(session->messages.texts(), QStringList{hint("DCS-1800")});
        verifyCleared("Check1");
        QCOMPARE(texts(indexBoxes), QStringList(4, "Δεν ορίζεται"));
        QCOMPARE(captions(), (QStringList{"GSM:5dBi", "", "", "", "GSM:17dBi", ""}));
        QCOMPARE(linesShown(), (QList<bool>{true, false, false, false, true, false}));
    }

    // Every remaining band's inputs are checked before any power density: a band
    // ticked and typed after the calculation holds "-" there, and gets its hint
    // only when all inputs pass.
    void inputsAreCheckedBeforeAnyDensity_data() {
        QTest::addColumn<QList<bool>>("calculated"); // GSM-900, DCS-1800, UMTS-2100
        QTest::addColumn<QList<bool>>("typedAfter");
        QTest::addColumn<QString>("zeroed");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("band");
        QTest::newRow("UMTS power 0 before DCS without densities")
            << QList<bool>{true, false, true} << QList<bool>{false, true, false} << "pumts"
            << "Check1"
            << "UMTS-2100";
        QTest::newRow("every input passes, DCS without densities")
            << QList<bool>{true, false, true} << QList<bool>{false, true, false} << ""
            << "Check1"
            << "DCS-1800";
        QTest::newRow("every input passes, the second band without densities")
            << QList<bool>{true, true, false} << QList<bool>{false, false, true} << ""
            << "Check2"
            << "UMTS-2100";
        QTest::newRow("DCS main lobe 0 after GSM without densities")
            << QList<bool>{false, true, true} << QList<bool>{true, false, false} << "gmldcs"
            << "Check3"
            << "DCS-1800";
    }
    void inputsAreCheckedBeforeAnyDensity() {
        QFETCH(QList<bool>, calculated);
        QFETCH(QList<bool>, typedAfter);
        QFETCH(QString, zeroed);
        QFETCH(QString, check);
        QFETCH(QString, band);
        enterUsual(calculated);
        distances("10", "50");
        press("calculate");
        enterUsual(typedAfter);
        if (!zeroed.isEmpty())
            type(zeroed, "0");
        session->messages.shown.clear();
        auto expected = snapshot();
        click(check);
        QCOMPARE(session->messages.shown,
                 (QList<messages::Shown>{{messages::Icon::Information, hint(qPrintable(band))}}));
        expectOwnBandCleared(expected, check);
        QCOMPARE(snapshot(), expected);
    }

    void proceedIsNeverTouched() {
        click("Check2");
        click("Check2");
        QVERIFY(!enabled("proceed"));
        calculateRoundDensities();
        for (const char* check : {"Check1", "Check2", "Check3"})
            click(check);
        QVERIFY(enabled("proceed"));
        QCOMPARE(texts(indexBoxes), QStringList(4, "-"));
    }
};

QTEST_MAIN(CheckBoxesTest)
#include "test_eeae_check_boxes.moc"
