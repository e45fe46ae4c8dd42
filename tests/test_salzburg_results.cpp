// The Salzburg results window: its state at load, the figure buttons, and the
// distance figure as it is drawn.
#include <QImage>
#include <QLabel>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "platform/runtime/shapes.h"
#include "salzburg_grid.h"
#include "study_test.h"

using namespace testsupport;

namespace {
const char* const figureLabels[] = {"Label3", "Label7", "Label9", "Label8", "Label10"};
const QString sectorTwo = QStringLiteral("a=Β;c=2;e=10;k=25;l=1,5;m=2;n=40;q=100;v=15");

QString label(const char* name) {
    return forms::control<QLabel>(resultsWindow, QString::fromLatin1(name))->text();
}

QStringList labels() {
    QStringList texts;
    for (const char* name : figureLabels)
        texts << label(name);
    return texts;
}

QStringList resultTexts() {
    QStringList texts;
    for (int sector = 1; sector <= 6; ++sector)
        for (char row : {'a', 'b', 'd', 'e', 'f'})
            texts << resultBox(sector, row)->text();
    return texts;
}

// Twips inside Frame2 to the pixel of the frame's picture.
QPoint at(int x, int y) {
    return QPoint((x + 7) / 15, (y + 7) / 15);
}
} // namespace

class SalzburgResultsTest : public QObject {
    Q_OBJECT
private slots:
    void atLoad() {
        Session session;
        forms::show(resultsWindow);
        QCOMPARE(forms::get(resultsWindow)->windowTitle(),
                 QStringLiteral("Αποτελέσματα μελέτης - Γραφική απεικόνιση περιοχών"));
        for (int sector = 1; sector <= 6; ++sector) {
            for (char row : {'a', 'b', 'd', 'e', 'f'}) {
                QVERIFY(resultBox(sector, row)->text().isEmpty());
                QVERIFY(resultBox(sector, row)->isEnabled());
            }
            QAbstractButton* button =
                forms::control<QAbstractButton>(resultsWindow, QStringLiteral("sc%1").arg(sector));
            QCOMPARE(button->text(), QStringLiteral("Σχήμα %1").arg(sector));
            QVERIFY(!button->isEnabled());
        }
        QCOMPARE(labels(), QStringList(5));
        QVERIFY(forms::control<QWidget>(resultsWindow, "back")->isEnabled());
        const QStringList titles = {"Τομέας", "Πυκνότητα ισχύος στο σημείο έκθεσης (mW/m2)",
                                    "Μειωμένη ισχύς ανά κανάλι (W)", "Μειωμένη ισχύς ανά κανάλι (dBm)",
                                    "Ενδιάμεση τιμή κέρδους (W)"};
        const char* const titleLabels[] = {"Label1", "Label2", "Label4", "Label5", "Label6"};
        for (int i = 0; i < titles.size(); ++i)
            QCOMPARE(label(titleLabels[i]), titles[i]);
    }

