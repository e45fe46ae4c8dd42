// The band-calculation window as it opens: its controls by name, captions,
// initial state, tab order, the site diagram and the chain's two buttons.
#include <QGroupBox>
#include <QtTest>

#include "eeae_form1_driver.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/twips.h"
#include "study_test.h"

using namespace form1;

namespace {
// Along the chain: the description window, then this one with a GSM-900 result.
void calculateGsmAfterTheDescription() {
    forms::show("eisagwgh_meleths");
    forms::show("Form1");
    enterGsm();
    distances("10", "50");
    press("calculate");
}
} // namespace

class Form1WindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Session> session;
private slots:
    void init() { session = std::make_unique<testsupport::Session>(); }
    void cleanup() { session.reset(); }

    void createdByAReadShowsTheInitialState() {
        // Another window reading one box creates the window, hidden.
        QCOMPARE(text("sg1"), QStringLiteral("-"));
        QVERIFY(!forms::isVisible("Form1"));
        QCOMPARE(window()->windowTitle(), QStringLiteral("Vorlux"));
        for (const QString& box : inputBoxes)
            QCOMPARE(text(box), QStringLiteral("0"));
        for (const QString& box : inputBoxes.mid(0, 9))
            QVERIFY2(!enabled(box), qPrintable(box));
        QVERIFY(enabled("dp1") && enabled("dp2"));
        for (const QString& box : resultBoxes()) {
            QCOMPARE(text(box), QStringLiteral("-"));
            QVERIFY2(!enabled(box), qPrintable(box));
        }
        for (const char* check : {"Check1", "Check2", "Check3"})
            QVERIFY(!ticked(check));
        QCOMPARE(linesShown(), QList<bool>(6, false));
        QCOMPARE(captions(), QStringList(6, QString()));
        QVERIFY(!enabled("proceed"));
        QVERIFY(enabled("calculate") && enabled("reset") && enabled("back"));
        QVERIFY(session->messages.shown.isEmpty());
    }

    void controlCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("calculate") << "calculate"
                                   << "Υπολογισμοί";
        QTest::newRow("reset") << "reset"
                               << "Αρχικοποίηση";
        QTest::newRow("proceed") << "proceed"
                                 << "Proceed";
        QTest::newRow("back") << "back"
                              << "Back";
        QTest::newRow("GSM power") << "Label1"
                                   << "Ονομαστική Ισχύς (W)";
        QTest::newRow("DCS main lobe") << "Label5"
                                       << "Μέγιστο κέρδος κεραίας στην διεύθυνση του κύριου λοβού (dBi)";
        QTest::newRow("UMTS side lobe")
            << "Label7"
            << "Μέγιστο κέρδος κεραίας στην διεύθυνση του μεγαλύτερου πλάγιου λοβού (dBi)";
        QTest::newRow("distance 1") << "Label10"
                                    << "Απόσταση 1 (άκρη δώματος σταθμού)";
        QTest::newRow("distance 2") << "Label11"
                                    << "Απόσταση 2 (άλλη απόσταση)";
    }
    void controlCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QCOMPARE(forms::textOf(control<QWidget>(name)), caption);
    }

    void frames_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("caption");
        QTest::newRow("GSM inputs") << "pgsm"
                                    << "Frame2"
                                    << "GSM - 900";
        QTest::newRow("DCS inputs") << "gsldcs"
                                    << "cs"
                                    << "DCS - 1800";
        QTest::newRow("UMTS inputs") << "gmlumts"
                                     << "Frame2"
                                     << "UMTS - 2100";
        QTest::newRow("distances") << "dp2"
                                   << "Frame4"
                                   << "Αποστάσεις μετρήσεων (m)";
        QTest::newRow("power density") << "su2"
                                       << "Frame7"
                                       << "Επίπεδα Πυκνότητας Ισχύος (W/m^2)";
        QTest::newRow("E field") << "ed1"
                                 << "Frame8"
                                 << "Επίπεδα Έντασης Ηλεκτρικού Πεδίου (V/m)";
        QTest::newRow("H field") << "mg2"
                                 << "Frame8"
                                 << "Επίπεδα Έντασης Μαγνητικού Πεδίου (A/m)";
        QTest::newRow("safety distances") << "du1"
                                          << "Frame8"
                                          << "Ελάχιστες Αποστάσεις Ασφαλείας (m)";
        QTest::newRow("index") << "depps3"
                               << "Frame8"
                               << "Δείκτης Έκθεσης σε Πηγές Πολλαπλών Συχνοτήτων (ΔΕΠΠΣ)";
    }
    void frames() {
        QFETCH(QString, box);
        QFETCH(QString, frame);
        QFETCH(QString, caption);
        auto* parent = qobject_cast<QGroupBox*>(control<QLineEdit>(box)->parentWidget());
        QVERIFY(parent);
        QCOMPARE(parent->objectName(), frame);
        QCOMPARE(parent->title(), caption);
    }

    void resultGridsReadBandByRow() {
        // Each grid row is a band: GSM above DCS above UMTS, distance 1 left of distance 2.
        for (const QStringList& rows : {QStringList{"sg1", "sd1", "su1"}, QStringList{"eg2", "ed2", "eu2"},
                                        QStringList{"mg1", "md1", "mu1"}, QStringList{"dg2", "dd2", "du2"}}) {
            QVERIFY(control(rows[0])->y() < control(rows[1])->y());
            QVERIFY(control(rows[1])->y() < control(rows[2])->y());
        }
        QVERIFY(control("sg1")->x() < control("sg2")->x());
        QVERIFY(control("dg1")->x() < control("dg2")->x());
        for (int i = 1; i < indexBoxes.size(); ++i)
            QVERIFY(control(indexBoxes[i - 1])->x() < control(indexBoxes[i])->x());
    }

    void buttonsLeftToRightAtTheBottomRight() {
        const QStringList order = {"calculate", "reset", "proceed", "back"};
        for (int i = 1; i < order.size(); ++i)
            QVERIFY(control<QPushButton>(order[i - 1])->x() < control<QPushButton>(order[i])->x());
        QVERIFY(control<QPushButton>("calculate")->x() > control<QWidget>("Picture1")->x());
        QVERIFY(control<QPushButton>("back")->geometry().bottom() < window()->client()->height());
    }

    void diagramGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips"); // left, top, width, height inside the picture box
        QTest::newRow("Label13") << "Label13" << QRect(4800, 240, 975, 255);
        QTest::newRow("Label18") << "Label18" << QRect(6000, 240, 975, 255);
        QTest::newRow("Label19") << "Label19" << QRect(7200, 240, 975, 255);
        QTest::newRow("Label20") << "Label20" << QRect(7680, 1680, 975, 255);
        QTest::newRow("Label21") << "Label21" << QRect(7680, 2280, 975, 255);
        QTest::newRow("Label22") << "Label22" << QRect(7680, 2880, 975, 255);
    }
    void diagramGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        auto* label = control<QLabel>(name);
        QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Picture1"));
        QCOMPARE(label->geometry(), forms::twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void diagramLines_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("Line1") << "Line1" << QPoint(3120, 360) << QPoint(4680, 360);
        QTest::newRow("Line2") << "Line2" << QPoint(7560, 3000) << QPoint(7560, 2400);
        QTest::newRow("Line3") << "Line3" << QPoint(7560, 1800) << QPoint(7560, 2400);
        QTest::newRow("Line4") << "Line4" << QPoint(7560, 1800) << QPoint(7680, 1800);
        QTest::newRow("Line5") << "Line5" << QPoint(7560, 2400) << QPoint(7680, 2400);
        QTest::newRow("Line6") << "Line6" << QPoint(7560, 3000) << QPoint(7680, 3000);
    }
    void diagramLines() {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        auto* line = control<QFrame>(name);
        QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("Picture1"));
        // The drawn line runs through the middle of the control, end to end.
        const QRect g = line->geometry();
        const QPoint a(forms::px(from.x()), forms::px(from.y()));
        const QPoint b(forms::px(to.x()), forms::px(to.y()));
        if (a.y() == b.y()) {
            QCOMPARE(g.center().y(), a.y());
            QCOMPARE(g.left(), std::min(a.x(), b.x()));
            QVERIFY(std::abs(g.right() - std::max(a.x(), b.x())) <= 1);
        } else {
            QCOMPARE(g.center().x(), a.x());
            QCOMPARE(g.top(), std::min(a.y(), b.y()));
            QVERIFY(std::abs(g.bottom() - std::max(a.y(), b.y())) <= 1);
        }
    }

    void pictureShowsTheMarksBesideTheCaptions() {
        auto* picture = control<QLabel>("Picture1");
        QCOMPARE(picture->size(), forms::twipRect(0, 0, 8775, 6735).size());
        const QImage image = picture->pixmap().toImage();
        QCOMPARE(image.size(), picture->size());
        // Dark ink at the G_m mark, left of the middle caption place, and at the
        // upper G_s mark where Line1 starts; white where no lobe is drawn.
        const auto dark = [&image](int twipX, int twipY) {
            return qGray(image.pixel(forms::px(twipX), forms::px(twipY))) < 100;
        };
        QVERIFY(dark(7320, 2400));
        QVERIFY(dark(3060, 360));
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), QColor(Qt::white));
    }

    void tabOrder_data() {
        QTest::addColumn<bool>("bandsTicked");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("fresh window")
            << false
            << QStringList{"dp1", "dp2", "calculate", "reset", "Check1", "Check2", "Check3", "back", "dp1"};
        QTest::newRow("after a calculation with every band")
            << true << QStringList{"pgsm",    "gmlgsm",  "gslgsm", "pdcs", "gmldcs",    "gsldcs",  "pumts",
                                   "gmlumts", "gslumts", "dp1",    "dp2",  "calculate", "proceed", "reset",
                                   "Check1",  "Check2",  "Check3", "back", "pgsm"};
    }
    void tabOrder() {
        QFETCH(bool, bandsTicked);
        QFETCH(QStringList, order);
        if (bandsTicked) {
            enterGsm();
            enterDcs();
            enterUmts();
            distances("10", "50");
            press("calculate");
        }
        forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowActive(window()));
        if (bandsTicked)
            testsupport::grabIfAsked(window(), "Form1_three_bands");
        control<QWidget>(order.first())->setFocus();
        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
    }

    void proceedShowsSectorisationAndStays() {
        calculateGsmAfterTheDescription();
        press("proceed");
        QVERIFY(forms::isVisible("Form2"));
        QVERIFY(forms::isVisible("Form1"));
        QVERIFY(forms::isVisible("eisagwgh_meleths"));
    }

    void backShowsDescriptionAndKeepsEverything() {
        calculateGsmAfterTheDescription();
        const auto before = snapshot();
        press("back");
        QVERIFY(forms::isVisible("eisagwgh_meleths"));
        QVERIFY(!forms::isVisible("Form1"));
        forms::show("Form1");
        QCOMPARE(snapshot(), before);
        QVERIFY(!session->programEnded);
    }
};

QTEST_MAIN(Form1WindowTest)
#include "test_eeae_form1_window.moc"
