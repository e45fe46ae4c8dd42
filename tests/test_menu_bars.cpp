// The menu bars of the study windows: every item in its place with its name
// and caption, and what choosing it does for the user.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "study_test.h"

namespace {
// The items of a menu, one line each, indented by depth: name and caption; the
// items without sub-items are kept aside to learn what choosing them does.
struct Leaf {
    qsizetype line;
    QString name;
};

void listItems(const QList<QAction*>& actions, int depth, QStringList& lines, QList<Leaf>& leaves) {
    for (QAction* action : actions) {
        const QString indent(2 * depth, QLatin1Char(' '));
        if (QMenu* menu = action->menu()) {
            lines << indent + menu->objectName() + QLatin1Char(' ') + menu->title();
            listItems(menu->actions(), depth + 1, lines, leaves);
        } else {
            leaves.append({lines.size(), action->objectName()});
            lines << indent + action->objectName() + QLatin1Char(' ') + action->text();
        }
    }
}

QString relative(const QString& path) {
    return QDir(testsupport::programFolder()).relativeFilePath(path);
}

// What the user sees after choosing the item `item` of `window`, from a fresh start.
QString does(const QString& window, const QString& item) {
    testsupport::Session session;
    forms::show(window);
    auto* action = forms::get(window)->menuBar()->findChild<QAction*>(item);
    if (!action)
        return QStringLiteral("no such item");
    action->trigger();
    session.settle();

    QStringList effects;
    for (const QString& path : session.desktop.opened)
        effects << QStringLiteral("opens ") + relative(path);
    for (const desktop::Recorder::Start& start : session.desktop.started)
        effects << (QStringList{QStringLiteral("starts"), relative(start.program)} + start.arguments)
                       .join(QLatin1Char(' '));
    for (const QString& text : session.messages.texts())
        effects << QStringLiteral("says ") + text;
    if (session.programEnded)
        effects << QStringLiteral("ends the program");
    else if (!forms::isLoaded(window) && forms::visible() == QStringList{QStringLiteral("intro")})
        effects << QStringLiteral("starts over");
    for (const char* shown : {"Form3", "browse_prev_report"})
        if (forms::isVisible(QString::fromLatin1(shown)))
            effects << QStringLiteral("shows ") + QString::fromLatin1(shown);
    if (effects.isEmpty() && forms::visible() == QStringList{window})
        effects << QStringLiteral("nothing");
    return effects.join(QStringLiteral(", "));
}

// The tree as the user finds it, with what each item does.
QString menuTree(const QString& window) {
    QStringList lines;
    QList<Leaf> leaves;
    {
        testsupport::Session session;
        listItems(forms::get(window)->menuBar()->actions(), 0, lines, leaves);
    }
    for (const Leaf& leaf : leaves)
        lines[leaf.line] += QStringLiteral(": ") + does(window, leaf.name);
    return lines.join(QLatin1Char('\n'));
}

// The tree of the masts table. The Greek capital Kappa and Nu open the names
// Κ52, Κ61 and Ν3431 where they stand so; K62 and N3431 here are Latin.
const char* const masts = R"(file Αρχείο
  open Άνοιγμα υπάρχουσας αναφοράς: shows browse_prev_report
  change Αλλαγή μελέτης: starts over
  exit Έξοδος: ends the program
laws Νομοθεσία
  greek Ελληνική
    N3431 Νόμος 3431/2000: opens files/Nomos_3431_2006.pdf
    kya53571 Κοινή Υπουργική Απόφαση (Κ.Υ.Α) 53571/2000: opens files/KYA_53571_3839.pdf
    fek1666 ΦΕΚ 1666: opens files/fek1666.pdf
    permittion_antennas Αδειοδότηση κεραιών: opens files/adeiodothsh_keraiwn.pdf
  instuctions Οδηγίες
    orgs Διεθνείς φορείς
      itu International Telecommunication Union (ITU)
        Κ52 Οδηγία Κ.52 (2/2000): opens files/odhgia_K52_ITU.doc
        Κ61 Οδηγία Κ.61 (9/2003): opens files/odhgia_K61_ITU.pdf
        K62 Οδηγία Κ.62 (2/2004): opens files/odhgia_K62_ITU.pdf
help Βοήθεια
  present_form Πώς χρησιμοποιείται αυτή η φόρμα;: starts exes/mastsheet
  credits Credits: shows Form3)";

// The masts table's tree with some texts in it replaced.
QString differing(std::initializer_list<std::pair<const char*, const char*>> changes) {
    QString tree = QString::fromUtf8(masts);
    for (const auto& [from, to] : changes) {
        QString replaced = tree;
        replaced.replace(QString::fromUtf8(from), QString::fromUtf8(to));
        if (replaced == tree)
            qFatal("no text to replace: %s", from);
        tree = replaced;
    }
    return tree;
}
} // namespace

