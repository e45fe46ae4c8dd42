// The key filter of the eleven input boxes, through real key events: digits,
// the comma and backspace are typed; every other typed character is dropped;
// editing keys and pasting pass.
#include <QInputMethodEvent>
#include <QMenu>
#include <QtTest>

#include "eeae_form1_driver.h"
#include "study_test.h"

using namespace form1;

namespace {
QLineEdit* openBox(const QString& name) {
    for (const char* check : {"Check1", "Check2", "Check3"})
        tick(QString::fromLatin1(check));
    return control(name);
}
} // namespace

class KeyFilterTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Session> session;
private slots:
    void init() { session = std::make_unique<testsupport::Session>(); }
    void cleanup() { session.reset(); }

    void typing_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full stop dropped") << ""
                                           << "1.5"
                                           << "15";
        QTest::newRow("decimal comma") << ""
                                       << "1,5"
                                       << "1,5";
        QTest::newRow("after the initial 0") << "0"
                                             << "5"
                                             << "05";
        QTest::newRow("any number of commas") << ""
                                              << "1,2,3"
                                              << "1,2,3";
        QTest::newRow("minus and plus") << "0"
                                        << "-+"
                                        << "0";
        QTest::newRow("letters, e and E") << "0"
                                          << "abeE"
                                          << "0";
        QTest::newRow("blank") << "7"
                               << " 8"
                               << "78";
        QTest::newRow("other signs") << ""
                                     << "2/3*4%#"
                                     << "234";
    }
    void typing() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        // The same in every one of the eleven boxes, and in the distances with no band ticked.
        for (const QString& name : inputBoxes) {
            QLineEdit* box = name.startsWith("dp") ? control(name) : openBox(name);
            box->setText(start);
            box->end(false);
            QTest::keyClicks(box, keys);
            QCOMPARE(box->text(), expected);
        }
    }

    // Text committed by an input method (dead keys, compose, an input-method
    // engine) meets the same filter as typed keys, character by character.
    void committedText_data() {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("expected"); // after "1" was typed
        QTest::newRow("accented letter") << QStringLiteral("ά") << "1";
        QTest::newRow("digits and comma") << "2,5"
                                          << "12,5";
        QTest::newRow("mixed") << QStringLiteral("2ε.5-") << "125";
        QTest::newRow("full stop") << "."
                                   << "1";
    }
    void committedText() {
        QFETCH(QString, committed);
        QFETCH(QString, expected);
        for (const QString& name : inputBoxes) {
            QLineEdit* box = name.startsWith("dp") ? control(name) : openBox(name);
            box->clear();
            QTest::keyClicks(box, "1");
            QInputMethodEvent commit;
            commit.setCommitString(committed);
            QApplication::sendEvent(box, &commit);
            QCOMPARE(box->text(), expected);
        }
    }

    void controlKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text"); // as platforms report the key: control character, letter or none
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+V as ^V") << int(Qt::Key_V) << ctrl << "\x16";
        QTest::newRow("Ctrl+V as v") << int(Qt::Key_V) << ctrl << "v";
        QTest::newRow("Ctrl+V with no text") << int(Qt::Key_V) << ctrl << "";
        QTest::newRow("Ctrl+X with no text") << int(Qt::Key_X) << ctrl << "";
        QTest::newRow("Ctrl+Z with no text") << int(Qt::Key_Z) << ctrl << "";
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << "\x7f";
        QTest::newRow("Ctrl+Backspace with no text") << int(Qt::Key_Backspace) << ctrl << "";
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << "\r";
        QTest::newRow("Enter with no text") << int(Qt::Key_Return) << int(Qt::NoModifier) << "";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << "\x1b";
    }
    void controlKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QLineEdit* box = control("dp1");
        QTest::keyClicks(box, "12");
        QApplication::clipboard()->setText("99");
        box->selectAll();
        QSignalSpy entered(box, &QLineEdit::returnPressed);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->text(), QStringLiteral("012"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));
        QCOMPARE(entered.count(), 0);
    }

    void ctrlCCopiesNothing() {
        QLineEdit* box = control("dp2");
        box->setText("345");
        QApplication::clipboard()->setText("before");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void editingKeysPass() {
        QLineEdit* box = openBox("gmlumts");
        box->setText("123");
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "5");
        QCOMPARE(box->text(), QStringLiteral("25"));
    }

    void contextMenuPasteIsNotFiltered() {
        QLineEdit* box = openBox("gslgsm");
        box->selectAll();
        QApplication::clipboard()->setText("-1a.5");
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        QAction* pasteAction = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith("&Paste"))
                pasteAction = action;
        QVERIFY(pasteAction && pasteAction->isEnabled());
        pasteAction->trigger();
        QCOMPARE(box->text(), QStringLiteral("-1a.5"));
    }

    void shiftInsertPasteIsNotFiltered() {
        QLineEdit* box = control("dp1");
        box->selectAll();
        QApplication::clipboard()->setText("x");
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("x"));
    }

    void tabMovesOn() {
        forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowActive(window()));
        control("dp1")->setFocus();
        QTest::keyClick(control("dp1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("dp2"));
    }

    void greekLettersDropped() {
        QLineEdit* box = openBox("pdcs");
        testsupport::typeText(box, QStringLiteral("ζΕ€1"));
        QCOMPARE(box->text(), QStringLiteral("01"));
    }
};

QTEST_MAIN(KeyFilterTest)
#include "test_eeae_key_filter.moc"
