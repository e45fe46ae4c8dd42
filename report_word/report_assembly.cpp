#include "report_word/report_assembly.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <cerrno>
#include <climits>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/desktop/desktop.h"
#include "platform/desktop/file_names.h"
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

// The path with links and "." and ".." resolved; a file not yet there is
// placed in its resolved folder.
QString resolved(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + u'/' + info.fileName();
}

// The folders of files the program ships beside it.
constexpr const char* dataFolders[] = {"/words", "/files", "/excel_print", "/exes"};

// The program's own file at the resolved path, as the program names it: one in
// its data folders, or the program itself. Empty when the path holds none.
QString programFileAt(const QString& target) {
    if (!QFileInfo(target).isFile())
        return QString();
    if (target == resolved(QCoreApplication::applicationFilePath()))
        return QCoreApplication::applicationFilePath();
    for (const char* folder : dataFolders) {
        const QString named = programPath(folder);
        const QString inside = resolved(named) + u'/';
        if (target.startsWith(inside))
            return named + u'/' + target.mid(inside.size());
    }
    return QString();
}

// Every report is built from the templates, so a report written over one of
// them would spoil every later report; the other files of the program are its
// reference documents, workbook template, help programs and the program itself.
void refuseProgramFile(const QString& report) {
    const QString target = resolved(report);
    QStringList templates;
    for (const char* name : storedTemplates)
        templates << programPath(name);
    templates << programPath(descriptionTemplate) << programPath(tablesTemplate);
    for (const QString& file : templates)
        if (resolved(file) == target)
            throw word::Error(QStringLiteral("Το αρχείο %1 είναι πρότυπο του προγράμματος, από το οποίο "
                                             "συντίθεται κάθε αναφορά, και δεν αντικαθίσταται. Δώστε "
                                             "άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                                  .arg(desktop::quoted(file)));
    const QString programFile = programFileAt(target);
    if (!programFile.isEmpty())
        throw word::Error(QStringLiteral("Το αρχείο %1 είναι αρχείο του προγράμματος και δεν "
                                         "αντικαθίσταται. Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                              .arg(desktop::quoted(programFile)));
}

// A word processor does not replace a file that its owner made read-only: no
// one may write it, or this user may not.
void refuseReadOnly(const QString& report) {
    const QByteArray path = QFile::encodeName(report);
    struct stat file;
    if (::stat(path.constData(), &file) != 0 || S_ISDIR(file.st_mode))
        return;
    if ((file.st_mode & 0222) == 0 || ::access(path.constData(), W_OK) != 0)
        throw word::Error(QStringLiteral("Το αρχείο %1 είναι μόνο για ανάγνωση και δεν αντικαθίσταται. "
                                         "Δώστε άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                              .arg(desktop::quoted(report)));
}

// The report's folder can take it, checked before anything is written: a
// report that could not be saved there would change nothing but cost the wait.
void checkFolder(const QString& report) {
    const QFileInfo info(report);
    if (info.isDir())
        throw ooxml::notSaved(report, EISDIR);
    if (::access(QFile::encodeName(info.absolutePath()).constData(), W_OK | X_OK) != 0)
        throw ooxml::notSaved(report, errno);
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
            throw word::Error(
                QStringLiteral("Δεν δημιουργήθηκε προσωρινός φάκελος για τη σύνθεση της "
                               "αναφοράς στο %1.")
                    .arg(desktop::quoted(qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp")))));
    }
    QString draftOf(const QString& report) const { return folder->filePath(QFileInfo(report).fileName()); }

private:
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
    target.save();
    target.close();
}

// The report built as a draft and then written at its path, in one save that
// waits for the disk: until it, the path holds what it held. The application
// that holds the report, open, is returned to be shown.
std::unique_ptr<word::Application> assemble(const QString& draft, const QString& report,
                                            const QString& description) {
    auto first = std::make_unique<word::Application>();
    first->documents().add().saveAs(draft);
    for (const char* name : storedTemplates)
        appendTemplate(*first, programPath(name), draft);

    word::Document& descriptionDocument = first->documents().open(programPath(descriptionTemplate));
    descriptionDocument.content().setText(description);
    descriptionDocument.save();
    descriptionDocument.close();
    appendTemplate(*first, programPath(descriptionTemplate), draft);

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
    finished.saveAs(report, ooxml::Package::Durability::Flushed);
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
        refuseProgramFile(report);
        refuseReadOnly(report);
        checkFolder(report);
        const QString description = forms::textOf(forms::requiredControl<QWidget>(
            QStringLiteral("eisagwgh_meleths"), QStringLiteral("eisagwgh_txt")));
        const Workshop workshop;
        word = assemble(workshop.draftOf(report), report, description);
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
