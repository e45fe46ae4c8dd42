// "Αρχικοποίηση": back to the initial state, the check boxes first so that their
// procedures and hints run.
#include <QSignalSpy>
#include <QtTest>

#include "eeae_form1_driver.h"
#include "study_test.h"

using namespace form1;

namespace {
// What a window shows when it has just been created.
QMap<QString, QString> initialState() {
    forms::unload("Form1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return snapshot();
}
} // namespace

class ResetTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Session> session;
    QMap<QString, QString> initial;
private slots:
    void init() {
        session = std::make_unique<testsupport::Session>();
        initial = initialState();
    }
    void cleanup() { session.reset(); }

    void aFreshWindowRunsNoClickProcedure() {
        QSignalSpy toggles[] = {{control<QCheckBox>("Check1"), &QCheckBox::toggled},
                                {control<QCheckBox>("Check2"), &QCheckBox::toggled},
                                {control<QCheckBox>("Check3"), &QCheckBox::toggled}};
        press("reset");
        for (QSignalSpy& spy : toggles)
            QCOMPARE(spy.count(), 0);
        QVERIFY(session->messages.shown.isEmpty());
        QCOMPARE(snapshot(), initial);
    }

    void afterACalculation_data() {
        QTest::addColumn<QList<bool>>("ticks");
        QTest::newRow("all three") << QList<bool>{true, true, true};
        QTest::newRow("GSM and UMTS") << QList<bool>{true, false, true};
        QTest::newRow("DCS only") << QList<bool>{false, true, false};
    }
    void afterACalculation() {
        QFETCH(QList<bool>, ticks);
        enterUsual(ticks);
        distances("10", "50");
        press("calculate");
        QVERIFY(enabled("proceed"));
        forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowActive(window()));
        control("dp2")->setFocus();
        press("reset");
        QVERIFY(session->messages.shown.isEmpty());
        QCOMPARE(snapshot(), initial);
        QCOMPARE(QApplication::focusWidget(), control("dp2"));
    }

    void hintsDuringTheReset_data() {
        QTest::addColumn<QList<bool>>("ticks");
        QTest::addColumn<QList<bool>>("typed"); // the band's usual inputs typed in
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("zeroed");
        QTest::addColumn<QStringList>("hints");
        // Check1_Click checks DCS-1800 alone; Check2_Click then has no band left.
        QTest::newRow("GSM typed, DCS still 0")
            << QList<bool>{true, true, false} << QList<bool>{true, false, false} << false << ""
            << QStringList{hint("DCS-1800")};
        // Check1_Click checks DCS then UMTS; Check2_Click checks UMTS again.
        QTest::newRow("all three, UMTS power 0")
            << QList<bool>{true, true, true} << QList<bool>{true, true, true} << true << "pumts"
            << QStringList{hint("UMTS-2100"), hint("UMTS-2100")};
        QTest::newRow("all three, DCS gain 0")
            << QList<bool>{true, true, true} << QList<bool>{true, true, true} << true << "gmldcs"
            << QStringList{hint("DCS-1800")};
        QTest::newRow("DCS and UMTS, UMTS gain 0")
            << QList<bool>{false, true, true} << QList<bool>{false, true, true} << true << "gslumts"
            << QStringList{hint("UMTS-2100")};
        // Typed but never calculated: the remaining bands' densities hold no number.
        QTest::newRow("all three typed, no calculation")
            << QList<bool>{true, true, true} << QList<bool>{true, true, true} << false << ""
            << QStringList{hint("DCS-1800"), hint("UMTS-2100")};
        // The inputs of DCS-1800 and UMTS-2100 are checked before any density:
        // Check1_Click meets the UMTS-2100 zero before DCS-1800's missing densities.
        QTest::newRow("all three typed, UMTS power 0, no calculation")
            << QList<bool>{true, true, true} << QList<bool>{true, true, true} << false << "pumts"
            << QStringList{hint("UMTS-2100"), hint("UMTS-2100")};
    }
    void hintsDuringTheReset() {
        QFETCH(QList<bool>, ticks);
        QFETCH(QList<bool>, typed);
        QFETCH(bool, calculated);
        QFETCH(QString, zeroed);
        QFETCH(QStringList, hints);
        const char* checks[] = {"Check1", "Check2", "Check3"};
        for (int b = 0; b < 3; ++b)
            if (ticks[b])
                tick(QString::fromLatin1(checks[b]));
        enterUsual(typed);
        distances("10", "50");
        if (calculated)
            press("calculate");
        if (!zeroed.isEmpty())
            type(zeroed, "0");
        session->messages.shown.clear();
        press("reset");
        QCOMPARE(session->messages.texts(), hints);
        for (const messages::Shown& shown : session->messages.shown)
            QCOMPARE(shown.icon, messages::Icon::Information);
        QCOMPARE(snapshot(), initial);
    }
};

QTEST_MAIN(ResetTest)
#include "test_eeae_reset.moc"
