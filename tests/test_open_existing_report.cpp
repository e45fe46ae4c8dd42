// The open-existing-report window: browse to a file anywhere, open it with the
// application of each button, and the window outlives the study.
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "platform/runtime/filelists.h"
#include "platform/runtime/forms.h"
#include "study_test.h"
#include "window_helpers.h"

namespace {
const QString window = QStringLiteral("browse_prev_report");

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text().trimmed();
    return result;
}

// Opens an entry of the folder list as the user does: select it, press Enter.
void openFolder(const QString& name) {
    auto* folders = testsupport::control<filelists::DirListBox>(window, "Dir1");
    const QList<QListWidgetItem*> found = folders->findItems(name, Qt::MatchEndsWith);
    QCOMPARE(found.size(), 1);
    folders->setCurrentItem(found.first());
    QTest::keyClick(folders, Qt::Key_Return);
}

void selectFile(const QString& name) {
    auto* files = testsupport::control<filelists::FileListBox>(window, "file1");
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    files->setCurrentItem(found.first());
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class OpenExistingReportTest : public QObject {
    Q_OBJECT
    QTemporaryDir sample;
    QString startFolder; // the process's current folder while the tests run
    QString reports;     // a folder of reports under it
    QString previous;

private slots:
    void initTestCase() {
        previous = QDir::currentPath();
        startFolder = QDir::cleanPath(sample.path());
        reports = startFolder + QStringLiteral("/Μελέτες 2024");
        QVERIFY(QDir().mkpath(reports));
        for (const char* name : {"αναφορά.doc", "Radiation_report.XLS", "παλιά αναφορά.pdf"})
            touch(reports + QLatin1Char('/') + QString::fromUtf8(name));
        touch(startFolder + QStringLiteral("/notes.txt"));
        QVERIFY(QDir::setCurrent(startFolder));
    }
    void cleanupTestCase() { QDir::setCurrent(previous); }

    void layout() {
        testsupport::Session session;
        testsupport::choose(QStringLiteral("pinb1"), QStringLiteral("open"));
        QMainWindow* w = forms::get(window);
        QCOMPARE(w->windowTitle(), QStringLiteral("Browse to open.."));
        QStringList captions;
        for (const char* name : {"cancel", "open_word", "open_excel", "open_pdf"}) {
            auto* button = testsupport::control<QPushButton>(window, name);
            captions << button->text();
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
            // Under the file list, left to right, captions shown whole.
            QVERIFY(button->y() > testsupport::control<QWidget>(window, "file1")->geometry().bottom());
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
        }
        QCOMPARE(captions, (QStringList{"Cancel", "Άνοιγμα .doc", "Άνοιγμα .xls", "Άνοιγμα .pdf"}));
        QVERIFY(testsupport::control<QPushButton>(window, "cancel")->x() <
                    testsupport::control<QPushButton>(window, "open_word")->x() &&
                testsupport::control<QPushButton>(window, "open_word")->x() <
                    testsupport::control<QPushButton>(window, "open_excel")->x() &&
                testsupport::control<QPushButton>(window, "open_excel")->x() <
                    testsupport::control<QPushButton>(window, "open_pdf")->x());
        QVERIFY(testsupport::control<QWidget>(window, "Dir1")->y() >
                testsupport::control<QWidget>(window, "Drive1")->y());
        QVERIFY(testsupport::control<QWidget>(window, "file1")->x() >
                testsupport::control<QWidget>(window, "Dir1")->geometry().right());

        // The controls in the order Tab visits them, from the drive list round.
        QStringList order;
        const QWidget* client = testsupport::control<QWidget>(window, "Drive1")->parentWidget();
        QWidget* next = testsupport::control<QWidget>(window, "Drive1");
        do {
            if (next->parentWidget() == client)
                order << next->objectName();
            next = next->nextInFocusChain();
        } while (next != testsupport::control<QWidget>(window, "Drive1") && order.size() < 20);
        QCOMPARE(order,
                 (QStringList{"Drive1", "Dir1", "file1", "open_word", "cancel", "open_excel", "open_pdf"}));
    }

    // It starts at the process's current folder, and the file list follows the
    // folder the user opens.
    void folderLeadsFiles() {
        testsupport::Session session;
        testsupport::choose(QStringLiteral("Form1"), QStringLiteral("open"));
        auto* folders = testsupport::control<filelists::DirListBox>(window, "Dir1");
        auto* files = testsupport::control<filelists::FileListBox>(window, "file1");
        QCOMPARE(folders->path(), startFolder);
        QCOMPARE(texts(files), QStringList{"notes.txt"});
        openFolder(QStringLiteral("Μελέτες 2024"));
        QCOMPARE(folders->path(), reports);
        QCOMPARE(files->path(), reports);
        QStringList listed = texts(files);
        listed.sort();
        QCOMPARE(listed, (QStringList{"Radiation_report.XLS", "αναφορά.doc", "παλιά αναφορά.pdf"}));
    }

    void driveLeadsFolder() {
        testsupport::Session session;
        testsupport::choose(QStringLiteral("pinb1"), QStringLiteral("open"));
        auto* drives = testsupport::control<filelists::DriveListBox>(window, "Drive1");
        const QString here = drives->drive();
        QString other;
        for (int i = 0; i < drives->count(); ++i)
            if (drives->itemData(i).toString() != here && QDir(drives->itemData(i).toString()).isReadable())
                other = drives->itemData(i).toString();
        if (other.isEmpty())
            QSKIP("a single mounted file system");
        drives->setCurrentIndex(drives->findData(other)); // the user's pick
        QCOMPARE(testsupport::control<filelists::DirListBox>(window, "Dir1")->path(), other);
        QCOMPARE(testsupport::control<filelists::FileListBox>(window, "file1")->path(), other);
        // And back to the drive of the current folder: its current folder again.
        drives->setCurrentIndex(drives->findData(here));
        QCOMPARE(testsupport::control<filelists::DirListBox>(window, "Dir1")->path(), startFolder);
        QCOMPARE(texts(testsupport::control<filelists::FileListBox>(window, "file1")),
                 QStringList{"notes.txt"});
    }

    // Each button opens the selected file with its application, whatever the
    // file's kind, as often as it is pressed, and the window stays.
    void buttonsOpenTheSelectedFile_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("file");
        QTest::newRow("doc") << "open_word"
                             << "αναφορά.doc";
        QTest::newRow("xls") << "open_excel"
                             << "Radiation_report.XLS";
        QTest::newRow("pdf") << "open_pdf"
                             << "παλιά αναφορά.pdf";
        QTest::newRow("a pdf to the word processor") << "open_word"
                                                     << "παλιά αναφορά.pdf";
        QTest::newRow("a document to the spreadsheet") << "open_excel"
                                                       << "αναφορά.doc";
    }
    void buttonsOpenTheSelectedFile() {
        QFETCH(QString, button);
        QFETCH(QString, file);
        testsupport::Session session;
        testsupport::choose(QStringLiteral("pinb2"), QStringLiteral("open"));
        openFolder(QStringLiteral("Μελέτες 2024"));
        selectFile(file);
        testsupport::press(window, button);
        testsupport::press(window, button);
        const QString path = reports + QLatin1Char('/') + file;
        QCOMPARE(session.desktop.opened, (QStringList{path, path}));
        QCOMPARE(session.messages.shown, QList<messages::Shown>{});
        QVERIFY(forms::isVisible(window));
        QCOMPARE(testsupport::control<filelists::FileListBox>(window, "file1")->fileName(), file);
    }

    // Nothing selected: the word processor's button asks for a file; the other
    // two name the folder, which no application is given.
    void nothingSelected_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("doc") << "open_word"
                             << "Πρέπει να επιλέξετε αρχείο!";
        QTest::newRow("xls") << "open_excel"
                             << "Δεν βρέθηκε το αρχείο «%1».";
        QTest::newRow("pdf") << "open_pdf"
                             << "Δεν βρέθηκε το αρχείο «%1».";
    }
    void nothingSelected() {
        QFETCH(QString, button);
        QFETCH(QString, message);
        testsupport::Session session;
        testsupport::choose(QStringLiteral("eisagwgh_meleths"), QStringLiteral("open"));
        openFolder(QStringLiteral("Μελέτες 2024"));
        testsupport::press(window, button);
        if (message.contains(QLatin1String("%1")))
            message = message.arg(QDir::toNativeSeparators(reports));
        QCOMPARE(session.messages.shown, (QList<messages::Shown>{{messages::Icon::Critical, message}}));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(window));
        QCOMPARE(testsupport::control<filelists::DirListBox>(window, "Dir1")->path(), reports);
    }

    // A file that went away after it was listed, or that no application opens.
    void fileCannotBeOpened() {
        testsupport::Session session;
        testsupport::choose(QStringLiteral("pinb1"), QStringLiteral("open"));
        touch(startFolder + QStringLiteral("/gone.doc"));
        testsupport::control<filelists::FileListBox>(window, "file1")->refresh();
        selectFile(QStringLiteral("gone.doc"));
        QVERIFY(QFile::remove(startFolder + QStringLiteral("/gone.doc")));
        testsupport::press(window, "open_word");
        selectFile(QStringLiteral("notes.txt"));
        session.desktop.succeeds = false;
        testsupport::press(window, "open_pdf");
        QCOMPARE(
            session.messages.texts(),
            (QStringList{
                QStringLiteral("Δεν βρέθηκε το αρχείο «%1».").arg(startFolder + QStringLiteral("/gone.doc")),
                QStringLiteral("Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου «%1».")
                    .arg(startFolder + QStringLiteral("/notes.txt"))}));
        QVERIFY(forms::isVisible(window));
    }

    // "Cancel" forgets where the user browsed: the next open command starts at
    // the process's current folder.
    void cancelThenOpenAgain() {
        testsupport::Session session;
        testsupport::choose(QStringLiteral("pinb1"), QStringLiteral("open"));
        openFolder(QStringLiteral("Μελέτες 2024"));
        selectFile(QStringLiteral("αναφορά.doc"));
        testsupport::press(window, "cancel");
        QVERIFY(!forms::isLoaded(window));
        session.settle();
        QVERIFY(!session.programEnded);
        testsupport::choose(QStringLiteral("pinb1"), QStringLiteral("open"));
        QCOMPARE(testsupport::control<filelists::DirListBox>(window, "Dir1")->path(), startFolder);
        QCOMPARE(testsupport::control<filelists::FileListBox>(window, "file1")->path(), startFolder);
        QVERIFY(testsupport::control<filelists::FileListBox>(window, "file1")->fileName().isEmpty());
    }

    // "Έξοδος" and "Αλλαγή μελέτης" leave it open; the program ends when it is
    // closed, by "Cancel" or by its close box.
    void outlivesTheStudy_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("cancel") << false;
        QTest::newRow("close box") << true;
    }
    void outlivesTheStudy() {
        QFETCH(bool, byCloseBox);
        testsupport::Session session;
        testsupport::choose(QStringLiteral("Form1"), QStringLiteral("open"));
        openFolder(QStringLiteral("Μελέτες 2024"));
        testsupport::choose(QStringLiteral("Form1"), QStringLiteral("change"));
        session.settle();
        QCOMPARE(forms::loaded(), (QStringList{window, QStringLiteral("intro")}));
        QCOMPARE(testsupport::control<filelists::DirListBox>(window, "Dir1")->path(), reports);

        forms::show(QStringLiteral("pinb1"));
        forms::unload(QStringLiteral("intro"));
        testsupport::choose(QStringLiteral("pinb1"), QStringLiteral("exit"));
        session.settle();
        QVERIFY(!session.programEnded);
        QCOMPARE(forms::loaded(), QStringList{window});
        QVERIFY(forms::isVisible(window));

        if (byCloseBox)
            forms::get(window)->close();
        else
            testsupport::press(window, "cancel");
        session.settle();
        QVERIFY(forms::loaded().isEmpty());
        QVERIFY(session.programEnded);
    }
};

QTEST_MAIN(OpenExistingReportTest)
#include "test_open_existing_report.moc"
