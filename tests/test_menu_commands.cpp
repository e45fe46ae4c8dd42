// The menu commands as the user meets them: the documents and help programs
// come from the program's own folder wherever it is installed, a missing file
// or application gives a message that names it, and the credits window and
// the open-existing-report window stay single.
#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "study_test.h"
#include "window_helpers.h"

using testsupport::choose;

namespace {
// The program's data folders copied into `folder`, as an installation would lay them out.
bool install(const QString& folder) {
    for (const char* data : {"files", "exes"}) {
        const QDir from(testsupport::programFolder() + QLatin1Char('/') + QLatin1String(data));
        const QDir to(folder + QLatin1Char('/') + QLatin1String(data));
        if (!to.mkpath(QStringLiteral(".")))
            return false;
        for (const QString& name : from.entryList(QDir::Files))
            if (!QFile::copy(from.filePath(name), to.filePath(name)))
                return false;
    }
    return true;
}
} // namespace

class MenuCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // Which file each kind of item hands on; one window of each menu bar.
    void commands_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("isProgram");
        QTest::newRow("law") << "pinb1"
                             << "N3431"
                             << "files/Nomos_3431_2006.pdf" << false;
        QTest::newRow("law, sectorisation") << "Form2"
                                            << "N3431_1"
                                            << "files/Nomos_3431_2006.pdf" << false;
        QTest::newRow("decision") << "Form2"
                                  << "KYA53571_1"
                                  << "files/KYA_53571_3839.pdf" << false;
        QTest::newRow("gazette") << "eisagwgh_meleths"
                                 << "fek1666"
                                 << "files/fek1666.pdf" << false;
        QTest::newRow("licensing") << "Form1"
                                   << "permittion_antennas"
                                   << "files/adeiodothsh_keraiwn.pdf" << false;
        QTest::newRow("K.52") << "pinb2"
                              << "Κ52"
                              << "files/odhgia_K52_ITU.doc" << false;
        QTest::newRow("K.52, band calculation") << "Form1"
                                                << "K52"
                                                << "files/odhgia_K52_ITU.doc" << false;
        QTest::newRow("K.61") << "pinb1"
                              << "Κ61"
                              << "files/odhgia_K61_ITU.pdf" << false;
        QTest::newRow("K.62") << "eisagwgh_meleths"
                              << "Κ62"
                              << "files/odhgia_K62_ITU.pdf" << false;
        QTest::newRow("Salzburg paper") << "results"
                                        << "saltzburg_model"
                                        << "files/Proceedings_(27)_Varnholt_2.pdf" << false;
        QTest::newRow("help, masts") << "pinb1"
                                     << "present_form"
                                     << "exes/mastsheet" << true;
        QTest::newRow("help, sectorisation") << "Form2"
                                             << "present_form_1"
                                             << "exes/sectorplan" << true;
    }

    // Installed in a folder whose path holds a blank, every file is still found
    // and handed on whole, as one path; a program is started without arguments.
    void commands() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(bool, isProgram);
        QTemporaryDir temporary;
        const QString folder = temporary.path() + QStringLiteral("/Vorlux Μελέτες");
        QVERIFY(install(folder));
        testsupport::Session session;
        desktop::setProgramFolder(folder);
        choose(window, item);
        choose(window, item); // each choice opens or starts again
        const QString path = folder + QLatin1Char('/') + file;
        QCOMPARE(session.messages.shown, QList<messages::Shown>{});
        if (isProgram) {
            QCOMPARE(session.desktop.started.size(), 2);
            for (const desktop::Recorder::Start& start : session.desktop.started) {
                QCOMPARE(start.program, path);
                QCOMPARE(start.arguments, QStringList{});
            }
            QVERIFY(session.desktop.opened.isEmpty());
        } else {
            QCOMPARE(session.desktop.opened, (QStringList{path, path}));
            QVERIFY(session.desktop.started.isEmpty());
        }
        QVERIFY(forms::isVisible(window));
    }

    // Nothing at the place the program looks: a message that names the file,
    // nothing is started, and the window goes on as it was.
    void missingFile() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(bool, isProgram);
        QTemporaryDir empty;
        testsupport::Session session;
        desktop::setProgramFolder(empty.path());
        choose(window, item);
        const QString path = QDir::toNativeSeparators(empty.path() + QLatin1Char('/') + file);
        const QString text = isProgram ? QStringLiteral("Δεν βρέθηκε το πρόγραμμα «%1».")
                                       : QStringLiteral("Δεν βρέθηκε το αρχείο «%1».");
        QCOMPARE(session.messages.shown,
                 (QList<messages::Shown>{{messages::Icon::Critical, text.arg(path)}}));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(session.desktop.started.isEmpty());
        QVERIFY(forms::isVisible(window));
        QVERIFY(!session.programEnded);
    }
    void missingFile_data() { commands_data(); }

    // The desktop has no application for the file, or the program would not start.
    void desktopRefuses() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(bool, isProgram);
        testsupport::Session session;
        session.desktop.succeeds = false;
        choose(window, item);
        const QString path = QDir::toNativeSeparators(desktop::inProgramFolder(file));
        const QString text = isProgram
                                 ? QStringLiteral("Δεν ήταν δυνατή η εκκίνηση του προγράμματος «%1».")
                                 : QStringLiteral("Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου «%1».");
        QCOMPARE(session.messages.shown,
                 (QList<messages::Shown>{{messages::Icon::Critical, text.arg(path)}}));
        QVERIFY(forms::isVisible(window));
    }
    void desktopRefuses_data() { commands_data(); }

    // One credits window, however often and from wherever it is chosen.
    void credits() {
        testsupport::Session session;
        for (const char* window : {"pinb1", "Form1", "pinb1", "pinb2_saltz", "results"})
            choose(QString::fromLatin1(window), QStringLiteral("credits"));
        QVERIFY(forms::isVisible(QStringLiteral("Form3")));
        int credits = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            credits += w->objectName() == QLatin1String("Form3") && w->isVisible();
        QCOMPARE(credits, 1);

        QMainWindow* form3 = forms::get(QStringLiteral("Form3"));
        QCOMPARE(form3->windowTitle(), QStringLiteral("Credits"));
        const auto labels = form3->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 4);
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
            const QLabel* label = form3->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label && !label->text().isEmpty(), name);
            // No text is cut: each label is as tall as its wrapped text.
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        }
        QCOMPARE(form3->findChildren<QAbstractButton*>().size(), 0);
    }

    // Its close box unloads it, and the study goes on.
    void creditsClosed() {
        testsupport::Session session;
        choose(QStringLiteral("pinb1"), QStringLiteral("credits"));
        forms::get(QStringLiteral("Form3"))->close();
        session.settle();
        QVERIFY(!forms::isLoaded(QStringLiteral("Form3")));
        QVERIFY(forms::isVisible(QStringLiteral("pinb1")));
        QVERIFY(!session.programEnded);
    }

    void openExistingReportIsSingle() {
        testsupport::Session session;
        for (const char* window : {"pinb1", "pinb2", "eisagwgh_meleths", "Form1", "pinb1"})
            choose(QString::fromLatin1(window), QStringLiteral("open"));
        int windows = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            windows += w->objectName() == QLatin1String("browse_prev_report");
        QCOMPARE(windows, 1);
        QVERIFY(forms::isVisible(QStringLiteral("browse_prev_report")));
    }
};

QTEST_MAIN(MenuCommandsTest)
#include "test_menu_commands.moc"
