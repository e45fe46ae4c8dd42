// "Έξοδος" and "Αλλαγή μελέτης" under every study window's "Αρχείο" menu.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "platform/forms.h"
#include "study/intro.h"
#include "study_test.h"

namespace {
QAction* item(const QString& window, const QString& name) {
    return forms::get(window)->menuBar()->findChild<QAction*>(name);
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
        QCOMPARE(item(window, change)->text(), QStringLiteral("Αλλαγή μελέτης"));
        QCOMPARE(item(window, exit)->text(), QStringLiteral("Έξοδος"));
        QVERIFY(file->actions().indexOf(item(window, change)) < file->actions().indexOf(item(window, exit)));

        // Each window's own items run the commands.
        forms::show(window);
        item(window, change)->trigger();
        session.settle();
        QCOMPARE(forms::loaded(), QStringList{QStringLiteral("intro")});
        QVERIFY(!session.programEnded);
        forms::show(window);
        item(window, exit)->trigger();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }

    void exitRightAfterTheStart() {
        testsupport::Session session;
        enter(0);
        session.settle();
        item(QStringLiteral("pinb1"), QStringLiteral("exit"))->trigger();
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
        item(QStringLiteral("Form1"), QStringLiteral("exit"))->trigger();
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
        item(QStringLiteral("results"), QStringLiteral("change"))->trigger();
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

    // The open-existing-report window outlives both commands; the program
    // ends when it is closed.
    void openExistingReportWindowOutlivesTheStudy() {
        testsupport::Session session;
        enter(0);
        forms::show(QStringLiteral("browse_prev_report"));
        item(QStringLiteral("pinb1"), QStringLiteral("change"))->trigger();
        session.settle();
        QCOMPARE(forms::loaded(),
                 (QStringList{QStringLiteral("browse_prev_report"), QStringLiteral("intro")}));
        enter(0);
        item(QStringLiteral("pinb1"), QStringLiteral("exit"))->trigger();
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
