#include "study_test.h"

#include <QCoreApplication>
#include <QLocale>

#include "app/windows.h"
#include "platform/forms.h"

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