    // Where the window's controls stand, in twips (15 to a pixel): Left, Top,
    // Width, Height, relative to the client area or, for a box, to Frame1. A
    // width of 0: only the position is drawn.
    void controlsStandWhereDrawn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Frame1") << "Frame1" << QRect(360, 480, 18135, 3375);
        QTest::newRow("Frame2") << "Frame2" << QRect(2640, 3840, 9975, 6855);
        QTest::newRow("sc1") << "sc1" << QRect(13440, 5880, 1335, 375);
        QTest::newRow("sc2") << "sc2" << QRect(13440, 6480, 1335, 375);
        QTest::newRow("sc3") << "sc3" << QRect(13440, 7080, 1335, 375);
        QTest::newRow("sc4") << "sc4" << QRect(13440, 7680, 1335, 375);
        QTest::newRow("sc5") << "sc5" << QRect(13440, 8280, 1335, 375);
        QTest::newRow("sc6") << "sc6" << QRect(13440, 8880, 1335, 375);
        QTest::newRow("back") << "back" << QRect(15120, 7320, 0, 0);
    }
    void controlsStandWhereDrawn() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        Session session;
        const QWidget* control = forms::control<QWidget>(resultsWindow, name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->pos(), QPoint(twips.x() / 15, twips.y() / 15));
        if (twips.width() > 0)
            QCOMPARE(control->size(), QSize(twips.width() / 15, twips.height() / 15));
    }

    // The result table inside Frame1: a column per sector, a row per result,
    // each box 1815 x 285; the row titles at the frame's left edge, level with
    // their row.
    void resultTableStandsWhereDrawn() {
        Session session;
        const int lefts[] = {4200, 6480, 8880, 11280, 13680, 16080};
        const struct {
            char row;
            const char* title;
            int top;
        } rows[] = {{'a', "Label1", 480},
                    {'b', "Label2", 1080},
                    {'d', "Label4", 1680},
                    {'e', "Label5", 2280},
                    {'f', "Label6", 2880}};
        const QWidget* frame = forms::control<QWidget>(resultsWindow, "Frame1");
        for (const auto& row : rows) {
            for (int sector = 1; sector <= 6; ++sector) {
                const QLineEdit* box = resultBox(sector, row.row);
                QCOMPARE(box->parentWidget(), frame);
                QCOMPARE(box->geometry(), QRect(lefts[sector - 1] / 15, row.top / 15, 1815 / 15, 285 / 15));
            }
            const QWidget* title = forms::control<QWidget>(resultsWindow, QString::fromLatin1(row.title));
            QCOMPARE(title->parentWidget(), frame);
            QCOMPARE(title->x(), 120 / 15);
            QVERIFY(qAbs(title->geometry().center().y() - resultBox(1, row.row)->geometry().center().y()) <=
                    2);
        }
    }

    void firstRunEnablesOnlyTheTickedSectors() {
        Session session;
        for (int sector : {2, 5}) {
            tick(sector);
            fill(sector, sectorTwo);
        }
        press(grid, "calculations");
        for (int sector = 1; sector <= 6; ++sector)
            QCOMPARE(forms::control<QWidget>(resultsWindow, QStringLiteral("sc%1").arg(sector))->isEnabled(),
                     sector == 2 || sector == 5);
        QCOMPARE(labels(), QStringList(5));
    }

    // "Σχήμα 2" after the calculation, with the grid's heights changed since: k, n,
    // m and l as typed, k − l computed. Only the five labels change.
    void figureButton_data() {
        QTest::addColumn<QString>("heights");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("as calculated") << "" << QStringList{"25", "40", "2", "23,5", "1,5"} << QStringList{};
        QTest::newRow("typed with a zero decimal")
            << "k=30,0;l=10" << QStringList{"30,0", "40", "2", "20", "10"} << QStringList{};
        QTest::newRow("exposure point higher")
            << "k=10;l=12,25" << QStringList{"10", "40", "2", "-2,25", "12,25"} << QStringList{};
        QTest::newRow("height no number")
            << "k=25 m" << QStringList{"25 m", "40", "2", "-", "1,5"}
            << QStringList{
                   "Τομέας 2, «Διαφορά ύψους κεραίας και σημείου έκθεσης (m)»: δεν υπολογίστηκε, γιατί το "
                   "πεδίο «Ύψος κεραιών από τη χαμηλότερη άκρη (m)» δεν περιέχει αριθμό."};
        QTest::newRow("both heights empty")
            << "k=;l=" << QStringList{"", "40", "2", "-", ""}
            << QStringList{
                   "Τομέας 2, «Διαφορά ύψους κεραίας και σημείου έκθεσης (m)»: δεν υπολογίστηκε, γιατί τα "
                   "πεδία «Ύψος κεραιών από τη χαμηλότερη άκρη (m)», «Ύψος του σημείου έκθεσης της κεραίας "
                   "(m)» δεν περιέχουν αριθμό."};
    }
    void figureButton() {
        QFETCH(QString, heights);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, messages);
        Session session;
        tick(2);
        fill(2, sectorTwo);
        press(grid, "calculations");
        fill(2, heights);
        const QStringList table = resultTexts();
        press(resultsWindow, "sc2");
        QCOMPARE(labels(), expected);
        QCOMPARE(resultTexts(), table);
        QCOMPARE(session.messages.texts(), messages);
        QVERIFY(forms::isVisible(resultsWindow));
    }

    // An unticked sector's button stays enabled and shows its emptied rows.
    void figureOfAnUntickedSector() {
        Session session;
        tick(2);
        fill(2, sectorTwo);
        press(grid, "calculations");
        tick(2);
        press(resultsWindow, "sc2");
        QCOMPARE(labels(), (QStringList{"", "", "", "-", ""}));
        QCOMPARE(resultBox(2, 'a')->text(), QStringLiteral("Β"));
        QCOMPARE(session.messages.shown.size(), 1);
    }

    void figureIsMadeOfItsParts() {
        Session session;
        QWidget* frame = forms::control<QWidget>(resultsWindow, "Frame2");
        QCOMPARE(frame->findChildren<forms::Line*>().size(), 18);
        QCOMPARE(frame->findChildren<forms::Shape*>().size(), 3);
        const QStringList dotted = {"Line3", "Line4", "Line7", "Line8", "Line15", "Line18"};
        for (forms::Line* line : frame->findChildren<forms::Line*>())
            QCOMPARE(line->style() == forms::Line::Style::Dotted, dotted.contains(line->objectName()));
        for (const char* name : figureLabels)
            QCOMPARE(forms::control<QLabel>(resultsWindow, QString::fromLatin1(name))->parentWidget(), frame);
    }

    // Points of the rendered figure, in twips inside its frame.
    void figureAsDrawn_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mast") << at(3600, 1740) << "dark";
        QTest::newRow("slant from the antenna") << at(5160, 2040) << "dark";
        QTest::newRow("left dimension, upper") << at(600, 2500) << "dark";
        QTest::newRow("left dimension, lower") << at(600, 5200) << "dark";
        QTest::newRow("gap of Label3") << at(600, 3640) << "background";
        QTest::newRow("gap of Label7") << at(5400, 6600) << "background";
        QTest::newRow("ground dimension") << at(4700, 6600) << "dark";
        QTest::newRow("right dimension") << at(9480, 1700) << "dark";
        QTest::newRow("exposure-height dimension") << at(9360, 5800) << "dark";
        QTest::newRow("antenna's building, edge") << at(1200, 4000) << "red";
        QTest::newRow("antenna's building, inside") << at(2500, 4000) << "white";
        QTest::newRow("second building, edge") << at(8775, 4000) << "red";
        QTest::newRow("second building, inside") << at(7600, 4500) << "background";
        QTest::newRow("antenna") << at(3600, 1400) << "dark";
    }
    void figureAsDrawn() {
        QFETCH(QPoint, point);
        QFETCH(QString, expected);
        Session session;
        forms::show(resultsWindow);
        QWidget* frame = forms::control<QWidget>(resultsWindow, "Frame2");
        const QImage picture = frame->grab().toImage();
        const QColor background = picture.pixelColor(at(7600, 4500));
        // A one-pixel line may fall next to the point: look at its neighbours too.
        QStringList seen;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor c = picture.pixelColor(point + QPoint(dx, dy));
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                    seen << "red";
                else if (c == Qt::white)
                    seen << "white";
                else if (c.lightness() < 100)
                    seen << "dark";
                else if (c == background)
                    seen << "background";
            }
        if (expected == QLatin1String("background") || expected == QLatin1String("white"))
            QVERIFY2(seen.count(expected) == 9, qPrintable(seen.join(',')));
        else
            QVERIFY2(seen.contains(expected), qPrintable(seen.join(',')));
    }

    // A dotted line leaves gaps, a solid one none.
    void dottedLinesAreDotted_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("fromX");
        QTest::addColumn<int>("toX");
        QTest::addColumn<bool>("dotted");
        QTest::newRow("antenna level, dotted") << 1440 << 900 << 3000 << true;
        QTest::newRow("roof level, dotted") << 2040 << 4500 << 6000 << true;
        QTest::newRow("ground dimension, solid") << 6600 << 4260 << 5100 << false;
    }
    void dottedLinesAreDotted() {
        QFETCH(int, y);
        QFETCH(int, fromX);
        QFETCH(int, toX);
        QFETCH(bool, dotted);
        Session session;
        forms::show(resultsWindow);
        const QImage picture = forms::control<QWidget>(resultsWindow, "Frame2")->grab().toImage();
        int dark = 0, all = 0;
        for (int x = at(fromX, y).x(); x <= at(toX, y).x(); ++x, ++all)
            dark += picture.pixelColor(x, at(fromX, y).y()).lightness() < 100;
        if (dotted)
            QVERIFY2(dark > all / 4 && dark < all * 3 / 4,
                     qPrintable(QStringLiteral("%1 of %2").arg(dark).arg(all)));
        else
            QCOMPARE(dark, all);
    }
};

QTEST_MAIN(SalzburgResultsTest)
#include "test_salzburg_results.moc"
