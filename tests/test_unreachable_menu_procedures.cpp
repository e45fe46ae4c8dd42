// The Salzburg sector window's five menu procedures that no menu item calls,
// called from here: they open the same documents and start the same help
// program as the study windows' menus, show the save-as window as it stands,
// and leave the grid as it was.
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "salzburg/unreachable/menu_procedures.h"
#include "salzburg_grid.h"
#include "study_test.h"
#include "window_helpers.h"

namespace {

namespace procedures = salzburg::unreachable;

struct Procedure {
    const char* name;
    void (*run)();
    const char* file; // in the program folder
    bool isProgram;
    const char* twin; // the sectorisation window's menu item that does the same
};

const Procedure procedureTable[] = {
    {"open_fek1666_pdf", &procedures::open_fek1666_pdf, "files/fek1666.pdf", false, "fek_1666_1"},
    {"open_kya53571_pdf", &procedures::open_kya53571_pdf, "files/KYA_53571_3839.pdf", false, "KYA53571_1"},
    {"open_n3431_pdf", &procedures::open_n3431_pdf, "files/Nomos_3431_2006.pdf", false, "N3431_1"},
    {"show_form_help", &procedures::show_form_help, "exes/sectorplan", true, "present_form_1"},
};

void chooseTwin(const Procedure& procedure) {
    testsupport::choose(QStringLiteral("Form2"), QString::fromLatin1(procedure.twin));
}

// What the desktop was asked to do, "open PATH" or "start PATH ARGUMENTS..."; then forgotten.
QStringList takeHandedOn(desktop::Recorder& desktop) {
    QStringList asked;
    for (const QString& path : desktop.opened)
        asked << QStringLiteral("open ") + path;
    for (const desktop::Recorder::Start& start : desktop.started)
        asked << (QStringList{QStringLiteral("start"), start.program} + start.arguments).join(u' ');
    desktop.opened.clear();
    desktop.started.clear();
    return asked;
}

const Procedure& procedureNamed(const QString& name) {
    for (const Procedure& procedure : procedureTable)
        if (name == QLatin1String(procedure.name))
            return procedure;
    qFatal("no procedure %s", qPrintable(name));
}

// The grid as a user leaves it: sector 2 open and typed into.
void fillGrid() {
    testsupport::tick(2);
    testsupport::fill(2, QStringLiteral("a=Α1;c=3;e=20;k=30,5;n=12"));
}

// The windows the user sees, by name.
QSet<QString> shownWindows() {
    const QStringList names = forms::visible();
    return {names.begin(), names.end()};
}

// What the grid shows, box by box, with its ticks.
QStringList gridState() {
    QStringList state;
    for (int sector = 1; sector <= 6; ++sector) {
        state << QString::number(
            forms::control<QCheckBox>(testsupport::grid, QStringLiteral("Check%1").arg(sector))
                ->checkState());
        for (char row = 'a'; row <= 'v'; ++row) {
            const QLineEdit* box = testsupport::gridBox(sector, row);
            state << box->text() + (box->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
        }
    }
    return state;
}

} // namespace

class UnreachableMenuProceduresTest : public QObject {
    Q_OBJECT

private slots:
    void documentsAndHelp_data() {
        QTest::addColumn<QString>("procedure");
        for (const Procedure& procedure : procedureTable)
            QTest::newRow(procedure.name) << QString::fromLatin1(procedure.name);
    }
    // Each call hands the file on again as one whole path, a program without
    // arguments, exactly as the sectorisation window's menu item does. The grid
    // stays visible and as it was.
    void documentsAndHelp() {
        QFETCH(QString, procedure);
        const Procedure& called = procedureNamed(procedure);
        testsupport::Session session;
        fillGrid();
        const QSet<QString> windows = shownWindows();
        const QStringList before = gridState();

        called.run();
        called.run();

        QCOMPARE(session.messages.shown, QList<messages::Shown>{});
        const QString once = (called.isProgram ? QStringLiteral("start ") : QStringLiteral("open ")) +
                             desktop::inProgramFolder(QString::fromLatin1(called.file));
        QCOMPARE(takeHandedOn(session.desktop), (QStringList{once, once}));
        QCOMPARE(shownWindows(), windows);
        QCOMPARE(gridState(), before);

        chooseTwin(called);
        QCOMPARE(takeHandedOn(session.desktop), QStringList{once});
    }

    // Nothing at the place the program looks: the same message as the menus
    // give, naming the file; nothing is started and the program goes on.
    void missingFile_data() { documentsAndHelp_data(); }
    void missingFile() {
        QFETCH(QString, procedure);
        const Procedure& called = procedureNamed(procedure);
        QTemporaryDir empty;
        testsupport::Session session;
        desktop::setProgramFolder(empty.path());
        fillGrid();
        const QStringList before = gridState();

        called.run();

        const QString path = QDir::toNativeSeparators(empty.filePath(QString::fromLatin1(called.file)));
        const QString text = called.isProgram ? QStringLiteral("Δεν βρέθηκε το πρόγραμμα «%1».")
                                              : QStringLiteral("Δεν βρέθηκε το αρχείο «%1».");
        QCOMPARE(session.messages.shown,
                 (QList<messages::Shown>{{messages::Icon::Critical, text.arg(path)}}));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(session.desktop.started.isEmpty());
        QVERIFY(forms::isVisible(testsupport::grid));
        QCOMPARE(gridState(), before);
        QVERIFY(!session.programEnded);
    }

    // The save-as window, created on the first call with its start contents;
    // called again, the same window shows what the user typed meanwhile. No
    // other window is shown or hidden.
    void showBrowseForm() {
        testsupport::Session session;
        fillGrid();
        const QSet<QString> windows = shownWindows();
        const QStringList before = gridState();
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));

        procedures::show_browse_form();
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QLineEdit* name = forms::control<QLineEdit>(QStringLiteral("browse"), QStringLiteral("Text1"));
        QCOMPARE(name->text(), QStringLiteral("Text1"));
        const QPointer<QMainWindow> first = forms::get(QStringLiteral("browse"));
        QCOMPARE(shownWindows(), windows + QSet<QString>{QStringLiteral("browse")});

        testsupport::type(name, QStringLiteral("Κεραία Πάτρας"));
        procedures::show_browse_form();

        QCOMPARE(forms::get(QStringLiteral("browse")), first.data());
        QCOMPARE(name->text(), QStringLiteral("Κεραία Πάτρας"));
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(shownWindows(), windows + QSet<QString>{QStringLiteral("browse")});
        QCOMPARE(gridState(), before);
        QVERIFY(session.messages.shown.isEmpty());
    }
};

QTEST_MAIN(UnreachableMenuProceduresTest)
#include "test_unreachable_menu_procedures.moc"
