// Numbers as the windows hold them: Greek conventions, 15 digits, ties to even.
#include <QLocale>
#include <QtTest>
#include <cmath>
#include <limits>

#include "platform/numbers/numbers.h"

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing zero") << 31.60 << "31,6";
        QTest::newRow("whole") << 3.00 << "3";
        QTest::newRow("binary noise") << 0.3 - 0.1 << "0,2";
        QTest::newRow("small") << 0.00001 << "1E-05";
        QTest::newRow("small, no exponent") << 0.0001 << "0,0001";
        QTest::newRow("large") << 123456789012345678.0 << "1,23456789012346E+17";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("negative") << -26.6 << "-26,6";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("no grouping") << 1234.5 << "1234,5";
    }
    void text() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(numbers::text(value), expected);
    }

    void notFinite() {
        QVERIFY(numbers::text(std::numeric_limits<double>::infinity()).isEmpty());
        QVERIFY(numbers::text(std::numeric_limits<double>::quiet_NaN()).isEmpty());
    }

    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tie to even, down") << 0.125 << 2 << "0,12";
        QTest::newRow("tie to even, whole") << 2.5 << 0 << "2";
        QTest::newRow("tie to even, up") << 3.5 << 0 << "4";
        QTest::newRow("plain") << 31.6228 << 2 << "31,62";
        QTest::newRow("four decimals") << 0.201433 << 4 << "0,2014";
        QTest::newRow("negative") << -26.56 << 1 << "-26,6";
        QTest::newRow("too large to scale") << 1e307 << 2 << "1E+307";
    }
    void rounding() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(numbers::text(numbers::roundHalfEven(value, decimals)), expected);
    }

    void parse_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "2,5" << true << 2.5;
        QTest::newRow("blanks") << " 5 " << true << 5.0;
        QTest::newRow("minus") << "-3" << true << -3.0;
        QTest::newRow("plus") << "+4" << true << 4.0;
        QTest::newRow("exponent") << "1E-05" << true << 0.00001;
        QTest::newRow("leading zero") << "017" << true << 17.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank only") << "   " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("decimal point") << "2.5" << false << 0.0;
        QTest::newRow("grouping") << "1.234,5" << false << 0.0;
        QTest::newRow("infinite") << "1E999" << false << 0.0;
        QTest::newRow("word inf") << "inf" << false << 0.0;
    }
    void parse() {
        QFETCH(QString, input);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const std::optional<double> parsed = numbers::parse(input);
        QCOMPARE(parsed.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*parsed, value);
    }

    // A machine set to a decimal-point locale changes nothing.
    void independentOfTheMachineLocale() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(numbers::text(2.5), QStringLiteral("2,5"));
        QCOMPARE(numbers::parse(QStringLiteral("2,5")), std::optional<double>(2.5));
        QVERIFY(!numbers::parse(QStringLiteral("2.5")));
        QLocale::setDefault(before);
    }

    // At both ends of the range the text reads back as a finite number; next to
    // the largest double the 15 digits are cut toward zero, since the nearest
    // form 1,79769313486232E+308 lies beyond it.
    void everyTextReadsBack_data() {
        using limits = std::numeric_limits<double>;
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("largest") << limits::max() << "1,79769313486231E+308";
        QTest::newRow("next below the largest")
            << std::nextafter(limits::max(), 0.0) << "1,79769313486231E+308";
        QTest::newRow("lowest") << limits::lowest() << "-1,79769313486231E+308";
        QTest::newRow("next above the lowest")
            << std::nextafter(limits::lowest(), 0.0) << "-1,79769313486231E+308";
        QTest::newRow("largest with 15 digits") << 1.79769313486231e308 << "1,79769313486231E+308";
        QTest::newRow("rounds down near the top") << 1.797693134862314e308 << "1,79769313486231E+308";
        QTest::newRow("smallest normal") << limits::min() << "2,2250738585072E-308";
        QTest::newRow("largest subnormal") << std::nextafter(limits::min(), 0.0) << "2,2250738585072E-308";
        QTest::newRow("smallest") << limits::denorm_min() << "4,94065645841247E-324";
        QTest::newRow("next to the smallest")
            << std::nextafter(limits::denorm_min(), 1.0) << "9,88131291682493E-324";
        QTest::newRow("negative smallest") << -limits::denorm_min() << "-4,94065645841247E-324";
    }
    void everyTextReadsBack() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        const QString shown = numbers::text(value);
        QCOMPARE(shown, expected);
        const std::optional<double> back = numbers::parse(shown);
        QVERIFY2(back && std::isfinite(*back), qPrintable(shown));
        QVERIFY(*back != 0 && (*back < 0) == (value < 0));
    }

    void roundTrip() {
        for (double v : {31.62, 0.2014, 8.7118, 1e-5, 1234567.891})
            QCOMPARE(*numbers::parse(numbers::text(v)), v);
    }

    // At 15 digits the largest values would round past the largest double, and
    // their text would no longer read as a number.
    void largestValues_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const double largest = std::numeric_limits<double>::max();
        QTest::newRow("largest") << largest << "1,79769313486231E+308";
        QTest::newRow("largest negative") << -largest << "-1,79769313486231E+308";
        QTest::newRow("next below the largest") << std::nextafter(largest, 0.0) << "1,79769313486231E+308";
        QTest::newRow("already below") << 1.797693134862312e308 << "1,79769313486231E+308";
        QTest::newRow("below the rounding") << 1.79769313486229e308 << "1,79769313486229E+308";
    }
    void largestValues() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(numbers::text(value), expected);
        const std::optional<double> back = numbers::parse(expected);
        QVERIFY(back.has_value());
        QVERIFY(std::fabs(*back - value) <= std::fabs(value) * 1e-14);
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "test_numbers.moc"
