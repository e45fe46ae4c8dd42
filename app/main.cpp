#include <QApplication>

#include "app/application.h"
#include "app/windows.h"
#include "platform/runtime/forms.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::setUpApplication();
    app::registerWindows();
    forms::show(QStringLiteral("intro"));
    return QApplication::exec();
}
