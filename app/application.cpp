#include "app/application.h"

#include <QApplication>
#include <QLocale>
#include <csignal>

namespace app {

void setUpApplication() {
    // The name is the message boxes' title. No display name is set: on X11 Qt
    // appends one to every window title ("Form1 — Vorlux"), and each window's
    // title bar reads its own title only.
    QApplication::setApplicationName(QStringLiteral("Vorlux"));
    // The study's numbers follow the Greek conventions whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    // The program ends when no window of the system is loaded, not when the last
    // window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // A write past the file-size limit (ulimit -f) fails as a write, with EFBIG,
    // and is told like a full disk; the signal would end the program unasked,
    // with everything typed and a half-written file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace app
