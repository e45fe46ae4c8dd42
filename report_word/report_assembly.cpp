#include "report_word/report_assembly.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <climits>
#include <memory>
#include <optional>

#include "platform/desktop/desktop.h"
#include "platform/desktop/file_names.h"
#include "platform/office/folder_lock.h"
#include "platform/office/office_error.h"
#include "platform/office/save_rules.h"
#include "platform/office/save_target.h"
#include "platform/office/word.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "platform/runtime/messages.h"
#include "report_word/report_tables.h"

namespace report_word {

namespace {

// The templates appended as stored, in this order, before the description.
constexpr const char* storedTemplates[] = {"/words/eisagwgh.doc", "/words/oria_asfalous_ek8eshs.doc",
                                           "/words/oria_asfalous_ek8eshs_pinG1.doc"};
constexpr const char* descriptionTemplate = "/words/perigrafh.doc";
constexpr const char* tablesTemplate = "/words/report_tables.doc";

// A file or folder in the program's folder; name starts with a separator.
QString programPath(const char* name) {
    return desktop::programFolder() + QString::fromLatin1(name);
}

// The folders of files the program ships beside it.
constexpr const char* dataFolders[] = {"/words", "/files", "/excel_print", "/exes"};

// The program's own files, which no report may replace or join.
office::Installation programFiles() {
    office::Installation files;
    files.program = QCoreApplication::applicationFilePath();
    for (const char* folder : dataFolders)
        files.dataFolders << programPath(folder);
    for (const char* name : storedTemplates)
        files.templates << programPath(name);
    files.templates << programPath(descriptionTemplate) << programPath(tablesTemplate);
    return files;
}

// The description template, written as its own name: a link put in its place
// (words/ is writable by every user of a shared installation) is never
// followed onto the file it names, and no report is made.
office::SaveTarget descriptionTarget() {
    return office::SaveTarget(programPath(descriptionTemplate), office::SaveTarget::Links::Refused);
}

// Every report rewrites the description template beside the program, so where
// the program's words/ folder cannot be written, or a link stands in the
// template's place, no report can be made: said before anything is built.
void checkWordsFolder() {
    const QString words = programPath("/words");
    if (const int error = office::cannotCreateIn(words))
        throw word::Error(QStringLiteral("Ο φάκελος %1 του προγράμματος δεν δέχεται εγγραφή (%2). Σε αυτόν "
                                         "ξαναγράφεται σε κάθε αναφορά το πρότυπο της περιγραφής %3, γι' "
                                         "αυτό δεν μπορεί να συντεθεί αναφορά.")
                              .arg(desktop::quoted(words), office::failureCause(error),
                                   desktop::quoted(programPath(descriptionTemplate))));
    descriptionTarget();
}

// A folder of the report's own under the temporary folder, where it is built:
// the user's folder receives the finished report and nothing else.
class Workshop {
public:
    Workshop() {
        // Qt gives no temporary folder when the configured one does not exist.
        const QString temporary = QDir::tempPath();
        if (!temporary.isEmpty())
            folder.emplace(temporary + QStringLiteral("/vorlux-report-XXXXXX"));
        if (!folder || !folder->isValid())
            throw word::Error(QStringLiteral("Δεν δημιουργήθηκε προσωρινός φάκελος για τη σύνθεση της "
                                             "αναφοράς στο %1.")
                                  .arg(desktop::quoted(temporaryFolder())));
    }
    QString draftOf(const QString& report) const { return folder->filePath(QFileInfo(report).fileName()); }