class MenuBarsTest : public QObject {
    Q_OBJECT
private slots:
    void tree_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("expected");
        // The other windows of the EEAE chain differ from it where the text differs.
        QTest::newRow("pinb1") << "pinb1" << QString::fromUtf8(masts);
        QTest::newRow("pinb2") << "pinb2"
                               << differing({{"N3431 Νόμος 3431/2000", "Ν3431 Νόμος 3431/2006"},
                                             {"instuctions", "instructions"},
                                             {"K62 Οδηγία Κ.62 (2/2004)", "Κ62 Οδηγία Κ62 (2/2004)"},
                                             {"mastsheet", "antennasheet"}});
        QTest::newRow("eisagwgh_meleths")
            << "eisagwgh_meleths"
            << differing({{"N3431 Νόμος 3431/2000", "Ν3431 Νόμος 3431/2006"},
                          {"instuctions", "instructions"},
                          {"Telecommunication Union", "Telecommunications Union"},
                          {"K62 Οδηγία", "Κ62 Οδηγία"},
                          {"Πώς χρησιμοποιείται αυτή", "Πώς χρησιμοποιείται η αυτή"},
                          {"mastsheet", "sitebrief"}});
        QTest::newRow("Form1") << "Form1"
                               << differing({{"N3431 Νόμος 3431/2000", "Ν3431 Νόμος 3431/2006"},
                                             {"Απόφαση (Κ.Υ.Α)", "Απόφαση(Κ.Υ.Α)"},
                                             {"instuctions", "instructions"},
                                             {"Κ52 Οδηγία", "K52 Οδηγία"},
                                             {"Πώς χρησιμοποιείται", "Πως χρησιμοποιείται"},
                                             {"mastsheet", "studydesk"}});
        QTest::newRow("Form2") << "Form2"
                               << R"(file1 Αρχείο
  change1 Αλλαγή μελέτης: starts over
  exit1 Έξοδος: ends the program
laws1 Νομοθεσία
  greek1 Ελληνική
    N3431_1 Νόμος 3431/3839/2006: opens files/Nomos_3431_2006.pdf
    KYA53571_1 Κοινή Υπουργική Απόφαση(Κ.Υ.Α) 53571/2000: opens files/KYA_53571_3839.pdf
    fek_1666_1 ΦΕΚ 1666: opens files/fek1666.pdf
    adeiodothsh_keraiwn_1 Αδειοδότηση κεραιών: opens files/adeiodothsh_keraiwn.pdf
  instructions1 Οδηγίες
    International_orgs1 Διεθνείς φορείς
      ITU1 International Telecommunication Union (ITU)
        K52_1 Οδηγία Κ.52 (2/2000): nothing
        K61_1 Οδηγία Κ.61 (9/2003): nothing
        K62_1 Οδηγία Κ.62 (2/2004): nothing
help1 Βοήθεια
  present_form_1 Πώς χρησιμοποιείται αυτή η φόρμα;: starts exes/sectorplan
  credits1 Credits: nothing)";
        for (const char* window : {"pinb2_saltz", "results"})
            QTest::newRow(window) << window << R"(file Αρχείο
  change Αλλαγή μελέτης: starts over
  exit Έξοδος: ends the program
saltzburg_model Μοντέλο Saltzburg: opens files/Proceedings_(27)_Varnholt_2.pdf
help Βοήθεια
  credits Credits: shows Form3)";
        QTest::newRow("Form2_saltz") << "Form2_saltz"
                                     << R"(file1 Αρχείο
  change1 Αλλαγή μελέτης: starts over
  exit1 Έξοδος: ends the program
saltzurg_model Μοντέλο Saltzburg: opens files/Proceedings_(27)_Varnholt_2.pdf
help1 Βοήθεια
  credits1 Credits: nothing)";
    }
    void tree() {
        QFETCH(QString, window);
        QFETCH(QString, expected);
        const QStringList actual = menuTree(window).split(QLatin1Char('\n'));
        const QStringList lines = expected.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < qMax(actual.size(), lines.size()); ++i)
            QVERIFY2(actual.value(i) == lines.value(i),
                     qPrintable(QStringLiteral("line %1\n   actual: %2\n expected: %3")
                                    .arg(i + 1)
                                    .arg(actual.value(i), lines.value(i))));
    }

    // The items are plain commands: enabled, visible, no check mark, no shortcut.
    void itemsArePlain_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"pinb1", "pinb2", "eisagwgh_meleths", "Form1", "Form2", "pinb2_saltz",
                                   "results", "Form2_saltz"})
            QTest::newRow(window) << window;
    }
    void itemsArePlain() {
        QFETCH(QString, window);
        testsupport::Session session;
        const auto actions = forms::get(window)->menuBar()->findChildren<QAction*>();
        QVERIFY(actions.size() > 5);
        for (const QAction* action : actions) {
            QVERIFY(action->isEnabled());
            QVERIFY(action->isVisible());
            QVERIFY(!action->isCheckable());
            QVERIFY(action->shortcut().isEmpty());
        }
    }

    void windowsWithoutMenuBar_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"intro", "browse", "Form3", "browse_prev_report"})
            QTest::newRow(window) << window;
    }
    void windowsWithoutMenuBar() {
        QFETCH(QString, window);
        testsupport::Session session;
        QMainWindow* w = forms::get(window);
        QVERIFY(w->menuWidget() == nullptr || w->menuBar()->actions().isEmpty());
    }

    // "Μοντέλο Saltzburg" stands on the bar itself and runs when clicked there.
    void salzburgPaperRunsFromTheBar_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::newRow("pinb2_saltz") << "pinb2_saltz"
                                     << "saltzburg_model";
        QTest::newRow("results") << "results"
                                 << "saltzburg_model";
        QTest::newRow("Form2_saltz") << "Form2_saltz"
                                     << "saltzurg_model";
    }
    void salzburgPaperRunsFromTheBar() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        testsupport::Session session;
        forms::show(window);
        QMenuBar* bar = forms::get(window)->menuBar();
        QVERIFY(QTest::qWaitForWindowExposed(forms::get(window)));
        QAction* action = bar->findChild<QAction*>(item);
        QVERIFY(action);
        QVERIFY(!action->menu());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        session.settle();
        QCOMPARE(session.desktop.opened, QStringList{desktop::inProgramFolder(
                                             QStringLiteral("files/Proceedings_(27)_Varnholt_2.pdf"))});
        QVERIFY(session.messages.shown.isEmpty());
    }
};

QTEST_MAIN(MenuBarsTest)
#include "test_menu_bars.moc"
