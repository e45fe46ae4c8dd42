// The Salzburg arithmetic on its own: values as the windows would write them,
// and the inputs each formula has no value for.
#include <QtTest>
#include <functional>

#include "platform/numbers/numbers.h"
#include "salzburg/formulas.h"

using salzburg::Value;
using Formula = std::function<Value()>;
Q_DECLARE_METATYPE(Formula)

class SalzburgFormulasTest : public QObject {
    Q_OBJECT
private slots:
    void values_data() {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("expected");
        using namespace salzburg;
        QTest::newRow("vertical deviation, π as 3.1415")
            << Formula([] { return verticalDeviation(11, 0, 0, 25); }) << "23,8";
        QTest::newRow("vertical deviation with ground difference")
            << Formula([] { return verticalDeviation(30, 1.5, 2, 40); }) << "33,5";
        QTest::newRow("vertical deviation, tiny distance")
            << Formula([] { return verticalDeviation(30, 10, 0, 1e-300); }) << "90";
        QTest::newRow("downtilt, not rounded")
            << Formula([] { return deviationFromDowntilt(0.3, 0.1); }) << "0,2";
        QTest::newRow("overall gain, not rounded")
            << Formula([] { return overallGain(17.5, 2, 0, 1.2); }) << "14,3";
        QTest::newRow("20 W in dBm") << Formula([] { return dBmOfWatts(20); }) << "43,01";
        QTest::newRow("W below 0,005 written 0") << Formula([] { return wattsOfDbm(6.9); }) << "0";
        QTest::newRow("gain factor, rounded") << Formula([] { return gainFactor(15); }) << "31,62";
        QTest::newRow("gain factor, rounds to 0") << Formula([] { return gainFactor(-30); }) << "0";
        QTest::newRow("power density")
            << Formula([] { return powerDensity(10, 2, 31.62, squaredDistance(30, 10, 0, 50)); }) << "17,35";
        QTest::newRow("power density, no transceivers")
            << Formula([] { return powerDensity(10, 0, 31.62, 2900); }) << "0";
        QTest::newRow("reduced power")
            << Formula([] { return reducedPower(100, 2900, 31.62, 2); }) << "57,62";
        QTest::newRow("squared distance") << Formula([] {
            return Value{squaredDistance(30, 10, 5, 20), {}};
        }) << "625";
        QTest::newRow("height difference, not rounded")
            << Formula([] { return heightDifference(25, 1.5); }) << "23,5";
    }
    void values() {
        QFETCH(Formula, formula);
        QFETCH(QString, expected);
        const Value value = formula();
        QVERIFY2(value.number, qPrintable(value.whyNot));
        QCOMPARE(numbers::text(*value.number), expected);
    }

    void noValue_data() {
        QTest::addColumn<Formula>("formula");
        QTest::addColumn<QString>("why");
        using namespace salzburg;
        const QString range = QStringLiteral("το αποτέλεσμα ξεπερνά τα όρια των αριθμών");
        const QString coincide = QStringLiteral("η κεραία και το σημείο έκθεσης συμπίπτουν (απόσταση 0)");
        const QString noLog =
            QStringLiteral("η ισχύς σε W δεν είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο");
        QTest::newRow("distance 0") << Formula([] { return verticalDeviation(30, 10, 0, 0); })
                                    << "η τιμή «Οριζόντια απόσταση (m)» είναι 0";
        QTest::newRow("distance and height 0") << Formula([] { return verticalDeviation(10, 10, 0, 0); })
                                               << "η τιμή «Οριζόντια απόσταση (m)» είναι 0";
        QTest::newRow("no power") << Formula([] { return dBmOfWatts(0); }) << noLog;
        QTest::newRow("negative power") << Formula([] { return dBmOfWatts(-1); }) << noLog;
        QTest::newRow("huge power") << Formula([] { return dBmOfWatts(1e307); }) << range;
        QTest::newRow("huge dBm") << Formula([] { return wattsOfDbm(5000); }) << range;
        QTest::newRow("gain beyond range") << Formula([] { return gainFactor(3090); }) << range;
        QTest::newRow("losses beyond range")
            << Formula([] { return overallGain(1e308, -1e308, 0, 0); }) << range;
        QTest::newRow("density at the antenna")
            << Formula([] { return powerDensity(10, 2, 31.62, 0); }) << coincide;
        QTest::newRow("density beyond range")
            << Formula([] { return powerDensity(10, 2, 1e307, 2900); }) << range;
        QTest::newRow("reduced power at the antenna")
            << Formula([] { return reducedPower(100, 0, 31.62, 2); }) << coincide;
        QTest::newRow("reduced power, no transceivers")
            << Formula([] { return reducedPower(100, 2900, 31.62, 0); })
            << "η τιμή «Αριθμός πομποδεκτών» είναι 0";
    }
    void noValue() {
        QFETCH(Formula, formula);
        QFETCH(QString, why);
        const Value value = formula();
        QVERIFY(!value.number);
        QCOMPARE(value.whyNot, why);
    }
};

QTEST_GUILESS_MAIN(SalzburgFormulasTest)
#include "test_salzburg_formulas.moc"
