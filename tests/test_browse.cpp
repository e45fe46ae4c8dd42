// The save-as window of the report: what it shows when it opens, how its drive,
// folder and file lists follow one another, and "Cancel".
#include <QtTest>

#include <QMenuBar>
#include <QTemporaryDir>

#include "platform/runtime/filelists.h"
#include "platform/runtime/forms.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"

namespace {

QStringList texts(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text().trimmed();
    return result;
}

// The control Tab moves to from this one.
QWidget* nextByTab(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

browse* proceedToWord() {
    forms::show(QStringLiteral("Form2"));
    forms::get<Form2>()->next_to_word->click();
    return forms::get<browse>();
}

} // namespace

class BrowseTest : public QObject {
    Q_OBJECT
private slots:
    void opensAtTheCurrentFolder() {
        testsupport::Session session;
        browse* window = proceedToWord();
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Browse.."));
        QCOMPARE(window->Drive1->drive(), filelists::driveOf(QDir::currentPath()));
        QCOMPARE(window->Dir1->path(), QDir::currentPath());
        QCOMPARE(window->file1->path(), QDir::currentPath());
        QCOMPARE(window->Label1->text(), QStringLiteral("Save report as:"));
        QCOMPARE(window->Text1->text(), QStringLiteral("Text1"));
        QCOMPARE(window->create_report->text(), QStringLiteral("Create report"));
        QCOMPARE(window->create_report->iconSize(), QSize(20, 20));
        QVERIFY(!window->create_report->icon().isNull());
        QCOMPARE(window->cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(window->menuBar()->actions().isEmpty());
        for (QPushButton* button : {window->create_report, window->cancel})
            QVERIFY(!button->isDefault() && !button->autoDefault());
        // Tab order: drive, folder, name, files, the two buttons.
        const QList<QWidget*> order = {window->Drive1, window->Dir1,          window->Text1,
                                       window->file1,  window->create_report, window->cancel};
        for (int i = 0; i + 1 < order.size(); ++i)
            QCOMPARE(nextByTab(order[i]), order[i + 1]);
        testsupport::grabIfAsked(window, QStringLiteral("browse"));
    }

    // Opening a folder shows its files, the folder list stays there, and picking
    // a file changes nothing else.
    void fileListFollowsTheFolder() {
        testsupport::Session session;
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("Αναφορές"));
        for (const char* name : {"Αναφορές/Πάτρα.doc", "Αναφορές/Πάτρα.xls"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        browse* window = proceedToWord();
        QVERIFY(window->Dir1->setPath(dir.path()));
        const QList<QListWidgetItem*> found =
            window->Dir1->findItems(QStringLiteral("Αναφορές"), Qt::MatchEndsWith);
        QCOMPARE(found.size(), 1);
        emit window->Dir1->itemActivated(found.first());
        QCOMPARE(window->Dir1->path(), dir.filePath(QStringLiteral("Αναφορές")));
        QCOMPARE(window->file1->path(), dir.filePath(QStringLiteral("Αναφορές")));
        QCOMPARE(texts(window->file1), QStringList({"Πάτρα.doc", "Πάτρα.xls"}));
        window->file1->setCurrentRow(1);
        QCOMPARE(window->Text1->text(), QStringLiteral("Text1"));
        QCOMPARE(window->Dir1->path(), dir.filePath(QStringLiteral("Αναφορές")));
    }

    void driveLeadsTheFolders() {
        testsupport::Session session;
        browse* window = proceedToWord();
        const QString here = filelists::driveOf(QDir::currentPath());
        QString other;
        for (const QString& drive : filelists::drives())
            if (drive != here)
                other = drive;
        if (other.isEmpty())
            QSKIP("a single mounted file system");
        QVERIFY(window->Drive1->setDrive(other));
        QCOMPARE(window->Dir1->path(), other);
        QCOMPARE(window->file1->path(), other);
        QVERIFY(window->Drive1->setDrive(here));
        QCOMPARE(window->Dir1->path(), QDir::currentPath());
        QCOMPARE(window->file1->path(), QDir::currentPath());
    }

    // "Cancel" discards the choices: the next "Proceed to word" starts afresh.
    void cancelReturnsToTheSectors() {
        testsupport::Session session;
        QTemporaryDir dir;
        browse* window = proceedToWord();
        window->Text1->setText(QStringLiteral("μελέτη"));
        QVERIFY(window->Dir1->setPath(dir.path()));
        forms::hide(QStringLiteral("Form2"));
        window->cancel->click();
        session.settle();
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QVERIFY(session.desktop.opened.isEmpty());

        browse* again = proceedToWord();
        QCOMPARE(again->Text1->text(), QStringLiteral("Text1"));
        QCOMPARE(again->Dir1->path(), QDir::currentPath());
        QVERIFY(!session.programEnded);
    }
};

QTEST_MAIN(BrowseTest)
#include "test_browse.moc"
