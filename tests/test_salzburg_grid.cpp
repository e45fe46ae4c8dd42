// The Salzburg sector grid: its controls, initial state, tick boxes and keyboard order.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "salzburg_grid.h"
#include "study_test.h"

using namespace testsupport;

namespace {
const QString rows = QStringLiteral("abcdefghijklmnopqrstuv");
const QStringList buttonStems = {"calc%1a", "calc%1b", "calc%1c", "to_dBm%1", "to_Watt%1"};

QAbstractButton* sectorButton(const QString& stem, int sector) {
    return forms::control<QAbstractButton>(grid, stem.arg(sector));
}

// Every box and button of the grid, enabled or not, with its text.
QStringList gridState() {
    QStringList state;
    for (int sector = 1; sector <= 6; ++sector) {
        for (QChar row : rows) {
            QLineEdit* box = gridBox(sector, row.toLatin1());
            state << QStringLiteral("%1=%2%3").arg(box->objectName(),
                                                   box->isEnabled() ? "on:" : "off:", box->text());
        }
        for (const QString& stem : buttonStems)
            state << QStringLiteral("%1=%2").arg(stem.arg(sector),
                                                 sectorButton(stem, sector)->isEnabled() ? "on" : "off");
    }
    return state;
}

QStringList onlySector(const QStringList& state, int sector) {
    const QRegularExpression own(QStringLiteral("^(sec%1.|calc%1.|to_dBm%1|to_Watt%1)=").arg(sector));
    return state.filter(own);
}

QStringList exceptSector(QStringList state, int sector) {
    const QStringList own = onlySector(state, sector);
    for (const QString& entry : own)
        state.removeOne(entry);
    return state;
}
} // namespace

class SalzburgGridTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAreNamedAndCaptioned() {
        Session session;
        forms::Window* window = forms::get(grid);
        QCOMPARE(window->windowTitle(), QStringLiteral("Τομεοποίηση"));
        for (int sector = 1; sector <= 6; ++sector) {
            QCheckBox* check = forms::control<QCheckBox>(grid, QStringLiteral("Check%1").arg(sector));
            QVERIFY(check);
            QCOMPARE(check->text(), QStringLiteral("-"));
            for (QChar row : rows)
                QVERIFY2(gridBox(sector, row.toLatin1()),
                         qPrintable(QStringLiteral("sec%1%2").arg(sector).arg(row)));
            const QStringList captions = {"Calc...", "Calc...", "Calc...", "-->dBm", "-->W"};
            for (int i = 0; i < buttonStems.size(); ++i)
                QCOMPARE(sectorButton(buttonStems[i], sector)->text(), captions[i]);
        }
        QCOMPARE(forms::control<QAbstractButton>(grid, "calculations")->text(),
                 QStringLiteral("Calculate..."));
        QCOMPARE(forms::control<QAbstractButton>(grid, "back1")->text(), QStringLiteral("Back"));
        QCOMPARE(
            forms::control<QLabel>(grid, "Label23")->text(),
            QStringLiteral("Διαφορά ύψους μεταξύ εδάφους του σημείου έκθεσης της κεραίας και της περιοχής "
                           "που βρίσκεται η κεραία (m)*"));
        QCOMPARE(forms::control<QLabel>(grid, "Label17")->text(), QStringLiteral("Γενικό κέρδος (dB)"));
    }

    // The caption of each row stands at its left, level with the row's boxes.
    void rowCaptions_data() {
        QTest::addColumn<QChar>("row");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        const char* const table[][3] = {
            {"a", "Label2", "Τομέας"},
            {"b", "Label22", "Αριθμός που αντιστοιχεί στο χάρτη"},
            {"c", "Label4", "Αριθμός πομποδεκτών"},
            {"d", "Label1", "Συχνότητα λειτουργίας(MHz)"},
            {"e", "Label5", "Ισχύς στην είσοδο της κεραίας ανά φέρουσα (W)"},
            {"f", "Label6", "Ισχύς στην είσοδο της κεραίας ανά φέρουσα (dBm)"},
            {"g", "Label7", "Κατεύθυνση (μοίρες)"},
            {"h", "Label8", "Τύπος κεραιών"},
            {"i", "Label11", "Οριζόντια απόκλιση (μοίρες)"},
            {"j", "Label10", "Προς τα κάτω κλίση της κεραίας (μοίρες) *"},
            {"k", "Label18", "Ύψος κεραιών από τη χαμηλότερη άκρη (m) *"},
            {"l", "Label19", "Ύψος του σημείου έκθεσης της κεραίας (m) *"},
            {"m", "Label23",
             "Διαφορά ύψους μεταξύ εδάφους του σημείου έκθεσης της κεραίας και της περιοχής που βρίσκεται "
             "η κεραία (m)*"},
            {"n", "Label20", "Οριζόντια απόσταση (m) *"},
            {"o", "Label12", "Κάθετη απόκλιση (μοίρες)"},
            {"p", "Label13", "Κάθετη απόκλιση σε σχέση με την προς τα κάτω κλίση της κεραίας (μοίρες)"},
            {"q", "Label21", "Όριο πυκνότητας ισχύος ανά περιοχή και χειριστή (mW/m2)"},
            {"r", "Label9", "Κέρδος κεραιών (dBi) *"},
            {"s", "Label14", "Οριζόντια απώλεια (dB) *"},
            {"t", "Label15", "Κατακόρυφη απώλεια (dB) *"},
            {"u", "Label16", "Απώλεια καλωδίων (dB) *"},
            {"v", "Label17", "Γενικό κέρδος (dB)"},
        };
        for (const auto& entry : table)
            QTest::newRow(entry[0]) << QChar::fromLatin1(entry[0][0]) << QString::fromLatin1(entry[1])
                                    << QString::fromUtf8(entry[2]);
    }
    void rowCaptions() {
        QFETCH(QChar, row);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        Session session;
        const QLabel* shown = forms::control<QLabel>(grid, label);
        QVERIFY2(shown, qPrintable(label));
        QCOMPARE(shown->text(), caption);
        // Level with its row: rows stand 480 twips (32 px) apart.
        const QRect box = gridBox(1, row.toLatin1())->geometry();
        QCOMPARE(shown->parentWidget(), gridBox(1, row.toLatin1())->parentWidget());
        QVERIFY(qAbs(shown->geometry().center().y() - box.center().y()) < 16);
        QVERIFY(shown->geometry().right() < box.left());
    }

    // Rows 480 twips (32 px) apart, columns 2040 (136 px) apart, column 6 another
    // 240 (16 px) further; each button beside the box of its row.
    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("relativeTo");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("next row") << "sec1b"
                                  << "sec1a" << QPoint(0, 32);
        QTest::newRow("last row") << "sec1v"
                                  << "sec1a" << QPoint(0, 21 * 32);
        QTest::newRow("next column") << "sec2a"
                                     << "sec1a" << QPoint(136, 0);
        QTest::newRow("column 5") << "sec5k"
                                  << "sec1k" << QPoint(4 * 136, 0);
        QTest::newRow("column 6") << "sec6k"
                                  << "sec5k" << QPoint(136 + 16, 0);
        QTest::newRow("-->dBm beside row e") << "to_dBm3"
                                             << "sec3e" << QPoint(84, 0);
        QTest::newRow("-->W beside row f") << "to_Watt3"
                                           << "sec3f" << QPoint(84, 0);
        QTest::newRow("Calc beside row o") << "calc4a"
                                           << "sec4o" << QPoint(84, 0);
        QTest::newRow("Calc beside row p") << "calc4b"
                                           << "sec4p" << QPoint(84, 0);
        QTest::newRow("Calc beside row v") << "calc4c"
                                           << "sec4v" << QPoint(84, 0);
        QTest::newRow("tick box left of row a") << "sec2a"
                                                << "Check2" << QPoint(40, 0);
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, relativeTo);
        QFETCH(QPoint, offset);
        Session session;
        const QWidget* control = forms::control<QWidget>(grid, name);
        const QWidget* reference = forms::control<QWidget>(grid, relativeTo);
        QCOMPARE(control->pos() - reference->pos(), offset);
        QCOMPARE(control->height(), 19);
        if (name.startsWith(QLatin1String("sec")))
            QCOMPARE(control->width(), 81);
    }

    void initialState() {
        Session session;
        forms::show(grid);
        for (int sector = 1; sector <= 6; ++sector) {
            QVERIFY(!forms::control<QCheckBox>(grid, QStringLiteral("Check%1").arg(sector))->isChecked());
            for (QChar row : rows) {
                QLineEdit* box = gridBox(sector, row.toLatin1());
                const bool typableBeforeTick = sector == 1 && (row == 't' || row == 'u');
                QCOMPARE(box->isEnabled(), typableBeforeTick);
                QVERIFY(box->text().isEmpty());
            }
            for (const QString& stem : buttonStems)
                QVERIFY(!sectorButton(stem, sector)->isEnabled());
        }
        QVERIFY(forms::control<QWidget>(grid, "calculations")->isEnabled());
        QVERIFY(forms::control<QWidget>(grid, "back1")->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(forms::get(grid)));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Check1"));
    }

    void tickOpensOnlyItsSector_data() {
        QTest::addColumn<int>("sector");
        QTest::newRow("sector 3") << 3;
        QTest::newRow("sector 1") << 1;
        QTest::newRow("sector 6") << 6;
    }
    void tickOpensOnlyItsSector() {
        QFETCH(int, sector);
        Session session;
        forms::show(grid);
        QVERIFY(QTest::qWaitForWindowActive(forms::get(grid)));
        const QStringList before = gridState();
        tick(sector);
        const QStringList after = gridState();
        QCOMPARE(exceptSector(after, sector), exceptSector(before, sector));
        for (const QString& entry : onlySector(after, sector))
            QVERIFY2(entry.contains(QLatin1String("=on")), qPrintable(entry));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("sec%1a").arg(sector));
    }

    void untickEmptiesColumnAndKeepsResults() {
        Session session;
        tick(3);
        fill(3, "a=Βόρειος;c=2;e=10;k=30;l=10;m=0;n=50;q=100;v=15;d=900;h=Panel");
        press(grid, "calculations");
        QCOMPARE(resultBox(3, 'b')->text(), QStringLiteral("17,35"));
        const QStringList others = exceptSector(gridState(), 3);

        tick(3);
        for (const QString& entry : onlySector(gridState(), 3))
            QVERIFY2(entry.endsWith(QLatin1String("=off:")) || entry.endsWith(QLatin1String("=off")),
                     qPrintable(entry));
        QCOMPARE(exceptSector(gridState(), 3), others);
        QCOMPARE(resultBox(3, 'a')->text(), QStringLiteral("Βόρειος"));
        QCOMPARE(resultBox(3, 'b')->text(), QStringLiteral("17,35"));
        QVERIFY(forms::control<QWidget>(resultsWindow, "sc3")->isEnabled());

        // Ticked again, the column is open and empty.
        tick(3);
        for (QChar row : rows) {
            QVERIFY(gridBox(3, row.toLatin1())->isEnabled());
            QVERIFY(gridBox(3, row.toLatin1())->text().isEmpty());
        }
    }

    void typedBeforeFirstTickSurvivesTheTick() {
        Session session;
        forms::show(grid);
        type(gridBox(1, 't'), "1,5");
        type(gridBox(1, 'u'), "2");
        tick(1);
        QCOMPARE(gridBox(1, 't')->text(), QStringLiteral("1,5"));
        QCOMPARE(gridBox(1, 'u')->text(), QStringLiteral("2"));
        tick(1);
        QVERIFY(gridBox(1, 't')->text().isEmpty());
        QVERIFY(!gridBox(1, 't')->isEnabled());
        QVERIFY(gridBox(1, 'u')->text().isEmpty());
        QVERIFY(!gridBox(1, 'u')->isEnabled());
    }

    void anyTextIsAccepted_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "abc";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("full stop") << "2.5";
        QTest::newRow("Greek") << "Κεραία Α";
    }
    void anyTextIsAccepted() {
        QFETCH(QString, text);
        Session session;
        tick(2);
        type(gridBox(2, 'k'), text);
        QCOMPARE(gridBox(2, 'k')->text(), text);
        QVERIFY(session.messages.shown.isEmpty());
    }

    // Tab walks the ticked sectors' boxes a to u, sector by sector, skipping
    // what is disabled.
    void tabFromLastTypedRow_data() {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("next");
        QTest::newRow("sector 2 ticked") << QList<int>{1, 2} << "sec2a";
        QTest::newRow("sector 2 not ticked") << QList<int>{1, 3} << "sec3a";
        QTest::newRow("only sector 1") << QList<int>{1} << "to_dBm1";
    }
    void tabFromLastTypedRow() {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, next);
        Session session;
        forms::show(grid);
        QVERIFY(QTest::qWaitForWindowActive(forms::get(grid)));
        for (int sector : ticked)
            tick(sector);
        gridBox(1, 'u')->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }

    void fullTabOrder() {
        Session session;
        forms::show(grid);
        QVERIFY(QTest::qWaitForWindowActive(forms::get(grid)));
        for (int sector = 1; sector <= 6; ++sector)
            tick(sector);

        QStringList expected;
        for (int sector = 1; sector <= 6; ++sector)
            expected << QStringLiteral("Check%1").arg(sector);
        for (int sector = 1; sector <= 6; ++sector)
            for (QChar row : rows.left(21))
                expected << QStringLiteral("sec%1%2").arg(sector).arg(row);
        expected << "to_dBm1"
                 << "to_Watt1"
                 << "to_dBm2"
                 << "to_Watt2"
                 << "to_dBm3"
                 << "to_Watt3"
                 << "to_dBm4"
                 << "to_Watt4"
                 << "to_dBm5"
                 << "to_dBm6"
                 << "to_Watt5"
                 << "to_Watt6"
                 << "calculations"
                 << "calc1a";
        for (int sector = 1; sector <= 6; ++sector)
            expected << QStringLiteral("sec%1v").arg(sector);
        expected << "calc1b"
                 << "calc1c";
        for (int sector = 2; sector <= 6; ++sector)
            expected << QStringLiteral("calc%1a").arg(sector) << QStringLiteral("calc%1b").arg(sector)
                     << QStringLiteral("calc%1c").arg(sector);
        expected << "back1";

        forms::control<QWidget>(grid, "Check1")->setFocus();
        QStringList walked;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, expected);
    }
};

QTEST_MAIN(SalzburgGridTest)
#include "test_salzburg_grid.moc"
