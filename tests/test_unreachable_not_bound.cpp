// Nothing the user can reach runs the Salzburg grid's own workbook export or
// its five menu procedures: on a study where each of them would show, every
// menu item, control and handler of the grid is used, and none of them shows.
// Nor does any code of the program outside their own folder refer to them.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDirIterator>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QtTest>

#include "platform/office/excel.h"
#include "platform/runtime/forms.h"
#include "salzburg/unreachable/export_dispatch.h"
#include "salzburg/unreachable/menu_procedures.h"
#include "salzburg_grid.h"
#include "study_test.h"
#include "temp_folder.h"

namespace {

namespace procedures = salzburg::unreachable;

// The procedures themselves, to show that the study below reveals each of them.
struct Procedure {
    const char* name;
    void (*run)();
};
const Procedure procedureTable[] = {
    {"print_report_excel_dispatch", &procedures::print_report_excel_dispatch},
    {"open_fek1666_pdf", &procedures::open_fek1666_pdf},
    {"open_kya53571_pdf", &procedures::open_kya53571_pdf},
    {"open_n3431_pdf", &procedures::open_n3431_pdf},
    {"show_form_help", &procedures::show_form_help},
    {"show_browse_form", &procedures::show_browse_form},
};

// The names of every procedure of the two files, the export's seven routines included.
const char* const procedureNames[] = {
    "print_report_excel_dispatch",
    "export_excel_gsm_dcs_umts",
    "export_excel_gsm_dcs",
    "export_excel_gsm_umts",
    "export_excel_dcs_umts",
    "export_excel_gsm",
    "export_excel_dcs",
    "export_excel_umts",
    "open_fek1666_pdf",
    "open_kya53571_pdf",
    "open_n3431_pdf",
    "show_form_help",
    "show_browse_form",
};

// A study on which every procedure would leave a trace: all three bands and a
// sector ticked for the export, every grid sector open and filled.
void prepareStudy() {
    for (int band = 1; band <= 3; ++band)
        forms::control<QCheckBox>(QStringLiteral("Form1"), QStringLiteral("Check%1").arg(band))
            ->setChecked(true);
    forms::control<QCheckBox>(QStringLiteral("Form2"), QStringLiteral("Check1"))->setChecked(true);
    for (int sector = 1; sector <= 6; ++sector) {
        testsupport::tick(sector);
        testsupport::fill(sector, QStringLiteral("a=Α;b=1;c=3;d=900;e=5;f=37;g=120;h=K;i=10;j=6;k=25;l=1,5;"
                                                 "m=2;n=40;o=3;p=2;q=100;r=8;s=15;t=17;u=10;v=14,3"));
    }
}

// What only these procedures do: a spreadsheet started, one of their three
// documents opened, the sectorisation help program started, the save-as window.
QStringList tracesOfProcedures(const testsupport::Session& session, const excel::Recorder& spreadsheet) {
    QStringList traces;
    if (spreadsheet.count(excel::Recorder::Kind::Create) > 0)
        traces << QStringLiteral("a spreadsheet was started");
    for (const QString& path : session.desktop.opened)
        for (const char* document : {"fek1666.pdf", "KYA_53571_3839.pdf", "Nomos_3431_2006.pdf"})
            if (path.endsWith(QStringLiteral("/files/") + QLatin1String(document)))
                traces << QStringLiteral("opened ") + path;
    for (const desktop::Recorder::Start& start : session.desktop.started)
        if (QFileInfo(start.program).baseName() == QLatin1String("sectorplan"))
            traces << QStringLiteral("started ") + start.program;
    if (forms::isLoaded(QStringLiteral("browse")))
        traces << QStringLiteral("the save-as window was created");
    return traces;
}

QMainWindow* grid() {
    return forms::get(testsupport::grid);
}

// The window's own handlers: the methods its class declares.
QList<QMetaMethod> handlers() {
    QList<QMetaMethod> methods;
    const QMetaObject* meta = grid()->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).methodType() == QMetaMethod::Slot)
            methods << meta->method(i);
    return methods;
}

// Each menu item of the bar, submenus' own entries included.
QList<QAction*> menuItems() {
    QList<QAction*> items;
    for (QAction* action : grid()->menuBar()->findChildren<QAction*>())
        if (!action->objectName().isEmpty())
            items << action;
    for (QMenu* menu : grid()->menuBar()->findChildren<QMenu*>())
        items << menu->menuAction();
    return items;
}

QString itemName(QAction* action) {
    return action->menu() ? action->menu()->objectName() : action->objectName();
}

