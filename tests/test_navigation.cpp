// Walking both chains of study windows forward and back: which windows are
// visible after each press, and nothing typed is lost on the way.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "study_test.h"
#include "window_helpers.h"

namespace {
struct Press {
    const char* window;
    const char* button;
    QStringList visibleAfter; // sorted
};

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

void press(const Press& p) {
    testsupport::press(QString::fromLatin1(p.window), QString::fromLatin1(p.button));
}

// Every text box of a window gets its own name as its text (the description
// several paragraphs of it).
void fill(const QString& window) {
    for (QLineEdit* box : forms::get(window)->findChildren<QLineEdit*>())
        if (!box->objectName().isEmpty() && box->isEnabled())
            box->setText(box->objectName());
    for (QPlainTextEdit* box : forms::get(window)->findChildren<QPlainTextEdit*>())
        box->setPlainText(box->objectName() + QStringLiteral("\nδεύτερη παράγραφος\n\nτρίτη"));
}

void checkFilled(const QString& window) {
    int boxes = 0;
    for (QLineEdit* box : forms::get(window)->findChildren<QLineEdit*>())
        if (!box->objectName().isEmpty() && box->isEnabled()) {
            QCOMPARE(box->text(), box->objectName());
            ++boxes;
        }
    for (QPlainTextEdit* box : forms::get(window)->findChildren<QPlainTextEdit*>()) {
        QCOMPARE(box->toPlainText(), box->objectName() + QStringLiteral("\nδεύτερη παράγραφος\n\nτρίτη"));
        ++boxes;
    }
    QVERIFY(boxes > 0);
}
} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void eeaeChain() {
        testsupport::Session session;
        forms::show(QStringLiteral("pinb1"));
        const QStringList eeaeFour = {"eisagwgh_meleths", "Form1"};
        const Press forward[] = {
            {"pinb1", "proceed", {"pinb2"}},
            {"pinb2", "back", {"pinb1"}},
            {"pinb1", "proceed", {"pinb2"}},
            {"pinb2", "proceed", {"eisagwgh_meleths"}},
            {"eisagwgh_meleths", "back", {"pinb2"}},
            {"pinb2", "proceed", {"eisagwgh_meleths"}},
            {"eisagwgh_meleths", "export_to_word", eeaeFour},
            {"eisagwgh_meleths", "export_to_word", eeaeFour}, // already open: only raised
            {"Form1", "back", {"eisagwgh_meleths"}},
            {"eisagwgh_meleths", "export_to_word", eeaeFour},
        };
        fill(QStringLiteral("pinb1"));
        for (const Press& p : forward) {
            if (QLatin1String(p.window) == QLatin1String("pinb2"))
                fill(QStringLiteral("pinb2"));
            if (QLatin1String(p.window) == QLatin1String("eisagwgh_meleths"))
                fill(QStringLiteral("eisagwgh_meleths"));
            press(p);
            QCOMPARE(sorted(forms::visible()), sorted(p.visibleAfter));
        }

        // Form1's "Proceed" waits for a calculation; from there on the chain goes on.
        QVERIFY(!forms::control<QPushButton>("Form1", "proceed")->isEnabled());
        forms::control<QPushButton>("Form1", "proceed")->setEnabled(true);
        const Press rest[] = {
            {"Form1", "proceed", {"eisagwgh_meleths", "Form1", "Form2"}},
            {"Form2", "back1", {"eisagwgh_meleths", "Form1"}},
            {"Form1", "proceed", {"eisagwgh_meleths", "Form1", "Form2"}},
            {"Form2", "next_to_word", {"eisagwgh_meleths", "Form1", "Form2", "browse"}},
            {"browse", "cancel", {"eisagwgh_meleths", "Form1", "Form2"}},
            {"Form2", "next_to_word", {"eisagwgh_meleths", "Form1", "Form2", "browse"}},
        };
        for (const Press& p : rest) {
            if (QLatin1String(p.window) == QLatin1String("Form2")) {
                for (QCheckBox* tick : forms::get("Form2")->findChildren<QCheckBox*>())
                    tick->setChecked(true);
                fill(QStringLiteral("Form2"));
            }
            press(p);
            QCOMPARE(sorted(forms::visible()), sorted(p.visibleAfter));
        }
        QVERIFY(forms::get("browse") != nullptr);
        QCOMPARE(forms::control<QLineEdit>("browse", "Text1")->text(), QStringLiteral("Text1"));

        for (const char* window : {"pinb1", "pinb2", "eisagwgh_meleths", "Form2"})
            checkFilled(QString::fromLatin1(window));
        session.settle();
        QVERIFY(session.messages.shown.isEmpty());
        QVERIFY(!session.programEnded);
    }

    void salzburgChain() {
        testsupport::Session session;
        forms::show(QStringLiteral("pinb2_saltz"));
        fill(QStringLiteral("pinb2_saltz"));
        const Press presses[] = {
            {"pinb2_saltz", "proceed", {"Form2_saltz"}},
            {"Form2_saltz", "back1", {"pinb2_saltz"}},
            {"pinb2_saltz", "proceed", {"Form2_saltz"}},
            {"Form2_saltz", "calculations", {"Form2_saltz", "results"}},
            {"results", "back", {"Form2_saltz"}},
            {"Form2_saltz", "calculations", {"Form2_saltz", "results"}},
        };
        for (const Press& p : presses) {
            press(p);
            QCOMPARE(sorted(forms::visible()), sorted(p.visibleAfter));
        }
        checkFilled(QStringLiteral("pinb2_saltz"));
        QVERIFY(!session.programEnded);
    }

    void firstWindowsHaveNoBackButton() {
        testsupport::Session session;
        for (const char* window : {"pinb1", "pinb2_saltz"})
            QVERIFY(!forms::control<QPushButton>(QString::fromLatin1(window), "back"));
    }

    void titlesAndSizes_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("client");
        const QSize study(1264, 744);
        QTest::newRow("intro") << "intro"
                               << "Form1" << QSize(1264, 764);
        QTest::newRow("pinb1") << "pinb1"
                               << "Χαρακτηριστικά ιστών στήριξης κεραιοδιατάξεων" << study;
        QTest::newRow("pinb2") << "pinb2"
                               << "Τεχνικά χαρακτηριστικά κεραιοδιατάξεων" << study;
        QTest::newRow("eisagwgh_meleths") << "eisagwgh_meleths"
                                          << "Γενική περιγραφή της εξεταζόμενης εγκατάστασης" << study;
        QTest::newRow("Form1") << "Form1"
                               << "Vorlux" << study;
        QTest::newRow("Form2") << "Form2"
                               << "Τομεοποίηση" << study;
        QTest::newRow("pinb2_saltz") << "pinb2_saltz"
                                     << "Τεχνικά χαρακτηριστικά κεραιοδιατάξεων" << study;
        QTest::newRow("Form2_saltz") << "Form2_saltz"
                                     << "Τομεοποίηση" << study;
        QTest::newRow("results") << "results"
                                 << "Αποτελέσματα μελέτης - Γραφική απεικόνιση περιοχών" << study;
        QTest::newRow("browse") << "browse"
                                << "Browse.." << QSize();
        QTest::newRow("browse_prev_report") << "browse_prev_report"
                                            << "Browse to open.." << QSize();
        QTest::newRow("Form3") << "Form3"
                               << "Credits" << QSize();
    }
    void titlesAndSizes() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QSize, client);
        testsupport::Session session;
        forms::Window* w = forms::get(window);
        QCOMPARE(w->objectName(), window);
        QCOMPARE(w->windowTitle(), title);
        if (client.isValid())
            QCOMPARE(w->client()->size(), client);
        QVERIFY(!w->isVisible());
        testsupport::grabIfAsked(w, window);
    }

    // No caption of a window is cut: a label is at least as tall as its text
    // needs at its width (wrapped or not), and a one-line caption as wide; and
    // no wrapped caption's lines run into another caption's.
    void noCaptionIsCut_data() { titlesAndSizes_data(); }
    void noCaptionIsCut() {
        QFETCH(QString, window);
        testsupport::Session session;
        forms::Window* w = forms::get(window);
        w->show();
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(w))
                continue;
            const QString what = label->objectName() + QStringLiteral(": ") + label->text();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(what));
            } else {
                QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(what));
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(what));
            }
        }
        // Where a wrapped caption's lines stand inside its label.
        const auto textArea = [](const QLabel* label) {
            const int needed = label->heightForWidth(label->width());
            int top = label->y();
            if (label->alignment() & Qt::AlignVCenter)
                top += (label->height() - needed) / 2;
            else if (label->alignment() & Qt::AlignBottom)
                top += label->height() - needed;
            return QRect(QPoint(label->x(), top), QSize(label->width(), needed));
        };
        const QList<QLabel*> labels = w->findChildren<QLabel*>();
        for (const QLabel* a : labels)
            for (const QLabel* b : labels)
                if (a != b && a->wordWrap() && b->wordWrap() && a->parentWidget() == b->parentWidget() &&
                    !a->text().isEmpty() && !b->text().isEmpty())
                    QVERIFY2(!textArea(a).intersects(textArea(b)), qPrintable(a->text() + u'/' + b->text()));
    }

    // A study window's close box hides it with its contents; the chain's buttons
    // show it again as it was.
    void closeBoxKeepsTheStudy() {
        testsupport::Session session;
        forms::show(QStringLiteral("pinb1"));
        forms::control<QPushButton>("pinb1", "proceed")->click();
        forms::control<QLineEdit>("pinb2", "model3")->setText(QStringLiteral("κεραία"));
        forms::show(QStringLiteral("pinb1"));
        forms::get("pinb2")->close();
        session.settle();
        QCOMPARE(forms::visible(), QStringList{QStringLiteral("pinb1")});
        QVERIFY(forms::isLoaded(QStringLiteral("pinb2")));
        forms::control<QPushButton>("pinb1", "proceed")->click();
        QCOMPARE(forms::control<QLineEdit>("pinb2", "model3")->text(), QStringLiteral("κεραία"));
        QVERIFY(!session.programEnded);
    }

    // Closing the last visible window ends the program as "Έξοδος" does, with
    // no invisible program left running.
    void closingTheLastWindowEndsTheProgram() {
        testsupport::Session session;
        forms::show(QStringLiteral("pinb1"));
        forms::control<QPushButton>("pinb1", "proceed")->click();
        forms::get("pinb2")->close();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }

    void closingTheStartWindowEndsTheProgram() {
        testsupport::Session session;
        forms::show(QStringLiteral("intro"));
        forms::get("intro")->close();
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }
};

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
