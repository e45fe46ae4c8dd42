// The sectorisation window: a ticked sector's fifteen boxes are in the study.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "platform/runtime/twips.h"
#include "study/Form2.h"
#include "study_test.h"

namespace {
QLineEdit* box(int sector, char field) {
    return forms::control<QLineEdit>("Form2", QStringLiteral("sec%1%2").arg(sector).arg(QLatin1Char(field)));
}

QCheckBox* tick(int sector) {
    return forms::control<QCheckBox>("Form2", QStringLiteral("Check%1").arg(sector));
}

void fillAllEnabled() {
    for (int k = 1; k <= 9; ++k)
        for (char f = 'a'; f <= 'o'; ++f)
            if (box(k, f)->isEnabled())
                box(k, f)->setText(QStringLiteral("%1%2").arg(k).arg(QLatin1Char(f)));
}
} // namespace

class SectorisationTest : public QObject {
    Q_OBJECT
private slots:
    void freshWindow() {
        testsupport::Session session;
        for (int k = 1; k <= 9; ++k) {
            QVERIFY(tick(k));
            QVERIFY(!tick(k)->isChecked());
            for (char f = 'a'; f <= 'o'; ++f) {
                QVERIFY(box(k, f));
                QVERIFY(!box(k, f)->isEnabled());
                QVERIFY(box(k, f)->text().isEmpty());
            }
        }
        QVERIFY(!box(1, 'p'));
        QVERIFY(!box(10, 'a'));
    }

    void tickAndUntick_data() {
        QTest::addColumn<int>("sector");
        for (int k : {1, 3, 9})
            QTest::addRow("sector %d", k) << k;
    }
    void tickAndUntick() {
        QFETCH(int, sector);
        testsupport::Session session;
        forms::show(QStringLiteral("Form2"));
        QVERIFY(QTest::qWaitForWindowActive(forms::get("Form2")));
        // Two neighbours in the study first, to see that they stay as they are.
        const int other = sector == 1 ? 2 : 1;
        tick(other)->click();
        fillAllEnabled();

        tick(sector)->click();
        for (char f = 'a'; f <= 'o'; ++f)
            QVERIFY(box(sector, f)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), box(sector, 'a'));
        fillAllEnabled();

        tick(sector)->click();
        for (char f = 'a'; f <= 'o'; ++f) {
            QVERIFY(!box(sector, f)->isEnabled());
            QVERIFY(box(sector, f)->text().isEmpty());
        }
        for (char f = 'a'; f <= 'o'; ++f) {
            QVERIFY(box(other, f)->isEnabled());
            QCOMPARE(box(other, f)->text(), QStringLiteral("%1%2").arg(other).arg(QLatin1Char(f)));
        }
        for (int k = 1; k <= 9; ++k)
            if (k != sector && k != other)
                QVERIFY(!box(k, 'a')->isEnabled());

        tick(sector)->click();
        for (char f = 'a'; f <= 'o'; ++f) {
            QVERIFY(box(sector, f)->isEnabled());
            QVERIFY(box(sector, f)->text().isEmpty());
        }
        QVERIFY(session.messages.shown.isEmpty());
    }

    void ticksAndTextSurviveGoingBack() {
        testsupport::Session session;
        forms::show(QStringLiteral("Form2"));
        tick(4)->click();
        box(4, 'g')->setText(QStringLiteral("6"));
        forms::control<QPushButton>("Form2", "back1")->click();
        forms::show(QStringLiteral("Form2"));
        QVERIFY(tick(4)->isChecked());
        QCOMPARE(box(4, 'g')->text(), QStringLiteral("6"));
    }

    void captions() {
        testsupport::Session session;
        auto* w = forms::get<Form2>();
        QCOMPARE(w->Frame1->title(), QStringLiteral("Sectorisation ανά συχνότητα λειτουργίας"));
        QCOMPARE(w->print_report_excel->text(), QStringLiteral("Export to excel (Stand alone)"));
        QCOMPARE(w->next_to_word->text(), QStringLiteral("Proceed to word"));
        QCOMPARE(w->back1->text(), QStringLiteral("Back"));
        QCOMPARE(forms::control<QLabel>("Form2", "Label13")->text(),
                 QStringLiteral("Κάθετη απόκλιση σε σχέση με την προς τα κάτω κλίση της κεραίας (μοίρες)"));
        QCOMPARE(box(5, 'a')->geometry().topLeft(), QPoint(forms::px(10440), forms::px(1200)));
        QCOMPARE(box(9, 'o')->geometry().topLeft(), QPoint(forms::px(16560), forms::px(8160)));
        QCOMPARE(box(9, 'o')->size(), QSize(forms::px(1095), forms::px(285)));
    }

    // The column titles are one label array, Label3, as Form1 names its arrays:
    // element k - 1 is "Sector k", centred over column k.
    void columnTitles() {
        testsupport::Session session;
        const QList<QLabel*> titles = forms::get("Form2")->findChildren<QLabel*>(QStringLiteral("Label3"));
        QCOMPARE(titles.size(), 9);
        for (int k = 1; k <= 9; ++k) {
            QLabel* title = titles.at(k - 1);
            QCOMPARE(title->text(), QStringLiteral("Sector %1").arg(k));
            QCOMPARE(title->alignment(), Qt::AlignCenter);
            QVERIFY(title->geometry().left() >= tick(k)->geometry().right());
            QVERIFY(title->geometry().right() <= box(k, 'a')->geometry().right());
        }
        QVERIFY(!forms::get("Form2")->findChild<QLabel*>(QStringLiteral("Label3_0")));
    }
};

QTEST_MAIN(SectorisationTest)
#include "test_sectorisation.moc"
