#include "study/menu_commands.h"

#include "platform/desktop/desktop.h"
#include "platform/office/word.h"
#include "platform/runtime/forms.h"
#include "platform/runtime/messages.h"
#include "study/Form3.h"
#include "study/browse_prev_report.h"
#include "study/open_file.h"

namespace study {

namespace {
#ifdef Q_OS_WIN
const QString executableSuffix = QStringLiteral(".exe");
#else
const QString executableSuffix;
#endif
} // namespace

void document_command(const QString& document) {
    openFileForUser(desktop::inProgramFolder(QStringLiteral("files/") + document));
}

void k52_word_document_command() {
    open_word_document(desktop::inProgramFolder(QStringLiteral("files/odhgia_K52_ITU.doc")));
}

void form_help_command(const QString& program) {
    startProgramForUser(desktop::inProgramFolder(QStringLiteral("exes/") + program + executableSuffix));
}

void show_credits_command() {
    forms::show<Form3>();
}

void open_existing_report_command() {
    forms::show<browse_prev_report>();
}

// Word made visible, then the document opened for editing: the word processor
// hands an unchanged document to the user's own application as it stands,
// whatever its format.
void open_word_document(const QString& path) {
    if (!fileIsThere(path))
        return;
    try {
        word::Application wordApplication;
        wordApplication.setVisible(true);
        wordApplication.documents().open(path, false);
    } catch (const std::exception& failure) {
        messages::critical(messages::causeOf(failure));
    }
}

} // namespace study
