// "Έξοδος" and "Αλλαγή μελέτης" under every study window's "Αρχείο" menu.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "study/intro.h"
#include "study_test.h"
#include "window_helpers.h"

namespace {

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

void enter(int study) {
    forms::show(QStringLiteral("intro"));
    auto* start = forms::get<intro>();
    start->function_choice_cb->setCurrentIndex(study);
    emit start->function_choice_cb->activated(study);
    start->enter_button->click();
}
} // namespace

class StudyCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void fileMenus_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("exit");
        for (const char* w : {"pinb1", "pinb2", "eisagwgh_meleths", "Form1", "pinb2_saltz", "results"})
            QTest::newRow(w) << w << "file"
                             << "change"
                             << "exit";
        for (const char* w : {"Form2", "Form2_saltz"})
            QTest::newRow(w) << w << "file1"
                             << "change1"
                             << "exit1";
    }
    void fileMenus() {
        QFETCH(QString, window);
        QFETCH(QString, menu);
        QFETCH(QString, change);
        QFETCH(QString, exit);
        testsupport::Session session;
        auto* file = forms::get(window)->menuBar()->findChild<QMenu*>(menu);
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("Αρχείο"));
        QCOMPARE(forms::get(window)->menuBar()->actions().first(), file->menuAction());
        QCOMPARE(testsupport::menuItem(window, change)->text(), QStringLiteral("Αλλαγή μελέτης"));
        QCOMPARE(testsupport::menuItem(window, exit)->text(), QStringLiteral("Έξοδος"));
        QVERIFY(file->actions().indexOf(testsupport::menuItem(window, change)) <
                file->actions().indexOf(testsupport::menuItem(window, exit)));

        // Each window's own items run the commands.
        forms::show(window);
        testsupport::menuItem(window, change)->trigger();
        session.settle();
        QCOMPARE(forms::loaded(), QStringList{QStringLiteral("intro")});
        QVERIFY(!session.programEnded);
        forms::show(window);
        testsupport::menuItem(window, exit)->trigger();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }

    void exitRightAfterTheStart() {
        testsupport::Session session;
        enter(0);
        session.settle();
        testsupport::menuItem(QStringLiteral("pinb1"), QStringLiteral("exit"))->trigger();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
        QVERIFY(session.messages.shown.isEmpty());
    }

    void exitFromTheBandCalculation() {
        testsupport::Session session;
        enter(0);
        forms::control<QPushButton>("pinb1", "proceed")->click();
        forms::control<QPushButton>("pinb2", "proceed")->click();
        forms::control<QPushButton>("eisagwgh_meleths", "export_to_word")->click();
        QCOMPARE(forms::visible().size(), 2);
        testsupport::menuItem(QStringLiteral("Form1"), QStringLiteral("exit"))->trigger();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }

    void changeStudyDiscardsEverything() {
        testsupport::Session session;
        enter(1);
        forms::control<QLineEdit>("pinb2_saltz", "az2")->setText(QStringLiteral("120"));
        forms::control<QPushButton>("pinb2_saltz", "proceed")->click();
        forms::control<QPushButton>("Form2_saltz", "calculations")->click();
        testsupport::menuItem(QStringLiteral("results"), QStringLiteral("change"))->trigger();
        session.settle();
        QCOMPARE(forms::loaded(), QStringList{QStringLiteral("intro")});
        QCOMPARE(forms::visible(), QStringList{QStringLiteral("intro")});

        enter(0);
        session.settle();
        QCOMPARE(forms::visible(), QStringList{QStringLiteral("pinb1")});
        for (QLineEdit* box : forms::get("pinb1")->findChildren<QLineEdit*>())
            QVERIFY(box->text().isEmpty());
        QVERIFY(forms::control<QLineEdit>("pinb2_saltz", "az2")->text().isEmpty());
        QVERIFY(!session.programEnded);
    }

    // "Έξοδος" and "Αλλαγή μελέτης" leave loaded only what they may: nothing
    // (exit) or the fresh start window (change), and the open-existing-report
    // window if it was open. Every other window was loaded first, the credits
    // and save-as windows shown.
    void commandsLeaveOnlyWhatTheyMay_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("reportWindowOpen");
        QTest::addColumn<QStringList>("loadedAfter");
        QTest::newRow("exit from Form1") << "Form1"
                                         << "exit" << false << QStringList{};
        QTest::newRow("exit from Form2, report window open")
            << "Form2"
            << "exit1" << true << QStringList{"browse_prev_report"};
        QTest::newRow("change from results") << "results"
                                             << "change" << false << QStringList{"intro"};
        QTest::newRow("change from pinb1, report window open")
            << "pinb1"
            << "change" << true << QStringList{"browse_prev_report", "intro"};
    }
    void commandsLeaveOnlyWhatTheyMay() {
        QFETCH(QString, from);
        QFETCH(QString, command);
        QFETCH(bool, reportWindowOpen);
        QFETCH(QStringList, loadedAfter);
        testsupport::Session session;
        enter(1);
        for (const char* window : {"pinb1", "pinb2", "eisagwgh_meleths", "Form1", "Form2", "Form2_saltz",
                                   "results", "pinb2_saltz"})
            forms::show(QString::fromLatin1(window));
        testsupport::menuItem(QStringLiteral("pinb2_saltz"), QStringLiteral("credits"))->trigger();
        testsupport::press(QStringLiteral("Form2"), QStringLiteral("next_to_word"));
        if (reportWindowOpen)
            testsupport::menuItem(QStringLiteral("pinb1"), QStringLiteral("open"))->trigger();
        forms::show(from);
        session.settle();
        QVERIFY(forms::isVisible(QStringLiteral("Form3")));
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(forms::loaded().size(), reportWindowOpen ? 11 : 10); // all but the start window

        testsupport::menuItem(from, command)->trigger();
        session.settle();
        QCOMPARE(sorted(forms::loaded()), loadedAfter);
        QCOMPARE(session.programEnded, loadedAfter.isEmpty());
    }

    // The open-existing-report window over a study whose windows were closed by
    // their close boxes: when the last visible window goes, by "Cancel" or by a
    // close box, the program ends as "Έξοδος" does; while one is visible, nothing
    // ends.
    void noProgramLeftRunningUnseen_data() {
        QTest::addColumn<QStringList>("steps"); // window.cancel or window.close, in order
        QTest::newRow("masts closed, then Cancel") << QStringList{"pinb1.close", "browse_prev_report.cancel"};
        QTest::newRow("masts closed, then the report window's close box")
            << QStringList{"pinb1.close", "browse_prev_report.close"};
        QTest::newRow("Cancel, then masts closed") << QStringList{"browse_prev_report.cancel", "pinb1.close"};
    }
    void noProgramLeftRunningUnseen() {
        QFETCH(QStringList, steps);
        testsupport::Session session;
        enter(0);
        forms::control<QLineEdit>("pinb1", "h_edafous3")->setText(QStringLiteral("120"));
        testsupport::menuItem(QStringLiteral("pinb1"), QStringLiteral("open"))->trigger();
        session.settle();
        QCOMPARE(sorted(forms::visible()), (QStringList{"browse_prev_report", "pinb1"}));

        for (int i = 0; i < steps.size(); ++i) {
            const QString window = steps[i].section(u'.', 0, 0);
            if (steps[i].endsWith(QStringLiteral(".close")))
                forms::get(window)->close();
            else
                testsupport::press(window, QStringLiteral("cancel"));
            session.settle();
            const bool last = i + 1 == steps.size();
            QCOMPARE(session.programEnded, last);
            if (!last) {
                // The masts window keeps what was typed while anything is visible.
                QCOMPARE(forms::visible().size(), 1);
                QCOMPARE(forms::control<QLineEdit>("pinb1", "h_edafous3")->text(), QStringLiteral("120"));
            }
        }
        QVERIFY(forms::loaded().isEmpty());
    }

    // The open-existing-report window outlives both commands; the program
    // ends when it is closed.
    void openExistingReportWindowOutlivesTheStudy() {
        testsupport::Session session;
        enter(0);
        forms::show(QStringLiteral("browse_prev_report"));
        testsupport::menuItem(QStringLiteral("pinb1"), QStringLiteral("change"))->trigger();
        session.settle();
        QCOMPARE(forms::loaded(),
                 (QStringList{QStringLiteral("browse_prev_report"), QStringLiteral("intro")}));
        enter(0);
        testsupport::menuItem(QStringLiteral("pinb1"), QStringLiteral("exit"))->trigger();
        session.settle();
        QCOMPARE(forms::loaded(), QStringList{QStringLiteral("browse_prev_report")});
        QVERIFY(!session.programEnded);
        forms::get("browse_prev_report")->close();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }
};

QTEST_MAIN(StudyCommandsTest)
#include "test_study_commands.moc"
