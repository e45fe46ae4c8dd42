// The band arithmetic on its own: figures, limits, the exposure index and what
// the site diagram shows for the bands in the study.
#include <QtTest>
#include <cmath>

#include "eeae/band_calculation.h"
#include "eeae/diagram_state.h"
#include "platform/numbers/numbers.h"

using eeae::Band;

Q_DECLARE_METATYPE(eeae::Band)

namespace {
QStringList shownAt(const eeae::BandFigures& figures, int decimals) {
    QStringList texts;
    for (double f : figures)
        texts << numbers::text(numbers::roundHalfEven(f, decimals));
    return texts;
}
} // namespace

class BandCalculationTest : public QObject {
    Q_OBJECT
private slots:
    void figures_data() {
        QTest::addColumn<Band>("band");
        QTest::addColumn<double>("power");
        QTest::addColumn<double>("mainGain");
        QTest::addColumn<double>("sideGain");
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::addColumn<QStringList>("shown"); // s1 s2 e1 e2 m1 m2 d60 d70 at 4 decimals
        QTest::newRow("GSM-900 20 W, 17 and 5 dBi, 10 and 50 m")
            << Band::Gsm << 20.0 << 17.0 << 5.0 << 10.0 << 50.0
            << QStringList{"0,2014", "0,1277", "8,7118", "6,9364", "0,0231", "0,0184", "10,8735", "10,0669"};
        QTest::newRow("DCS-1800 10 W, 18 and 6 dBi")
            << Band::Dcs << 10.0 << 18.0 << 6.0 << 10.0 << 50.0
            << QStringList{"0,1268", "0,0804", "6,9118", "5,5033", "0,0183", "0,0146", "6,1001", "5,6476"};
        QTest::newRow("UMTS-2100 15 W, 17,5 and 4 dBi")
            << Band::Umts << 15.0 << 17.5 << 4.0 << 10.0 << 50.0
            << QStringList{"0,12", "0,1075", "6,7241", "6,3631", "0,0178", "0,0169", "6,6912", "6,1949"};
        // π is 3.14: 10 W at 0 dBi and 1 m is 10 / 3.14, not 10 / π.
        QTest::newRow("pi taken as 3.14")
            << Band::Gsm << 10.0 << 10.0 << 0.0 << 1.0 << 1.0
            << QStringList{"3,1847", "31,8471", "34,641", "109,5445", "0,0919", "0,2907", "3,4344", "3,1797"};
    }
    void figures() {
        QFETCH(Band, band);
        QFETCH(double, power);
        QFETCH(double, mainGain);
        QFETCH(double, sideGain);
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(QStringList, shown);
        QCOMPARE(shownAt(eeae::bandFigures(band, {power, mainGain, sideGain}, d1, d2), 4), shown);
    }

    void limits_data() {
        QTest::addColumn<Band>("band");
        QTest::addColumn<double>("l60");
        QTest::addColumn<double>("l70");
        QTest::newRow("GSM-900") << Band::Gsm << 2.7 << 3.15;
        QTest::newRow("DCS-1800") << Band::Dcs << 5.4 << 6.3;
        QTest::newRow("UMTS-2100") << Band::Umts << 6.0 << 7.0;
    }
    void limits() {
        QFETCH(Band, band);
        QFETCH(double, l60);
        QFETCH(double, l70);
        QCOMPARE(eeae::limitsOf(band).l60, l60);
        QCOMPARE(eeae::limitsOf(band).l70, l70);
    }

    void exposureIndex_data() {
        QTest::addColumn<QList<double>>("densities"); // s1, s2 per band in the study, in band order
        QTest::addColumn<QList<int>>("bands");
        QTest::addColumn<QStringList>("index");
        QTest::newRow("own ratios of one band")
            << QList<double>{5.4, 5.4} << QList<int>{0}
            << QStringList{"2", "2", "1,71428571428571", "1,71428571428571"};
        QTest::newRow("each term with its own limit")
            << QList<double>{10.8, 7.0, 6.0, 14.0} << QList<int>{1, 2}
            << QStringList{"3", "3,62962962962963", "2,57142857142857", "3,11111111111111"};
        // (DCS-1800 + GSM-900) + UMTS-2100 ends in ...518; any other grouping in ...519.
        QTest::newRow("three bands summed DCS, GSM, then UMTS")
            << QList<double>{11.4749, 0, 5.7063, 0, 1.2786, 0} << QList<int>{0, 1, 2}
            << QStringList{"5,51978518518518", "0", "4,73124444444444", "0"};
    }
    void exposureIndex() {
        QFETCH(QList<double>, densities);
        QFETCH(QList<int>, bands);
        QFETCH(QStringList, index);
        std::vector<eeae::BandDensities> study;
        for (int i = 0; i < bands.size(); ++i)
            study.push_back({static_cast<Band>(bands[i]), densities[2 * i], densities[2 * i + 1]});
        QStringList texts;
        for (double value : eeae::exposureIndex(study))
            texts << numbers::text(value);
        QCOMPARE(texts, index);
    }

