#include "report_word/report_assembly.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <climits>
#include <memory>

#include "platform/office/word.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/desktop.h"
#include "platform/runtime/forms.h"
#include "platform/runtime/messages.h"
#include "report_word/previous_report.h"
#include "report_word/report_tables.h"

namespace report_word {

namespace {

// The templates appended as stored, in this order, before the description.
constexpr const char* storedTemplates[] = {"/words/eisagwgh.doc", "/words/oria_asfalous_ek8eshs.doc",
                                           "/words/oria_asfalous_ek8eshs_pinG1.doc"};
constexpr const char* descriptionTemplate = "/words/perigrafh.doc";
constexpr const char* tablesTemplate = "/words/report_tables.doc";

QString templatePath(const char* name) {
    return desktop::programFolder() + QString::fromLatin1(name);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
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

// Every report is built from the templates, so a report written over one of
// them would spoil every later report.
void refuseProgramFile(const QString& report) {
    const QString target = resolved(report);
    QStringList programFiles;
    for (const char* name : storedTemplates)
        programFiles << templatePath(name);
    programFiles << templatePath(descriptionTemplate) << templatePath(tablesTemplate);
    for (const QString& file : programFiles)
        if (resolved(file) == target)
            throw word::Error(QStringLiteral("Το αρχείο «%1» είναι πρότυπο του προγράμματος, από το οποίο "
                                             "συντίθεται κάθε αναφορά, και δεν αντικαθίσταται. Δώστε "
                                             "άλλο όνομα ή επιλέξτε άλλο φάκελο.")
                                  .arg(shown(file)));
}

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

// The report written at its path; the application that holds it, open, is
// returned to be shown.
std::unique_ptr<word::Application> assemble(const QString& report, const QString& description) {
    auto first = std::make_unique<word::Application>();
    first->documents().add().saveAs(report);
    for (const char* name : storedTemplates)
        appendTemplate(*first, templatePath(name), report);

    word::Document& descriptionDocument = first->documents().open(templatePath(descriptionTemplate));
    descriptionDocument.content().setText(description);
    descriptionDocument.save();
    descriptionDocument.close();
    appendTemplate(*first, templatePath(descriptionTemplate), report);

    {
        word::Application second;
        second.documents().open(templatePath(tablesTemplate));
        fillTables(second);
        second.activeDocument().content().copy();
        second.documents().close(); // the table template is never saved
        second.quit();
    }

    word::Document& finished = first->documents().open(report);
    pasteOverLastParagraph(finished);
    finished.save();
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
        const QString description = forms::textOf(
            forms::control<QWidget>(QStringLiteral("eisagwgh_meleths"), QStringLiteral("eisagwgh_txt")));
        PreviousReport previous(report);
        word = assemble(report, description);
        previous.release();
    } catch (const std::exception& e) {
        messages::critical(
            QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\n%2").arg(shown(report), messages::causeOf(e)));
        return false;
    }
    try {
        word->setVisible(true);
    } catch (const std::exception& e) {
        messages::information(QStringLiteral("Η αναφορά γράφτηκε στο «%1», αλλά δεν άνοιξε.\n%2")
                                  .arg(shown(report), messages::causeOf(e)));
    }
    return true;
}

} // namespace report_word
