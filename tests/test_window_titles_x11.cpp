// The title bars as a real X server holds them: every window's title is its
// own, with nothing appended, and a message box shows the program's name.
// Run under Xvfb; the titles are read back from the server with xprop.
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include "app/application.h"
#include "platform/runtime/forms.h"
#include "platform/runtime/messages.h"
#include "study_test.h"

namespace {

struct Title {
    const char* window;
    const char* title;
};
const Title titles[] = {
    {"intro", "Form1"},
    {"pinb1", "Χαρακτηριστικά ιστών στήριξης κεραιοδιατάξεων"},
    {"pinb2", "Τεχνικά χαρακτηριστικά κεραιοδιατάξεων"},
    {"eisagwgh_meleths", "Γενική περιγραφή της εξεταζόμενης εγκατάστασης"},
    {"Form1", "Vorlux"},
    {"Form2", "Τομεοποίηση"},
    {"browse", "Browse.."},
    {"pinb2_saltz", "Τεχνικά χαρακτηριστικά κεραιοδιατάξεων"},
    {"Form2_saltz", "Τομεοποίηση"},
    {"results", "Αποτελέσματα μελέτης - Γραφική απεικόνιση περιοχών"},
    {"browse_prev_report", "Browse to open.."},
    {"Form3", "Credits"},
};

// The window's name as the X server holds it for the window manager.
QString titleOnTheServer(const QWidget* window) {
    QProcess xprop;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    xprop.setProcessEnvironment(environment);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(10000))
        return QStringLiteral("[xprop did not answer]");
    // _NET_WM_NAME(UTF8_STRING) = "Form1"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype start = line.indexOf(QStringLiteral(" = \""));
    if (start < 0 || !line.endsWith(u'"'))
        return QStringLiteral("[no title: %1]").arg(line);
    return line.mid(start + 4).chopped(1);
}

} // namespace

class WindowTitlesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        app::setUpApplication();
    }

    void titleBars_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        for (const Title& t : titles)
            QTest::newRow(t.window) << QString::fromLatin1(t.window) << QString::fromUtf8(t.title);
    }
    void titleBars() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        testsupport::Session session;
        forms::show(window);
        QVERIFY(QTest::qWaitForWindowExposed(forms::get(window)));
        QCOMPARE(titleOnTheServer(forms::get(window)), title);
    }

    // A message box has no title of its own: it shows the program's name.
    void messageBoxShowsTheProgramsName() {
        QString shownTitle;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !QTest::qWaitForWindowExposed(box))
                return;
            poll.stop();
            shownTitle = titleOnTheServer(box);
            box->accept();
        });
        poll.start(20);
        messages::critical(QStringLiteral("Δεν έχει επιλεγεί μελέτη!"));
        QCOMPARE(shownTitle, QStringLiteral("Vorlux"));
    }
};

QTEST_MAIN(WindowTitlesTest)
#include "test_window_titles_x11.moc"
