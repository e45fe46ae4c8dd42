#include "study/study_commands.h"

#include "platform/runtime/forms.h"

namespace study {

namespace {
// Every window of the system but the open-existing-report window, in the order
// they are unloaded.
const char* const unloadList[] = {
    "Form1", "Form2", "Form3",       "browse",  "eisagwgh_meleths",
    "pinb1", "pinb2", "pinb2_saltz", "results", "Form2_saltz",
};

void unloadStudyWindows() {
    for (const char* name : unloadList)
        forms::unload(QString::fromLatin1(name));
}
} // namespace

void exit_program_command() {
    unloadStudyWindows();
    forms::unload(QStringLiteral("intro"));
}

void change_study_command() {
    unloadStudyWindows();
    forms::show(QStringLiteral("intro"));
}

} // namespace study
