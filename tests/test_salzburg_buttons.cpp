// The per-sector buttons of the Salzburg grid: what they write, and what they say
// when an input is empty, no number, or gives the formula no value.
#include <QtTest>

#include "platform/runtime/messages.h"
#include "salzburg_grid.h"
#include "study_test.h"

using namespace testsupport;
using messages::Icon;

Q_DECLARE_METATYPE(messages::Icon)

namespace {
const QString verticalDeviationMissing =
    QStringLiteral("Ανεπαρκείς παράμετροι για τον υπολογισμό της Κάθετης Απόκλισης!");
const QString downtiltMissing =
    QStringLiteral("Ανεπαρκείς παράμετροι για τον υπολογισμό της Κάθετης Απόκλισης σε "
                   "σχέση με την προς τα κάτω κλίση της κεραίας!");
const QString gainMissing = QStringLiteral(" Ανεπαρκείς παράμετροι για τον υπολογισμό του Γενικού Κέρδους!");
const QString dBmMissing =
    QStringLiteral("Ανεπαρκείς παράμετροι για τον υπολογισμό της ισχύος ανά φέρουσα(dBm)!");
const QString wattMissing =
    QStringLiteral(" Ανεπαρκείς παράμετροι για τον υπολογισμό της ισχύος ανά φέρουσα (W)!");

int sectorOf(const QString& button) {
    for (QChar c : button)
        if (c.isDigit())
            return c.digitValue();
    return 0;
}
} // namespace

class SalzburgButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void writesItsResult_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<char>("written");
        QTest::addColumn<QString>("expected");
        // π is 3.1415 here: the full value would give 23,7.
        QTest::newRow("vertical deviation, short π") << "calc1a"
                                                     << "k=11;l=0;m=0;n=25" << 'o' << "23,8";
        QTest::newRow("vertical deviation") << "calc2a"
                                            << "k=30;l=1,5;m=0;n=50" << 'o' << "29,7";
        QTest::newRow("exposure point above the antenna") << "calc3a"
                                                          << "k=10;l=15;m=0;n=10" << 'o' << "-26,6";
        QTest::newRow("level with the antenna") << "calc6a"
                                                << "k=7;l=7;m=0;n=3" << 'o' << "0";
        QTest::newRow("deviation from downtilt") << "calc1b"
                                                 << "o=0,3;j=0,1" << 'p' << "0,2";
        QTest::newRow("deviation from downtilt, degrees") << "calc5b"
                                                          << "o=29,7;j=6" << 'p' << "23,7";
        QTest::newRow("overall gain") << "calc1c"
                                      << "r=17,5;u=2;s=0;t=1,2" << 'v' << "14,3";
        QTest::newRow("overall gain, order of the losses") << "calc4c"
                                                           << "r=18;u=3;s=1,5;t=0,5" << 'v' << "13";
        QTest::newRow("20 W in dBm") << "to_dBm1"
                                     << "e=20" << 'f' << "43,01";
        QTest::newRow("1 W in dBm") << "to_dBm1"
                                    << "e=1" << 'f' << "30";
        QTest::newRow("0,5 W in dBm") << "to_dBm6"
                                      << "e=0,5" << 'f' << "26,99";
        QTest::newRow("43 dBm in W") << "to_Watt1"
                                     << "f=43" << 'e' << "19,95";
        QTest::newRow("30 dBm in W") << "to_Watt1"
                                     << "f=30" << 'e' << "1";
        QTest::newRow("0 dBm in W") << "to_Watt2"
                                    << "f=0" << 'e' << "0";
        QTest::newRow("blanks around a number") << "to_Watt3"
                                                << "f= 30 " << 'e' << "1";
    }
    void writesItsResult() {
        QFETCH(QString, button);
        QFETCH(QString, inputs);
        QFETCH(char, written);
        QFETCH(QString, expected);
        Session session;
        const int sector = sectorOf(button);
        tick(sector);
        fill(sector, inputs);
        fill(sector, QStringLiteral("%1=old").arg(written));
        press(grid, button);
        QCOMPARE(gridBox(sector, written)->text(), expected);
        QVERIFY(session.messages.shown.isEmpty());
    }

    // An empty input: the kind's message with its icon, and nothing changes.
    void emptyInputChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<char>("written");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Icon>("icon");
        QTest::newRow("calc1a, n empty")
            << "calc1a"
            << "k=30;l=10;m=0" << 'o' << verticalDeviationMissing << Icon::Critical;
        QTest::newRow("calc2a, all empty") << "calc2a"
                                           << "" << 'o' << verticalDeviationMissing << Icon::Critical;
        QTest::newRow("calc1b, j empty") << "calc1b"
                                         << "o=23,8" << 'p' << downtiltMissing << Icon::Critical;
        QTest::newRow("calc3c, t empty") << "calc3c"
                                         << "r=17;u=2;s=0" << 'v' << gainMissing << Icon::Critical;
        QTest::newRow("to_dBm1: a hint") << "to_dBm1"
                                         << "" << 'f' << dBmMissing << Icon::Information;
        QTest::newRow("to_dBm2: an error") << "to_dBm2"
                                           << "" << 'f' << dBmMissing << Icon::Critical;
        QTest::newRow("to_dBm6: an error") << "to_dBm6"
                                           << "" << 'f' << dBmMissing << Icon::Critical;
        QTest::newRow("to_Watt3") << "to_Watt3"
                                  << "" << 'e' << wattMissing << Icon::Critical;
    }
    void emptyInputChangesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, inputs);
        QFETCH(char, written);
        QFETCH(QString, message);
        QFETCH(Icon, icon);
        Session session;
        const int sector = sectorOf(button);
        tick(sector);
        fill(sector, inputs);
        fill(sector, QStringLiteral("%1=kept").arg(written));
        const QStringList before = [&] {
            QStringList texts;
            for (char row = 'a'; row <= 'v'; ++row)
                texts << gridBox(sector, row)->text();
            return texts;
        }();
        press(grid, button);
        QCOMPARE(session.messages.shown, (QList<messages::Shown>{{icon, message}}));
        for (char row = 'a'; row <= 'v'; ++row)
            QCOMPARE(gridBox(sector, row)->text(), before[row - 'a']);
    }

    // Inputs the formula has no value for: a message naming the sector and the
    // quantity, the box keeps its text, nothing "inf" or "nan" is written.
    void noValueChangesNothing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<char>("written");
        QTest::addColumn<QString>("message");
        QTest::newRow("distance is no number") << "calc1a"
                                               << "k=30;l=10;m=0;n=πενήντα" << 'o'
                                               << "Τομέας 1, «Κάθετη απόκλιση (μοίρες)»: δεν υπολογίστηκε, "
                                                  "γιατί το πεδίο «Οριζόντια απόσταση (m)» "
                                                  "δεν περιέχει αριθμό.";
        QTest::newRow("two inputs no number")
            << "calc2a"
            << "k=30.5;l=10;m=x;n=50" << 'o'
            << "Τομέας 2, «Κάθετη απόκλιση (μοίρες)»: δεν υπολογίστηκε, γιατί τα πεδία «Ύψος κεραιών από τη "
               "χαμηλότερη άκρη (m)», «Διαφορά ύψους μεταξύ εδάφους του σημείου έκθεσης της κεραίας και της "
               "περιοχής που βρίσκεται η κεραία (m)» δεν περιέχουν αριθμό.";
        QTest::newRow("horizontal distance 0") << "calc3a"
                                               << "k=30;l=10;m=0;n=0" << 'o'
                                               << "Τομέας 3, «Κάθετη απόκλιση (μοίρες)»: δεν υπολογίστηκε, "
                                                  "γιατί η τιμή «Οριζόντια απόσταση (m)» "
                                                  "είναι 0.";
        QTest::newRow("blanks are no number")
            << "to_dBm1"
            << "e=   " << 'f'
            << "Τομέας 1, «Ισχύς στην είσοδο της κεραίας ανά φέρουσα (dBm)»: δεν υπολογίστηκε, γιατί το "
               "πεδίο "
               "«Ισχύς στην είσοδο της κεραίας ανά φέρουσα (W)» δεν περιέχει αριθμό.";
        QTest::newRow("no power") << "to_dBm4"
                                  << "e=0" << 'f'
                                  << "Τομέας 4, «Ισχύς στην είσοδο της κεραίας ανά φέρουσα (dBm)»: δεν "
                                     "υπολογίστηκε, γιατί η ισχύς σε "
                                     "W δεν είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο.";
        QTest::newRow("negative power") << "to_dBm5"
                                        << "e=-2" << 'f'
                                        << "Τομέας 5, «Ισχύς στην είσοδο της κεραίας ανά φέρουσα (dBm)»: δεν "
                                           "υπολογίστηκε, γιατί η ισχύς σε "
                                           "W δεν είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο.";
        QTest::newRow("power beyond range")
            << "to_Watt6"
            << "f=5000" << 'e'
            << "Τομέας 6, «Ισχύς στην είσοδο της κεραίας ανά φέρουσα (W)»: δεν υπολογίστηκε, γιατί το "
               "αποτέλεσμα ξεπερνά τα όρια των αριθμών.";
        QTest::newRow("gain beyond range")
            << "calc2c"
            << "r=1E308;u=-1E308;s=0;t=0" << 'v'
            << "Τομέας 2, «Γενικό κέρδος (dB)»: δεν υπολογίστηκε, γιατί το αποτέλεσμα ξεπερνά τα όρια των "
               "αριθμών.";
        QTest::newRow("deviation is no number")
            << "calc1b"
            << "o=23,8°;j=6" << 'p'
            << "Τομέας 1, «Κάθετη απόκλιση σε σχέση με την προς τα κάτω κλίση της κεραίας (μοίρες)»: δεν "
               "υπολογίστηκε, γιατί το πεδίο «Κάθετη απόκλιση (μοίρες)» δεν περιέχει αριθμό.";
    }
    void noValueChangesNothing() {
        QFETCH(QString, button);
        QFETCH(QString, inputs);
        QFETCH(char, written);
        QFETCH(QString, message);
        Session session;
        const int sector = sectorOf(button);
        tick(sector);
        fill(sector, inputs);
        if (!inputs.contains(QStringLiteral("%1=").arg(written)))
            fill(sector, QStringLiteral("%1=12,5").arg(written));
        const QString before = gridBox(sector, written)->text();
        press(grid, button);
        QCOMPARE(session.messages.shown, (QList<messages::Shown>{{Icon::Critical, message}}));
        QCOMPARE(gridBox(sector, written)->text(), before);
        QVERIFY(forms::isVisible(grid));
        QVERIFY(!session.programEnded);
    }

    // Each conversion rounds its own result, so there and back can differ in the
    // last decimal; 0,5 W comes back as 0,5.
    void thereAndBack() {
        Session session;
        tick(1);
        fill(1, "e=0,5");
        press(grid, "to_dBm1");
        QCOMPARE(gridBox(1, 'f')->text(), QStringLiteral("26,99"));
        press(grid, "to_Watt1");
        QCOMPARE(gridBox(1, 'e')->text(), QStringLiteral("0,5"));
    }

    // A button reads only its own column: another sector's boxes do not count.
    void readsOnlyItsOwnSector() {
        Session session;
        tick(1);
        tick(2);
        fill(1, "k=11;l=0;m=0;n=25");
        press(grid, "calc2a");
        QCOMPARE(session.messages.texts(), QStringList{verticalDeviationMissing});
        QVERIFY(gridBox(1, 'o')->text().isEmpty());
        QVERIFY(gridBox(2, 'o')->text().isEmpty());
    }
};

QTEST_MAIN(SalzburgButtonsTest)
#include "test_salzburg_buttons.moc"
