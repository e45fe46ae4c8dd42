// Applications, their documents and the documents' files.
#include "word.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "office_error.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/file_names.h"
#include "read_file.h"
#include "save_target.h"
#include "word_blank.h"

namespace word {

namespace {

QString absolute(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Where a document that has changed since it was saved is written to be shown:
// in a folder made new for it, never one of a name another user of the
// temporary folder could guess and make first, with a link in it to a file of
// this user's.
QString showingCopyPath(const QString& path) {
    QByteArray folder = QFile::encodeName(QDir::temp().filePath(QStringLiteral("vorlux-XXXXXX")));
    if (!::mkdtemp(folder.data())) {
        const int error = errno;
        throw Error(QStringLiteral("Το έγγραφο δεν γράφτηκε στον προσωρινό φάκελο %1 για να ανοίξει: %2.")
                        .arg(desktop::quoted(QDir::tempPath()), office::failureCause(error)));
    }
    const QString name = path.isEmpty() ? QStringLiteral("Έγγραφο.docx") : QFileInfo(path).fileName();
    return QFile::decodeName(folder) + u'/' + name;
}

// Packages of documents closed unchanged, each with the bytes of its file. A
// report is reopened after every append and the templates on every report:
// when the file still holds exactly those bytes, the package is taken as it
// stands instead of being inflated and parsed anew.
class ClosedPackages {
public:
    void keep(const QString& path, QByteArray fileBytes, std::unique_ptr<ooxml::Package> package) {
        std::erase_if(kept, [&](const Kept& k) { return k.path == path; });
        if (kept.size() == limit)
            kept.erase(kept.begin());
        kept.push_back({path, std::move(fileBytes), std::move(package)});
    }
    std::unique_ptr<ooxml::Package> take(const QString& path, const QByteArray& fileBytes) {
        for (auto it = kept.begin(); it != kept.end(); ++it) {
            if (it->path != path)
                continue;
            std::unique_ptr<ooxml::Package> package;
            if (it->fileBytes == fileBytes)
                package = std::move(it->package);
            kept.erase(it);
            return package;
        }
        return nullptr;
    }

private:
    struct Kept {
        QString path;
        QByteArray fileBytes;
        std::unique_ptr<ooxml::Package> package;
    };
    static constexpr size_t limit = 16;
    std::vector<Kept> kept;
};

ClosedPackages& closedPackages() {
    static ClosedPackages packages;
    return packages;
}

} // namespace

// Documents -----------------------------------------------------------------

Document::Document(Application* application, QString path, bool readOnly)
    : application(application)
    , path(std::move(path))
    , readOnly(readOnly) {}

Document::~Document() {
    if (loaded && !dirty && !fileBytes.isEmpty())
        closedPackages().keep(path, std::move(fileBytes), std::move(loaded));
}

ooxml::Package& Document::package() {
    if (!loaded) {
        QByteArray bytes = office::readFile(path);
        loaded = closedPackages().take(path, bytes);
        if (!loaded)
            loaded = std::make_unique<ooxml::Package>(
                ooxml::Package::fromBytes(bytes, QDir::toNativeSeparators(path)));
        fileBytes = std::move(bytes);
    }
    return *loaded;
}

void Document::saveAs(const office::SaveTarget& target, office::Durability durability) {
    const QByteArray bytes = package().toBytes();
    target.write(bytes, durability);
    savedAs(bytes, target.path());
}

void Document::savedAs(QByteArray bytes, const QString& fileName) {
    fileBytes = std::move(bytes);
    path = absolute(fileName);
    readOnly = false;
    dirty = false;
}

void Document::save(office::Durability durability) {
    if (path.isEmpty())
        throw Error(QStringLiteral("Το έγγραφο δεν έχει αποθηκευτεί ακόμη σε αρχείο."));
    if (!dirty)
        return;
    if (readOnly)
        throw Error(
            QStringLiteral("Το έγγραφο %1 είναι ανοιχτό μόνο για ανάγνωση.").arg(desktop::quoted(path)));
    saveAs(office::SaveTarget(path), durability);
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
        throw Error(QStringLiteral("Το αρχείο %1 δεν βρέθηκε.").arg(desktop::quoted(path)));
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
        office::SaveTarget(file, office::SaveTarget::Links::Refused).write(document.package().toBytes());
    }
    if (!desktop::openForUser(file))
        throw Error(desktop::noApplicationFor(file));
    document.shown = true;
}

} // namespace word
