// "Υπολογισμοί": the results, the index and the diagram for every combination of
// bands, the validation messages, and texts that are not numbers.
#include <QtTest>

#include "eeae_form1_driver.h"
#include "platform/numbers/numbers.h"
#include "study_test.h"

using namespace form1;

namespace {
const QString noBand = "Πρέπει να επιλέξετε τουλάχιστον ένα τύπο σταθμού βάσης για μελέτη";
const QString distanceMessage = "Έχετε εισάγει τουλάχιστον μία μηδενική τιμή απόστασης προς μελέτη.";
const QString gsmMessage = "Έχετε εισάγει μη έγκυρη τιμή παραμέτρου του σταθμού βάσης GSM-900";
const QString dcsMessage = "Έχετε εισάγει μη έγκυρη τιμή παραμέτρου του σταθμού βάσης DCS-1800";
const QString umtsMessage = "Έχετε εισάγει μη έγκυρη τιμή παραμέτρου του σταθμού βάσης UMTS-2100";
const QString notDefined = "Δεν ορίζεται";

// The figures of the study's usual inputs, rounded as the window shows them.
const QStringList gsmShown = {"0,2014", "0,1277", "8,7118",  "6,9364",
                              "0,0231", "0,0184", "10,8735", "10,0669"};
const QStringList dcsShown = {"0,1268", "0,0804", "6,9118", "5,5033", "0,0183", "0,0146", "6,1001", "5,6476"};
const QStringList umtsShown = {"0,12", "0,1075", "6,7241", "6,3631", "0,0178", "0,0169", "6,6912", "6,1949"};

const QStringList dashes8(8, "-");

void enterAll() {
    enterUsual({true, true, true});
    distances("10", "50");
}
} // namespace

class CalculateTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Session> session;
private slots:
    void init() { session = std::make_unique<testsupport::Session>(); }
    void cleanup() { session.reset(); }

    void noBandInAFreshWindow() {
        press("calculate");
        QCOMPARE(session->messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, noBand}}));
        for (const QString& box : resultBoxes())
            QCOMPARE(text(box), QStringLiteral("-"));
        QCOMPARE(captions(), QStringList(6, QString()));
        QCOMPARE(linesShown(), QList<bool>(6, false));
        QVERIFY(!enabled("proceed"));
    }

    void noBandClearsEarlierResults() {
        enterAll();
        press("calculate");
        QVERIFY(enabled("proceed"));
        // Unticking every band leaves its index and proceed; a press clears them.
        for (const char* check : {"Check1", "Check2", "Check3"})
            click(check);
        type("dp1", "7");
        press("calculate");
        QCOMPARE(session->messages.texts(), QStringList{noBand});
        for (const QString& box : resultBoxes())
            QCOMPARE(text(box), QStringLiteral("-"));
        QCOMPARE(captions(), QStringList(6, QString()));
        QCOMPARE(linesShown(), QList<bool>(6, false));
        QVERIFY(!enabled("proceed"));
        QCOMPARE(text("dp1"), QStringLiteral("7"));
    }

    void gsmOnly() {
        enterGsm();
        distances("10", "50");
        press("calculate");
        QVERIFY(session->messages.shown.isEmpty());
        QCOMPARE(texts(gsmResults), gsmShown);
        QCOMPARE(texts(dcsResults), dashes8);
        QCOMPARE(texts(umtsResults), dashes8);
        QCOMPARE(texts(indexBoxes), QStringList(4, notDefined));
        QCOMPARE(linesShown(), (QList<bool>{true, false, false, false, true, false}));
        QCOMPARE(captions(), (QStringList{"GSM:5dBi", "", "", "", "GSM:17dBi", ""}));
        QVERIFY(enabled("proceed"));
        // The inputs and their state are the user's.
        QCOMPARE(texts({"pgsm", "gmlgsm", "gslgsm", "dp1", "dp2"}),
                 (QStringList{"20", "17", "5", "10", "50"}));
        QVERIFY(enabled("pgsm") && !enabled("pdcs"));
    }

    void bandSets_data() {
        QTest::addColumn<QList<bool>>("ticks"); // Check1, Check2, Check3
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QList<bool>>("lines");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("1: all three")
            << QList<bool>{true, true, true} << QStringList{"0,118", "0,08", "0,101", "0,069"}
            << QList<bool>{true, true, true, true, true, true}
            << QStringList{"GSM:5dBi", "DCS:6dBi", "UMTS:4dBi", "GSM:17dBi", "DCS:18dBi", "UMTS:17,5dBi"};
        QTest::newRow("2: GSM, DCS") << QList<bool>{true, true, false}
                                     << QStringList{"0,098", "0,062", "0,084", "0,053"}
                                     << QList<bool>{true, false, true, true, true, false}
                                     << QStringList{"GSM:5dBi", "DCS:6dBi", "", "GSM:17dBi", "DCS:18dBi", ""};
        QTest::newRow("3: GSM, UMTS")
            << QList<bool>{true, false, true} << QStringList{"0,095", "0,065", "0,081", "0,056"}
            << QList<bool>{true, false, true, true, true, false}
            << QStringList{"GSM:5dBi", "UMTS:4dBi", "", "GSM:17dBi", "UMTS:17,5dBi", ""};
        QTest::newRow("4: DCS, UMTS")
            << QList<bool>{false, true, true} << QStringList{"0,043", "0,033", "0,037", "0,028"}
            << QList<bool>{true, false, true, true, true, false}
            << QStringList{"DCS:6dBi", "UMTS:4dBi", "", "DCS:18dBi", "UMTS:17,5dBi", ""};
        QTest::newRow("5: GSM") << QList<bool>{true, false, false} << QStringList(4, notDefined)
                                << QList<bool>{true, false, false, false, true, false}
                                << QStringList{"GSM:5dBi", "", "", "", "GSM:17dBi", ""};
        QTest::newRow("6: DCS") << QList<bool>{false, true, false} << QStringList(4, notDefined)
                                << QList<bool>{true, false, false, false, true, false}
                                << QStringList{"DCS:6dBi", "", "", "", "DCS:18dBi", ""};
        QTest::newRow("7: UMTS") << QList<bool>{false, false, true} << QStringList(4, notDefined)
                                 << QList<bool>{true, false, false, false, true, false}
                                 << QStringList{"UMTS:4dBi", "", "", "", "UMTS:17,5dBi", ""};
        QTest::newRow("8: none") << QList<bool>{false, false, false} << QStringList(4, "-")
                                 << QList<bool>(6, false) << QStringList(6, QString());
    }
    void bandSets() {
        QFETCH(QList<bool>, ticks);
        QFETCH(QStringList, index);
        QFETCH(QList<bool>, lines);
        QFETCH(QStringList, captions);
        // Every band typed in, then only the set's bands left ticked: unticked
        // bands hold "0" and "-" whatever was typed before.
        enterAll();
        const char* checks[] = {"Check1", "Check2", "Check3"};
        for (int b = 0; b < 3; ++b)
            if (!ticks[b])
                click(checks[b]);
        session->messages.shown.clear();
        press("calculate");
        const bool none = !ticks.contains(true);
        QCOMPARE(session->messages.texts(), none ? QStringList{noBand} : QStringList{});
        const QList<QStringList> bandResults = {gsmResults, dcsResults, umtsResults};
        const QList<QStringList> shown = {gsmShown, dcsShown, umtsShown};
        for (int b = 0; b < 3; ++b)
            QCOMPARE(texts(bandResults[b]), ticks[b] ? shown[b] : dashes8);
        QCOMPARE(texts(indexBoxes), index);
        QCOMPARE(linesShown(), lines);
        QCOMPARE(form1::captions(), captions);
        QCOMPARE(enabled("proceed"), !none);
    }

    void invalidInputs_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text"); // pasted, past the key filter
        QTest::addColumn<QString>("message");
        QTest::newRow("zero power") << "pdcs"
                                    << "0" << dcsMessage;
        QTest::newRow("negative gain") << "gslumts"
                                       << "-3" << umtsMessage;
        QTest::newRow("zero main-lobe gain") << "gmlgsm"
                                             << "0,0" << gsmMessage;
        QTest::newRow("emptied box") << "pgsm"
                                     << "" << gsmMessage;
        QTest::newRow("two commas") << "gmldcs"
                                    << "1,2,3" << dcsMessage;
        QTest::newRow("letters") << "pumts"
                                 << "abc" << umtsMessage;
        QTest::newRow("decimal point") << "gslgsm"
                                       << "2.5" << gsmMessage;
        QTest::newRow("gain beyond any figure") << "gmlumts"
                                                << "5000" << umtsMessage;
        QTest::newRow("zero distance 2") << "dp2"
                                         << "0" << distanceMessage;
        QTest::newRow("negative distance 1") << "dp1"
                                             << "-10" << distanceMessage;
        QTest::newRow("emptied distance") << "dp1"
                                          << "" << distanceMessage;
        QTest::newRow("distance not a number") << "dp2"
                                               << "1,2,3" << distanceMessage;
        QTest::newRow("distance near zero") << "dp1"
                                            << "0," + QString(300, '0') + "1" << distanceMessage;
    }
    void invalidInputs() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        // After an earlier success, so that "nothing changed" is seen on results.
        enterAll();
        press("calculate");
        paste(box, text);
        const auto before = snapshot();
        press("calculate");
        QCOMPARE(session->messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, message}}));
        QCOMPARE(snapshot(), before);
        QVERIFY(!session->programEnded);
    }

    // Distances that are not zero, yet a band's figure is beyond a double (its E
    // field at 1 m): that band's message, and no box is written.
    void aFigureTooLargeNamesItsBand_data() {
        QTest::addColumn<QStringList>("boxes"); // P, Gml, Gsl of the band
        QTest::addColumn<QString>("message");
        QTest::newRow("GSM-900") << QStringList{"pgsm", "gmlgsm", "gslgsm"} << gsmMessage;
        QTest::newRow("DCS-1800, after GSM-900 passed")
            << QStringList{"pdcs", "gmldcs", "gsldcs"} << dcsMessage;
        QTest::newRow("UMTS-2100") << QStringList{"pumts", "gmlumts", "gslumts"} << umtsMessage;
    }
    void aFigureTooLargeNamesItsBand() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        enterAll();
        press("calculate");
        type(boxes[0], "1");
        type(boxes[1], "3075");
        type(boxes[2], "5");
        distances("1", "1");
        const auto before = snapshot();
        press("calculate");
        QCOMPARE(session->messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, message}}));
        QCOMPARE(snapshot(), before);
        QVERIFY(!session->programEnded);
    }

    // A distance so small that the power density overflows, though the band's
    // own figures are showable at 1 m: the distance is at fault, not the band.
    // Typed with the keyboard, every key passing the filter.
    void aTinyDistanceIsTheDistancesFault_data() {
        QTest::addColumn<QString>("gain"); // main-lobe gain of GSM-900, power 20, side-lobe gain 5
        QTest::addColumn<QString>("d1");
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("message");
        const QString tiny = "0," + QString(159, '0') + "1"; // 1E-160
        QTest::newRow("d1 tiny") << "17" << tiny << "50" << distanceMessage;
        QTest::newRow("d2 tiny") << "17"
                                 << "10" << tiny << distanceMessage;
        QTest::newRow("both tiny") << "17" << tiny << tiny << distanceMessage;
        // Beyond a double at 1 m already: the band's own values are at fault.
        QTest::newRow("band beyond range at 1 m, distance 0,5") << "3060"
                                                                << "0,5"
                                                                << "0,5" << gsmMessage;
        // The same band shows its figures at 100 m: the study is calculated.
        QTest::newRow("band beyond range at 1 m, distance 100") << "3060"
                                                                << "100"
                                                                << "100" << QString();
    }
    void aTinyDistanceIsTheDistancesFault() {
        QFETCH(QString, gain);
        QFETCH(QString, d1);
        QFETCH(QString, d2);
        QFETCH(QString, message);
        enterGsm();
        distances("10", "50");
        press("calculate");
        type("gmlgsm", gain);
        distances(d1, d2);
        QCOMPARE(text("dp1"), d1);
        QCOMPARE(text("dp2"), d2);
        const auto before = snapshot();
        press("calculate");
        QVERIFY(!session->programEnded);
        if (message.isEmpty()) {
            QVERIFY2(session->messages.shown.isEmpty(), testsupport::listed(session->messages));
            QVERIFY(numbers::parse(text("sg2")).has_value());
            return;
        }
        QCOMPARE(session->messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, message}}));
        QCOMPARE(snapshot(), before);
    }

    // With DCS-1800 beyond range at 1 m and a tiny distance, the band is named,
    // though GSM-900, before it, fails only through the distance.
    void aBandBeyondRangeIsNamedBeforeATinyDistance() {
        enterGsm();
        enterDcs();
        distances("10", "50");
        press("calculate");
        type("gmldcs", "3060");
        distances("0," + QString(159, '0') + "1", "50");
        press("calculate");
        QCOMPARE(session->messages.texts(), QStringList{dcsMessage});
    }

    // The index comes from the unrounded densities: 0,0050475/2,7 + 0,100706/5,4
    // is 0,0205194; the shown 0,005 and 0,1007 would give 0,0205, shown as 0,02.
    void theIndexIsFormedBeforeRounding() {
        enter(gsm, "1", "17", "2");
        enter(dcs, "1", "18", "15");
        distances("10", "50");
        press("calculate");
        QCOMPARE(texts({"sg1", "sd1"}), (QStringList{"0,005", "0,1007"}));
        QCOMPARE(text("depps1"), QStringLiteral("0,021"));
    }

    void onlyTheFirstFailingBandIsReported_data() {
        QTest::addColumn<QStringList>("zeroed");
        QTest::addColumn<QString>("message");
        QTest::newRow("GSM and DCS powers") << QStringList{"pgsm", "pdcs"} << gsmMessage;
        QTest::newRow("DCS and UMTS") << QStringList{"gsldcs", "gmlumts"} << dcsMessage;
        QTest::newRow("UMTS and a distance") << QStringList{"pumts", "dp1"} << umtsMessage;
        QTest::newRow("both distances") << QStringList{"dp1", "dp2"} << distanceMessage;
    }
    void onlyTheFirstFailingBandIsReported() {
        QFETCH(QStringList, zeroed);
        QFETCH(QString, message);
        enterAll();
        for (const QString& box : zeroed)
            type(box, "0");
        const auto before = snapshot();
        press("calculate");
        QCOMPARE(session->messages.texts(), QStringList{message});
        QCOMPARE(snapshot(), before);
        QVERIFY(!enabled("proceed"));
    }

    void anUntickedBandIsNotLookedAt() {
        enterGsm();
        enterDcs();
        type("pdcs", "");
        click("Check2"); // its boxes back to "0", which would fail a ticked band
        distances("10", "50");
        session->messages.shown.clear();
        press("calculate");
        QVERIFY(session->messages.shown.isEmpty());
        QCOMPARE(texts(gsmResults), gsmShown);
    }

    void twoBandsRoundTheIndexToThreeDecimals() {
        enterGsm();
        enterDcs();
        distances("10", "50");
        press("calculate");
        QCOMPARE(text("depps1"), QStringLiteral("0,098"));
        QCOMPARE(text("depps3"), QStringLiteral("0,084"));
        QCOMPARE(linesShown(), (QList<bool>{true, false, true, true, true, false}));
    }

    void fieldsComeFromTheUnroundedDensity() {
        // 1 mW at 0,1 dBi and 3 m: S = 3,6E-05 W/m², shown as 0 after the
        // rounding, while E and H were computed from the unrounded value.
        enter(gsm, "0,001", "0,1", "0,1");
        distances("3", "3");
        press("calculate");
        QCOMPARE(texts({"sg1", "sg2", "eg1", "eg2", "mg1", "mg2"}),
                 (QStringList{"0", "0", "0,1168", "0,1168", "0,0003", "0,0003"}));
    }

    void captionsCopyTheTextAsTyped() {
        enter(gsm, "20", "17,50", "017");
        distances("10", "50");
        press("calculate");
        QCOMPARE(text("sg1"), QStringLiteral("3,1923"));
        QCOMPARE(captions(), (QStringList{"GSM:017dBi", "", "", "", "GSM:17,50dBi", ""}));
    }

    void aFailedPressKeepsProceedAsItWas() {
        enterGsm();
        distances("10", "50");
        press("calculate");
        type("dp2", "0");
        press("calculate");
        QVERIFY(enabled("proceed"));
        QCOMPARE(texts(gsmResults), gsmShown);
    }
};

QTEST_MAIN(CalculateTest)
#include "test_eeae_calculate.moc"
