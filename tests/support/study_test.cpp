#include "study_test.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include "app/windows.h"
#include "platform/runtime/forms.h"

namespace testsupport {

QString programFolder() {
    return QStringLiteral(VORLUX_PROGRAM_DIR);
}

Session::Session() {
    static bool registered = false;
    if (!registered) {
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        app::registerWindows();
        registered = true;
    }
    forms::unloadAllForTest();
    settle();
    desktop::setProgramFolder(programFolder());
    forms::setWhenNoneLoaded([this] { programEnded = true; });
}

Session::~Session() {
    forms::setWhenNoneLoaded({});
    forms::unloadAllForTest();
    settle();
}

void Session::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace testsupport

namespace testsupport {

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void type(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}

QByteArray listed(const messages::Recorder& recorded) {
    return recorded.texts().join(u'\n').toLocal8Bit();
}

void grabIfAsked(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("VORLUX_GRAB_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace testsupport

namespace messages {

char* toString(const Shown& shown) {
    const QString icon =
        shown.icon == Icon::Critical ? QStringLiteral("critical") : QStringLiteral("information");
    return qstrdup(qPrintable(icon + QStringLiteral(": ") + shown.text));
}

} // namespace messages
