// The masts table, the antenna-array tables and the description: their boxes,
// where they stand, and the order the Tab key walks them.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "platform/runtime/twips.h"
#include "study_test.h"

namespace {
QWidget* named(const QString& window, const QString& name) {
    return forms::control<QWidget>(window, name);
}

// Where the Tab key goes from a control.
QWidget* afterTab(QWidget* from) {
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Tab);
    return QApplication::focusWidget();
}
} // namespace

class InputTablesTest : public QObject {
    Q_OBJECT
private slots:
    void boxes_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("first mast name") << "pinb1"
                                         << "on1" << QRect(3480, 840, 1335, 285);
        QTest::newRow("mast 7 altitude") << "pinb1"
                                         << "h_edafous7" << QRect(16440, 5040, 1335, 285);
        QTest::newRow("mast 4 antennas") << "pinb1"
                                         << "nb_ant4" << QRect(9960, 1800, 1335, 285);
        for (const char* w : {"pinb2", "pinb2_saltz"}) {
            QTest::addRow("%s serial 1", w) << w << "aa_ant1" << QRect(4440, 360, 1095, 285);
            QTest::addRow("%s power 8", w) << w << "p_ch8" << QRect(15360, 8400, 1095, 285);
            QTest::addRow("%s Gr 3", w) << w << "maxside3" << QRect(7560, 7560, 1095, 285);
        }
    }
    void boxes() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QRect, twips);
        testsupport::Session session;
        auto* b = forms::control<QLineEdit>(window, box);
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        QVERIFY(b->text().isEmpty());
        QCOMPARE(b->geometry(), forms::twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void boxCounts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("count");
        QTest::newRow("pinb1") << "pinb1" << 56;
        QTest::newRow("pinb2") << "pinb2" << 160;
        QTest::newRow("pinb2_saltz") << "pinb2_saltz" << 160;
        QTest::newRow("Form2") << "Form2" << 135;
    }
    void boxCounts() {
        QFETCH(QString, window);
        QFETCH(int, count);
        testsupport::Session session;
        QStringList names;
        for (QLineEdit* box : forms::get(window)->findChildren<QLineEdit*>())
            names << box->objectName();
        QCOMPARE(names.size(), count);
        names.removeDuplicates();
        QCOMPARE(names.size(), count);
    }

    void captions_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("masts row 1") << "pinb1"
                                     << "Label1"
                                     << "Ονομασία Ιστού";
        QTest::newRow("masts row 8") << "pinb1"
                                     << "Label8"
                                     << "Υψόμετρο εδάφους (m)";
        QTest::newRow("arrays row 13") << "pinb2"
                                       << "Label13"
                                       << "Γωνία ημίσεως ισχύος στο κατακόρυφο διάγραμμα θ-3dB (μοίρες)";
        QTest::newRow("sheet row 20") << "pinb2_saltz"
                                      << "Label20"
                                      << "Ισχύς στην είσοδο της κεραιοδιάταξης ανά φέρουσα (W)";
    }
    void captions() {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        testsupport::Session session;
        QCOMPARE(forms::control<QLabel>(window, label)->text(), caption);
    }

    void frames() {
        testsupport::Session session;
        QCOMPARE(forms::control<QGroupBox>("pinb1", "Frame1")->title(),
                 QStringLiteral("Χαρακτηριστικά ιστών στήριξης κεραιοδιατάξεων"));
        for (const char* w : {"pinb2", "pinb2_saltz"})
            QCOMPARE(forms::control<QGroupBox>(QString::fromLatin1(w), "Frame1")->title(),
                     QStringLiteral("Τεχνικά χαρακτηριστικά των κεραιοδιατάξεων"));
        QVERIFY(forms::control<QGroupBox>("pinb1", "Frame1")->font().bold());
        QVERIFY(!forms::control<QLabel>("pinb1", "Label1")->font().bold());
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("down a mast") << "pinb1"
                                     << "on1"
                                     << "kat1";
        QTest::newRow("next mast") << "pinb1"
                                   << "h_edafous1"
                                   << "on2";
        QTest::newRow("masts end at the button") << "pinb1"
                                                 << "h_edafous7"
                                                 << "proceed";
        QTest::newRow("down an array") << "pinb2"
                                       << "nb_ch2"
                                       << "p_ch2";
        QTest::newRow("next array") << "pinb2"
                                    << "p_ch2"
                                    << "aa_ant3";
        QTest::newRow("arrays end at the buttons") << "pinb2"
                                                   << "p_ch8"
                                                   << "proceed";
        QTest::newRow("then Back") << "pinb2"
                                   << "proceed"
                                   << "back";
        QTest::newRow("sheet") << "pinb2_saltz"
                               << "p_ch8"
                               << "proceed";
        QTest::newRow("description first") << "eisagwgh_meleths"
                                           << "eisagwgh_txt"
                                           << "export_to_word";
        QTest::newRow("then Back ") << "eisagwgh_meleths"
                                    << "export_to_word"
                                    << "back";
    }
    void tabOrder() {
        QFETCH(QString, window);
        QFETCH(QString, from);
        QFETCH(QString, to);
        testsupport::Session session;
        forms::show(window);
        QVERIFY(QTest::qWaitForWindowActive(forms::get(window)));
        QCOMPARE(afterTab(named(window, from))->objectName(), to);
    }

    // Any text stays as typed: letters in a height, blanks, Greek.
    void freeText() {
        testsupport::Session session;
        forms::show(QStringLiteral("pinb1"));
        auto* height = forms::control<QLineEdit>("pinb1", "h_istou2");
        height->setFocus();
        testsupport::typeText(height, QStringLiteral(" 12 μέτρα,5 "));
        QCOMPARE(height->text(), QStringLiteral(" 12 μέτρα,5 "));
        auto* azimuth = forms::control<QLineEdit>("pinb2", "az1");
        testsupport::typeText(azimuth, QStringLiteral("βόρεια"));
        QCOMPARE(azimuth->text(), QStringLiteral("βόρεια"));
    }

    void description() {
        testsupport::Session session;
        auto* text = forms::control<QPlainTextEdit>("eisagwgh_meleths", "eisagwgh_txt");
        QVERIFY(text->toPlainText().isEmpty());
        QCOMPARE(text->geometry(), forms::twipRect(480, 1080, 17895, 8535));
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
        const QString longText(100000, QLatin1Char('x'));
        text->setPlainText(longText);
        QCOMPARE(text->toPlainText().size(), longText.size());
        QVERIFY(
            forms::control<QLabel>("eisagwgh_meleths", "Label1")
                ->text()
                .startsWith(QStringLiteral("Γενική περιγραφή της εξεταζόμενης εγκατάστασης , υπηρεσίες")));
    }
};

QTEST_MAIN(InputTablesTest)
#include "test_input_tables.moc"
