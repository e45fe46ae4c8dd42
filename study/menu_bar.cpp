#include "study/menu_bar.h"

#include <QMenuBar>

#include "platform/forms.h"
#include "study/study_commands.h"

namespace study {

namespace {
struct FileMenuNames {
    const char* window;
    const char* menu;
    const char* change;
    const char* exit;
};

const FileMenuNames fileMenus[] = {
    {"pinb1", "file", "change", "exit"},
    {"pinb2", "file", "change", "exit"},
    {"eisagwgh_meleths", "file", "change", "exit"},
    {"Form1", "file", "change", "exit"},
    {"Form2", "file1", "change1", "exit1"},
    {"pinb2_saltz", "file", "change", "exit"},
    {"Form2_saltz", "file1", "change1", "exit1"},
    {"results", "file", "change", "exit"},
};
} // namespace

void installMenuBar(forms::Window* window) {
    for (const FileMenuNames& names : fileMenus) {
        if (window->objectName() != QLatin1String(names.window))
            continue;
        QMenu* file = window->menuBar()->addMenu(QStringLiteral("Αρχείο"));
        file->setObjectName(QString::fromLatin1(names.menu));
        QAction* change = file->addAction(QStringLiteral("Αλλαγή μελέτης"), &change_study_command);
        change->setObjectName(QString::fromLatin1(names.change));
        QAction* exit = file->addAction(QStringLiteral("Έξοδος"), &exit_program_command);
        exit->setObjectName(QString::fromLatin1(names.exit));
    }
}

} // namespace study
