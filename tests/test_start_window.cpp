// The start window: the study-type list and entering a study.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "platform/forms.h"
#include "study/intro.h"
#include "study/study_commands.h"
#include "study_test.h"

namespace {
const QString noStudy = QStringLiteral("Δεν έχει επιλεγεί μελέτη!");

intro* startWindow() {
    forms::show(QStringLiteral("intro"));
    return forms::get<intro>();
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

    void noChoice_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("untouched") << QString();
        QTest::newRow("some text") << QStringLiteral("μελέτη");
        QTest::newRow("an entry's exact text")
            << QStringLiteral("Vorlux Tx/Rx κεραιών σταθμού βάσης βάση υπομνήματος ΕΕΑΕ");
    }
    void noChoice() {
        QFETCH(QString, typed);
        testsupport::Session session;
        intro* w = startWindow();
        if (!typed.isEmpty()) {
            // A real choice first, then typing over it: still no choice.
            w->function_choice_cb->setCurrentIndex(0);
            emit w->function_choice_cb->activated(0);
            w->function_choice_cb->lineEdit()->selectAll();
            testsupport::typeText(w->function_choice_cb->lineEdit(), typed);
        }
        const QString shownText = w->function_choice_cb->currentText();
        w->enter_button->click();
        session.settle();
        QCOMPARE(session.messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, noStudy}}));
        QCOMPARE(forms::visible(), QStringList{QStringLiteral("intro")});
        QCOMPARE(w->function_choice_cb->currentText(), shownText);
        QCOMPARE(w->function_choice_cb->count(), 2);
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
