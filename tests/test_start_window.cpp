// The start window: the study-type list and entering a study.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "study/intro.h"
#include "study/study_commands.h"
#include "study_test.h"

namespace {
const QString noStudy = QStringLiteral("Δεν έχει επιλεγεί μελέτη!");

intro* startWindow() {
    forms::show(QStringLiteral("intro"));
    return forms::get<intro>();
}

// Opens the list with the keyboard, goes to its first entry, moves down to the
// entry wanted and takes it with Return in the open list.
void pickWithKeys(intro* w, int entry) {
    w->function_choice_cb->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    QAbstractItemView* list = w->function_choice_cb->view();
    QVERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible());
}

void checkFresh(intro* w) {
    QCOMPARE(w->function_choice_cb->count(), 2);
    QCOMPARE(w->function_choice_cb->itemText(0),
             QStringLiteral("Vorlux Tx/Rx κεραιών σταθμού βάσης βάση υπομνήματος ΕΕΑΕ"));
    QCOMPARE(w->function_choice_cb->itemText(1),
             QStringLiteral("Vorlux Tx/Rx κεραιών σταθμού βάσης βάση μοντέλου Saltzburg"));
    QCOMPARE(w->function_choice_cb->currentIndex(), -1);
    QCOMPARE(w->function_choice_cb->currentText(), QStringLiteral("Επιλογή μελέτης..."));
}
} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void freshWindow() {
        testsupport::Session session;
        intro* w = startWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(w->Label2->text(),
                 QStringLiteral("Λογισμικό μετρήσεων ραδιοεκπομπών και ελέγχου τήρησης επίπεδων αναφοράς"));
        QCOMPARE(w->enter_button->text(), QStringLiteral("Εισαγωγή στο πρόγραμμα"));
        QCOMPARE(w->orvane_logo->pixmap().size(), QSize(640, 400));
        checkFresh(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->enter_button);
        QTest::keyClick(w->enter_button, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        QVERIFY(next == w->function_choice_cb || w->function_choice_cb->isAncestorOf(next));
        testsupport::grabIfAsked(w, QStringLiteral("intro"));
    }

    // What the user does in the edit field, through real key events: text typed
    // and Return pressed there is no choice, even an entry's exact text, and
    // typing after a pick undoes the pick.
    void noChoice_data() {
        QTest::addColumn<bool>("pickFirst");
        QTest::addColumn<QString>("typed");
        QTest::newRow("untouched") << false << QString();
        QTest::newRow("V") << false << QStringLiteral("V");
        QTest::newRow("some text") << false << QStringLiteral("μελέτη");
        QTest::newRow("an entry's exact text")
            << false << QStringLiteral("Vorlux Tx/Rx κεραιών σταθμού βάσης βάση υπομνήματος ΕΕΑΕ");
        QTest::newRow("a pick, then V") << true << QStringLiteral("V");
        QTest::newRow("a pick, then its own text")
            << true << QStringLiteral("Vorlux Tx/Rx κεραιών σταθμού βάσης βάση μοντέλου Saltzburg");
    }
    void noChoice() {
        QFETCH(bool, pickFirst);
        QFETCH(QString, typed);
        testsupport::Session session;
        intro* w = startWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (pickFirst) {
            pickWithKeys(w, 1);
            QCOMPARE(w->selectedIndex(), 1);
        }
        if (!typed.isEmpty()) {
            w->function_choice_cb->setFocus();
            QWidget* field = QApplication::focusWidget();
            QVERIFY(field == w->function_choice_cb || field == w->function_choice_cb->lineEdit());
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            testsupport::typeText(field, typed);
            QCOMPARE(w->function_choice_cb->currentText(), typed); // nothing completed
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(w->selectedIndex(), -1);
            // Leaving the field for the button is no choice either.
            QTest::keyClick(field, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w->enter_button);
            QCOMPARE(w->selectedIndex(), -1);
            QCOMPARE(w->function_choice_cb->count(), 2);
        }
        const QString shownText = w->function_choice_cb->currentText();
        w->enter_button->click();
        session.settle();
        QCOMPARE(session.messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, noStudy}}));
        QCOMPARE(forms::visible(), QStringList{QStringLiteral("intro")});
        QCOMPARE(w->function_choice_cb->currentText(), shownText);
        QCOMPARE(w->function_choice_cb->count(), 2);
    }

    // A pick from the open list made with the keyboard counts, and Return on the
    // focused button enters the study, as the window's focus order intends.
    void pickWithTheKeyboard_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("firstWindow");
        QTest::newRow("EEAE") << 0 << "pinb1";
        QTest::newRow("Salzburg") << 1 << "pinb2_saltz";
    }
    void pickWithTheKeyboard() {
        QFETCH(int, entry);
        QFETCH(QString, firstWindow);
        testsupport::Session session;
        intro* w = startWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        pickWithKeys(w, entry);
        QCOMPARE(w->selectedIndex(), entry);
        w->enter_button->setFocus();
        QTest::keyClick(w->enter_button, Qt::Key_Return);
        session.settle();
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(forms::visible(), QStringList{firstWindow});
        QVERIFY(!session.programEnded);
    }

    void enterStudy_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("firstWindow");
        QTest::newRow("EEAE") << 0 << "pinb1";
        QTest::newRow("Salzburg") << 1 << "pinb2_saltz";
    }
    void enterStudy() {
        QFETCH(int, index);
        QFETCH(QString, firstWindow);
        testsupport::Session session;
        intro* w = startWindow();
        w->function_choice_cb->setCurrentIndex(index);
        emit w->function_choice_cb->activated(index);
        w->enter_button->click();
        session.settle();
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(forms::loaded(), QStringList{firstWindow});
        QCOMPARE(forms::visible(), QStringList{firstWindow});
        QVERIFY(!session.programEnded);
        testsupport::grabIfAsked(forms::get(firstWindow), firstWindow);
    }

    void changeStudyRefillsTheList() {
        testsupport::Session session;
        intro* w = startWindow();
        w->function_choice_cb->setCurrentIndex(1);
        emit w->function_choice_cb->activated(1);
        w->enter_button->click();
        for (int i = 0; i < 2; ++i) {
            study::change_study_command();
            session.settle();
            checkFresh(forms::get<intro>());
        }
        QCOMPARE(forms::loaded(), QStringList{QStringLiteral("intro")});
        QVERIFY(!session.programEnded);
    }
};

QTEST_MAIN(StartWindowTest)
#include "test_start_window.moc"