// Every control of the window a user can press or type into (the menu bar's
// items are walked as menu items).
QList<QWidget*> controls() {
    QList<QWidget*> found;
    for (QWidget* widget : grid()->centralWidget()->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() &&
            (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)))
            found << widget;
    return found;
}

void use(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
        return;
    }
    auto* box = qobject_cast<QLineEdit*>(control);
    testsupport::type(box, QStringLiteral("7"));
    QTest::keyClick(box, Qt::Key_Return);
    box->clearFocus();
}

void run(const QMetaMethod& handler) {
    if (handler.parameterCount() == 0) {
        QVERIFY(handler.invoke(grid(), Qt::DirectConnection));
        return;
    }
    QCOMPARE(handler.parameterType(0), int(QMetaType::Int));
    for (int sector = 1; sector <= 6 && forms::isLoaded(testsupport::grid); ++sector)
        QVERIFY(handler.invoke(grid(), Qt::DirectConnection, Q_ARG(int, sector)));
}

} // namespace

class UnreachableNotBoundTest : public QObject {
    Q_OBJECT

private slots:
    void walk_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        testsupport::Session session;
        for (const Procedure& procedure : procedureTable)
            QTest::addRow("procedure %s", procedure.name)
                << "procedure" << QString::fromLatin1(procedure.name);
        for (QAction* item : menuItems())
            QTest::addRow("menu item %s", qPrintable(itemName(item))) << "menu item" << itemName(item);
        for (QWidget* control : controls())
            QTest::addRow("control %s", qPrintable(control->objectName()))
                << "control" << control->objectName();
        for (const QMetaMethod& handler : handlers())
            QTest::addRow("handler %s", handler.name().constData())
                << "handler" << QString::fromLatin1(handler.name());
        QTest::newRow("close box") << "window"
                                   << "close";
    }
    // Used on the study, each leaves no trace of the procedures; the procedures
    // themselves each leave one, so the walk would see one bound anywhere.
    void walk() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        testsupport::Session session;
        testsupport::TemporaryFolder temporary;
        excel::Recorder spreadsheet;
        prepareStudy();
        forms::show(testsupport::grid);
        QCOMPARE(tracesOfProcedures(session, spreadsheet), QStringList{});

        if (kind == QLatin1String("procedure")) {
            for (const Procedure& procedure : procedureTable)
                if (name == QLatin1String(procedure.name))
                    procedure.run();
            QCOMPARE(tracesOfProcedures(session, spreadsheet).size(), 1);
            return;
        }
        if (kind == QLatin1String("menu item")) {
            const QList<QAction*> items = menuItems();
            const auto item =
                std::find_if(items.begin(), items.end(), [&](QAction* a) { return itemName(a) == name; });
            QVERIFY(item != items.end());
            (*item)->trigger();
        } else if (kind == QLatin1String("control")) {
            QWidget* control = grid()->findChild<QWidget*>(name);
            QVERIFY(control);
            use(control);
        } else if (kind == QLatin1String("handler")) {
            const QList<QMetaMethod> methods = handlers();
            const auto handler = std::find_if(methods.begin(), methods.end(),
                                              [&](const QMetaMethod& m) { return m.name() == name; });
            QVERIFY(handler != methods.end());
            run(*handler);
        } else {
            grid()->close();
        }
        session.settle();
        QCOMPARE(tracesOfProcedures(session, spreadsheet), QStringList{});
    }

    // No handler of the grid carries the name of one of the procedures.
    void noHandlerOfTheirName() {
        testsupport::Session session;
        const QMetaObject* meta = grid()->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i)
            for (const char* procedure : procedureNames)
                QVERIFY2(meta->method(i).name() != procedure, procedure);
    }

    // No source of the program outside the procedures' own folder includes
    // them, and no target but the tests links them.
    void nothingElseRefersToThem() {
        const QDir root(QStringLiteral(VORLUX_SOURCE_DIR));
        QStringList referring;
        QDirIterator files(root.path(), {"*.cpp", "*.h", "CMakeLists.txt"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString relative = root.relativeFilePath(files.next());
            if (relative.startsWith(QLatin1String("build")) || relative.startsWith(QLatin1String("tests/")) ||
                relative.startsWith(QLatin1String("salzburg/unreachable/")) || relative.startsWith(u'.'))
                continue;
            QFile file(files.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray text = file.readAll();
            if (text.contains("salzburg/unreachable/") || text.contains("vorlux_salzburg_unreachable"))
                referring << relative;
        }
        QCOMPARE(referring, QStringList{});
    }
};

QTEST_MAIN(UnreachableNotBoundTest)
#include "test_unreachable_not_bound.moc"
