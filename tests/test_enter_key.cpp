// Return and Enter press the focused command button of every window, as Space
// does; in a text box they stay what they are there.
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "eeae_form1_driver.h"
#include "platform/runtime/forms.h"
#include "study_test.h"

namespace {
QStringList sorted(QStringList names) {
    names.sort();
    return names;
}
} // namespace

class EnterKeyTest : public QObject {
    Q_OBJECT
private slots:
    // The button's own procedure runs: what the user sees afterwards is what a
    // click shows.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("visibleAfter");
        QTest::newRow("masts, Proceed, Return") << QStringList{"pinb1"} << "pinb1"
                                                << "proceed" << int(Qt::Key_Return) << QStringList{"pinb2"};
        QTest::newRow("antenna arrays, Back, Enter") << QStringList{"pinb2"} << "pinb2"
                                                     << "back" << int(Qt::Key_Enter) << QStringList{"pinb1"};
        QTest::newRow("sectorisation, Proceed to word (picture button), Return")
            << QStringList{"Form2"} << "Form2"
            << "next_to_word" << int(Qt::Key_Return) << QStringList{"Form2", "browse"};
        QTest::newRow("save-as window, Cancel, Enter")
            << QStringList{"Form2", "browse"} << "browse"
            << "cancel" << int(Qt::Key_Enter) << QStringList{"Form2"};
        QTest::newRow("Salzburg sheet, Proceed, Return")
            << QStringList{"pinb2_saltz"} << "pinb2_saltz"
            << "proceed" << int(Qt::Key_Return) << QStringList{"Form2_saltz"};
        QTest::newRow("results, Back, Return") << QStringList{"Form2_saltz", "results"} << "results"
                                               << "back" << int(Qt::Key_Return) << QStringList{"Form2_saltz"};
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QStringList, shown);
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QStringList, visibleAfter);
        testsupport::Session session;
        for (const QString& name : shown)
            forms::show(name);
        QVERIFY(QTest::qWaitForWindowActive(forms::get(window)));
        auto* b = forms::control<QPushButton>(window, button);
        QVERIFY(b);
        b->setFocus();
        QCOMPARE(QApplication::focusWidget(), b);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(b, Qt::Key(key), modifiers);
        session.settle();
        QCOMPARE(sorted(forms::visible()), visibleAfter);
        QVERIFY(!session.programEnded);
    }

    // One Return is one press: its release presses nothing again, so a command
    // runs once and a message comes once.
    void oneKeyOnePress_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("messagesAfter");
        QTest::newRow("start window, no study chosen, Return") << "intro"
                                                               << "enter_button" << int(Qt::Key_Return) << 1;
        QTest::newRow("band calculation, nothing ticked, Enter") << "Form1"
                                                                 << "calculate" << int(Qt::Key_Enter) << 1;
        QTest::newRow("sectorisation, Proceed to word, Return") << "Form2"
                                                                << "next_to_word" << int(Qt::Key_Return) << 0;
    }
    void oneKeyOnePress() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, messagesAfter);
        testsupport::Session session;
        forms::show(window);
        QVERIFY(QTest::qWaitForWindowActive(forms::get(window)));
        auto* b = forms::control<QPushButton>(window, button);
        QVERIFY(b);
        int presses = 0;
        connect(b, &QPushButton::clicked, [&] { ++presses; });
        b->setFocus();
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(b, Qt::Key(key), modifiers);
        session.settle();
        QCOMPARE(presses, 1);
        QCOMPARE(session.messages.shown.size(), messagesAfter);
    }

    // Return in an input box of the band-calculation window calculates nothing;
    // Return on its focused "Υπολογισμοί" calculates.
    void returnInAnInputBoxCalculatesNothing() {
        testsupport::Session session;
        forms::show(QStringLiteral("Form1"));
        QVERIFY(QTest::qWaitForWindowActive(form1::window()));
        form1::enterGsm();
        form1::distances(QStringLiteral("10"), QStringLiteral("50"));
        for (const QString& box : {QStringLiteral("pgsm"), QStringLiteral("dp2")}) {
            QLineEdit* input = form1::control<QLineEdit>(box);
            input->setFocus();
            QTest::keyClick(input, Qt::Key_Return);
            QTest::keyClick(input, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(QApplication::focusWidget(), input);
        }
        QCOMPARE(form1::texts(form1::gsmResults), QStringList(8, QStringLiteral("-")));
        QVERIFY(!form1::enabled(QStringLiteral("proceed")));
        QVERIFY(session.messages.shown.isEmpty());

        auto* calculate = form1::control<QPushButton>(QStringLiteral("calculate"));
        calculate->setFocus();
        QTest::keyClick(calculate, Qt::Key_Return);
        QVERIFY(!form1::texts(form1::gsmResults).contains(QStringLiteral("-")));
        QVERIFY(form1::enabled(QStringLiteral("proceed")));
    }
};

QTEST_MAIN(EnterKeyTest)
#include "test_enter_key.moc"