    // A failed save as the user reads it: the draft's own path is one the user
    // never chose, so a draft that could not be saved is told of the temporary
    // folder.
    office::Error said(const office::NotSaved& failure) const {
        if (!failure.path.startsWith(folder->path() + u'/'))
            return failure;
        if (failure.error == ENOSPC || failure.error == EDQUOT)
            return word::Error(
                QStringLiteral("Ο προσωρινός φάκελος %1, όπου συντίθεται η αναφορά πριν "
                               "γραφτεί στον φάκελό σας, είναι γεμάτος: %2.")
                    .arg(desktop::quoted(temporaryFolder()), office::failureCause(failure.error)));
        return word::Error(QStringLiteral("Η αναφορά δεν συντέθηκε στον προσωρινό φάκελο %1: %2.")
                               .arg(desktop::quoted(temporaryFolder()), office::failureCause(failure.error)));
    }

private:
    static QString temporaryFolder() { return qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp")); }
    std::optional<QTemporaryDir> folder; // removed with everything in it
};

// A typed name that would not give one file in the chosen folder.
void checkFileName(const QString& name) {
    QString cause;
    if (name.contains(u'/'))
        cause = QStringLiteral("περιέχει τον χαρακτήρα «/»");
    else if (name.contains(QChar(0)))
        cause = QStringLiteral("περιέχει μη επιτρεπτό χαρακτήρα");
    else if ((name + QStringLiteral(".doc")).toUtf8().size() > NAME_MAX)
        cause = QStringLiteral("είναι πολύ μεγάλο");
    if (!cause.isEmpty())
        throw word::Error(
            QStringLiteral("Το όνομα «%1» δεν μπορεί να είναι όνομα αρχείου: %2.").arg(name, cause));
}

// The clipboard's content in place of the document's last paragraph.
void pasteOverLastParagraph(word::Document& document) {
    const int n = document.paragraphs().count();
    document.paragraphs().item(n).range().paste();
}

// Appends the content of a template to the report, which is saved and closed.
void appendTemplate(word::Application& app, const QString& templateFile, const QString& report) {
    word::Document& source = app.documents().open(templateFile);
    source.content().copy();
    source.close();
    word::Document& target = app.documents().open(report);
    pasteOverLastParagraph(target);
    target.save(office::Durability::Unflushed);
    target.close();
}

// How long a report waits for another program of the installation to finish
// with the description template.
constexpr std::chrono::seconds descriptionPatience{5};

// The description written into its template, which is saved and read back into
// the report. Every program of the installation rewrites that one template, so
// from the save to the reading back the words/ folder is held: no other report
// can put its description in between.
void appendDescription(word::Application& app, const QString& description, const QString& draft) {
    word::Document& document = app.documents().open(programPath(descriptionTemplate));
    document.content().setText(description);
    // A template that could not be read again would stop every later report.
    if (!document.package().readable()) {
        document.close();
        throw word::Error(
            QStringLiteral("Η περιγραφή της εγκατάστασης είναι πολύ μεγάλη: με αυτήν το πρότυπο "
                           "της περιγραφής θα ξεπερνούσε το μεγαλύτερο έγγραφο που ανοίγει το "
                           "πρόγραμμα. Συντομεύστε την περιγραφή."));
    }
    const office::FolderLock words(programPath("/words"), descriptionPatience);
    try {
        document.saveAs(descriptionTarget(), office::Durability::Flushed);
    } catch (const office::Unconfirmed&) {
        // The template is in place and is read back at once; it is never the
        // user's document, so a folder the disk did not confirm costs nothing.
    }
    document.close();
    appendTemplate(app, programPath(descriptionTemplate), draft);
}

// The report's last save put it in place, but the disk did not confirm its
// folder: the cause, an errno value.
struct WrittenUnconfirmed {
    int error;
};

// The report built as a draft and then written at the target checked before,
// in one save that waits for the disk: until it, the path holds what it held.
// The application that holds the report, open, is returned to be shown.
std::unique_ptr<word::Application> assemble(const QString& draft, const office::SaveTarget& report,
                                            const QString& description) {
    auto first = std::make_unique<word::Application>();
    first->documents().add().saveAs(office::SaveTarget(draft), office::Durability::Unflushed);
    for (const char* name : storedTemplates)
        appendTemplate(*first, programPath(name), draft);
    appendDescription(*first, description, draft);

    {
        word::Application second;
        second.documents().open(programPath(tablesTemplate));
        fillTables(second);
        second.activeDocument().content().copy();
        second.documents().close(); // the table template is never saved
        second.quit();
    }

    word::Document& finished = first->documents().open(draft);
    pasteOverLastParagraph(finished);
    try {
        finished.saveAs(report, office::Durability::Flushed);
    } catch (const office::Unconfirmed& failure) {
        throw WrittenUnconfirmed{failure.error};
    }
    return first;
}

} // namespace

QString reportPath(const QString& folder, const QString& name) {
    return folder + u'/' + name + QStringLiteral(".doc");
}

bool createReport(const QString& folder, const QString& name) {
    const QString report = reportPath(folder, name);
    std::unique_ptr<word::Application> word;
    try {
        checkFileName(name);
        const office::SaveTarget target = office::checkSave(report, programFiles());
        checkWordsFolder();
        const QString description = forms::textOf(forms::requiredControl<QWidget>(
            QStringLiteral("eisagwgh_meleths"), QStringLiteral("eisagwgh_txt")));
        const Workshop workshop;
        try {
            word = assemble(workshop.draftOf(report), target, description);
        } catch (const office::NotSaved& failure) {
            throw workshop.said(failure);
        }
    } catch (const WrittenUnconfirmed& failure) {
        messages::critical(QStringLiteral("Η αναφορά %1 γράφτηκε, αλλά ο δίσκος δεν επιβεβαίωσε ότι θα "
                                          "μείνει στη θέση της: %2. Μετά από διακοπή ρεύματος μπορεί να "
                                          "βρείτε εκεί το προηγούμενο αρχείο· δημιουργήστε την ξανά όταν ο "
                                          "δίσκος λειτουργεί κανονικά.")
                               .arg(desktop::quoted(report), office::failureCause(failure.error)));
        return false;
    } catch (const std::exception& e) {
        messages::critical(QStringLiteral("Η αναφορά %1 δεν δημιουργήθηκε.\n%2")
                               .arg(desktop::quoted(report), messages::causeOf(e)));
        return false;
    }
    try {
        word->setVisible(true);
    } catch (const std::exception& e) {
        messages::information(QStringLiteral("Η αναφορά γράφτηκε στο %1, αλλά δεν άνοιξε.\n%2")
                                  .arg(desktop::quoted(report), messages::causeOf(e)));
    }
    return true;
}

} // namespace report_word
