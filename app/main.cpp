#include <QApplication>
#include <QLocale>

#include "app/windows.h"
#include "platform/runtime/forms.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlux"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlux"));
    // The study's numbers follow the Greek conventions whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    // The program ends when no window of the system is loaded, not when the last
    // window is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    app::registerWindows();
    forms::show(QStringLiteral("intro"));
    return QApplication::exec();
}
