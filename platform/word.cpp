// Applications, their documents and the documents' files.
#include "word.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "desktop.h"
#include "word_blank.h"

namespace word {

namespace {

QString quoted(const QString& path) {
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

QString absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Where a document that has changed since it was saved is written to be shown.
QString showingCopyPath(const QString& path) {
    static int shownCopies = 0;
    const QString folder = QDir::temp().filePath(
        QStringLiteral("vorlux-%1-%2").arg(QCoreApplication::applicationPid()).arg(++shownCopies));
    QDir().mkpath(folder);
    const QString name = path.isEmpty() ? QStringLiteral("Έγγραφο.docx") : QFileInfo(path).fileName();
    return QDir(folder).filePath(name);
}

} // namespace

// Documents -----------------------------------------------------------------

Document::Document(Application* application, QString path, bool readOnly)
    : application(application)
    , path(std::move(path))
    , readOnly(readOnly) {}

Document::~Document() = default;

ooxml::Package& Document::package() {
    if (!loaded)
        loaded = std::make_unique<ooxml::Package>(ooxml::Package::open(path));
    return *loaded;
}

void Document::saveAs(const QString& fileName) {
    package().save(fileName);
    path = absolute(fileName);
    readOnly = false;
    dirty = false;
}

void Document::save() {
    if (path.isEmpty())
        throw Error(QStringLiteral("Το έγγραφο δεν έχει αποθηκευτεί ακόμη σε αρχείο."));
    if (!dirty)
        return;
    if (readOnly)
        throw Error(QStringLiteral("Το έγγραφο %1 είναι ανοιχτό μόνο για ανάγνωση.").arg(quoted(path)));
    package().save(path);
    dirty = false;
}

void Document::close() {
    auto& open = application->docs.open_;
    std::erase_if(open, [this](const std::unique_ptr<Document>& d) { return d.get() == this; });
}

Document& Documents::adopt(std::unique_ptr<Document> document) {
    open_.push_back(std::move(document));
    Document& added = *open_.back();
    if (application->isVisible())
        application->show(added);
    return added;
}

Document& Documents::add() {
    std::unique_ptr<Document> document(new Document(application, QString(), false));
    document->loaded = std::make_unique<ooxml::Package>(blankPackage());
    return adopt(std::move(document));
}

Document& Documents::open(const QString& fileName, bool readOnly) {
    const QString path = absolute(fileName);
    for (auto it = open_.begin(); it != open_.end(); ++it) {
        if ((*it)->path != path)
            continue;
        // Already open: that document, now the active one.
        std::rotate(it, it + 1, open_.end());
        return *open_.back();
    }
    if (!QFileInfo(path).isFile())
        throw Error(QStringLiteral("Το αρχείο %1 δεν βρέθηκε.").arg(quoted(path)));
    return adopt(std::unique_ptr<Document>(new Document(application, path, readOnly)));
}

void Documents::close() {
    open_.clear();
}

// The application -----------------------------------------------------------

Application::Application() = default;
Application::~Application() = default;

Document& Application::activeDocument() {
    if (docs.open_.empty())
        throw Error(QStringLiteral("Δεν υπάρχει ανοιχτό έγγραφο."));
    return *docs.open_.back();
}

void Application::setVisible(bool shown) {
    visible = shown;
    if (!visible)
        return;
    for (const auto& document : docs.open_)
        show(*document);
}

void Application::quit() {
    docs.close();
}

void Application::show(Document& document) {
    if (document.shown)
        return;
    QString file = document.path;
    if (document.dirty || file.isEmpty()) {
        file = showingCopyPath(document.path);
        document.package().save(file);
    }
    if (!desktop::openForUser(file))
        throw Error(QStringLiteral("Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου %1.").arg(quoted(file)));
    document.shown = true;
}

} // namespace word