    void showable_data() {
        QTest::addColumn<double>("power");
        QTest::addColumn<double>("mainGain");
        QTest::addColumn<double>("sideGain");
        QTest::addColumn<double>("distance");
        QTest::addColumn<bool>("inputsFit");
        QTest::addColumn<bool>("figuresFit");
        QTest::newRow("ordinary") << 20.0 << 17.0 << 5.0 << 10.0 << true << true;
        QTest::newRow("main-lobe gain beyond a double") << 20.0 << 5000.0 << 5.0 << 10.0 << false << false;
        QTest::newRow("side-lobe gain beyond a double") << 20.0 << 17.0 << 5000.0 << 10.0 << false << false;
        QTest::newRow("E field beyond a double") << 1.0 << 3075.0 << 5.0 << 1.0 << true << false;
        QTest::newRow("distance near zero") << 20.0 << 17.0 << 5.0 << 1e-200 << true << false;
    }
    void showable() {
        QFETCH(double, power);
        QFETCH(double, mainGain);
        QFETCH(double, sideGain);
        QFETCH(double, distance);
        QFETCH(bool, inputsFit);
        QFETCH(bool, figuresFit);
        const eeae::BandInputs in{power, mainGain, sideGain};
        QCOMPARE(eeae::inputsShowable(Band::Gsm, in), inputsFit);
        const eeae::BandFigures figures = eeae::bandFigures(Band::Gsm, in, distance, distance);
        QCOMPARE(eeae::figuresShowable(figures), figuresFit);
        if (figuresFit)
            for (const QString& text : shownAt(figures, 4))
                QVERIFY(numbers::parse(text).has_value());
    }

    void diagram_data() {
        QTest::addColumn<int>("bandCount");
        QTest::addColumn<QList<bool>>("lines");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("no band") << 0 << QList<bool>{false, false, false, false, false, false}
                                 << QStringList{"", "", "", "", "", ""};
        QTest::newRow("one band, main-lobe caption in the middle place")
            << 1 << QList<bool>{true, false, false, false, true, false}
            << QStringList{"UMTS:3dBi", "", "", "", "UMTS:12dBi", ""};
        QTest::newRow("two bands take the first two places")
            << 2 << QList<bool>{true, false, true, true, true, false}
            << QStringList{"UMTS:3dBi", "DCS:017dBi", "", "UMTS:12dBi", "DCS:17,5dBi", ""};
        QTest::newRow("three bands") << 3 << QList<bool>{true, true, true, true, true, true}
                                     << QStringList{"UMTS:3dBi",  "DCS:017dBi",  "GSM:-2dBi",
                                                    "UMTS:12dBi", "DCS:17,5dBi", "GSM:20dBi"};
    }
    void diagram() {
        QFETCH(int, bandCount);
        QFETCH(QList<bool>, lines);
        QFETCH(QStringList, captions);
        // The captions copy the gain boxes' texts as typed.
        const std::vector<eeae::DiagramBand> bands = {
            {"UMTS:", "3", "12"}, {"DCS:", "017", "17,5"}, {"GSM:", "-2", "20"}};
        const eeae::DiagramView view =
            eeae::diagramFor(std::vector<eeae::DiagramBand>(bands.begin(), bands.begin() + bandCount));
        QCOMPARE(QList<bool>(view.linesShown.begin(), view.linesShown.end()), lines);
        QCOMPARE(QStringList(view.captions.begin(), view.captions.end()), captions);
    }
};

QTEST_GUILESS_MAIN(BandCalculationTest)
#include "test_eeae_band_calculation.moc"
