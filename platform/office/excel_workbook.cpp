#include "excel_workbook.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "excel_error.h"
#include "excel_sheet.h"
#include "excel_xml.h"
#include "platform/desktop/file_names.h"
#include "read_file.h"
#include "save_target.h"

namespace excel {

namespace {

// The kinds of SpreadsheetML workbook, by the content type of their main part,
// with the extension a copy of each is given.
struct WorkbookKind {
    const char* contentType;
    const char* extension;
};
const WorkbookKind workbookKinds[] = {
    {"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml", "xlsx"},
    {"application/vnd.ms-excel.sheet.macroEnabled.main+xml", "xlsm"},
    {"application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml", "xltx"},
    {"application/vnd.ms-excel.template.macroEnabled.main+xml", "xltm"},
};

const char* const worksheetRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";

const WorkbookKind* kindOf(const QString& contentType) {
    for (const WorkbookKind& kind : workbookKinds)
        if (contentType == QLatin1String(kind.contentType))
            return &kind;
    return nullptr;
}

// The relationship id of a <sheet>: the attribute r:id, whatever its prefix.
QString relationshipId(pugi::xml_node sheet) {
    for (pugi::xml_attribute attribute : sheet.attributes())
        if (std::strcmp(xml::localName(attribute.name()), "id") == 0 &&
            std::strchr(attribute.name(), ':') != nullptr)
            return QString::fromUtf8(attribute.value());
    return QString();
}

} // namespace

WorkbookFile::WorkbookFile(const QString& path)
    : filePath(path) {
    if (!QFileInfo(path).isFile())
        throw Error(QStringLiteral("Το βιβλίο εργασίας %1 δεν βρέθηκε.").arg(desktop::quoted(path)));
}

void WorkbookFile::load() {
    const QString notWorkbook =
        QStringLiteral("Το αρχείο %1 δεν είναι βιβλίο εργασίας του Excel.").arg(desktop::quoted(filePath));
    auto opened = std::make_unique<ooxml::Package>(
        ooxml::Package::fromBytes(office::readFile(filePath), QDir::toNativeSeparators(filePath)));
    const QString main =
        opened->relatedPart(QString(), QString::fromLatin1(ooxml::officeDocumentRelationship));
    if (main.isEmpty() || !opened->contains(main) || !kindOf(opened->contentType(main)))
        throw Error(notWorkbook);

    // The sheet the workbook was saved on: its tab in the book view, else the first.
    const pugi::xml_node root = opened->xml(main).document_element();
    const int activeTab =
        xml::child(xml::child(root, "bookViews"), "workbookView").attribute("activeTab").as_int(0);
    pugi::xml_node sheet;
    int index = 0;
    for (pugi::xml_node node : xml::child(root, "sheets").children())
        if (xml::named(node, "sheet") && index++ == activeTab)
            sheet = node;
    if (!sheet)
        throw Error(notWorkbook);
    const QString id = relationshipId(sheet);
    QString part;
    for (const ooxml::Relationship& r : opened->relationships(main))
        if (r.id == id && !r.external) {
            if (r.type != QLatin1String(worksheetRelationship))
                throw Error(QStringLiteral("Το ενεργό φύλλο του %1 δεν είναι φύλλο εργασίας.")
                                .arg(desktop::quoted(filePath)));
            part = ooxml::Package::resolve(main, r.target);
        }
    if (part.isEmpty() || !opened->contains(part))
        throw Error(notWorkbook);

    workbookPart = main;
    activeSheetPart = part;
    package = std::move(opened);
}

void WorkbookFile::setText(int row, int column, const QString& text) {
    if (!package)
        load();
    sheet::setText(package->xml(activeSheetPart), row, column, text);
    changed = true;
    copyPath.clear();
}

QString WorkbookFile::currentFile() {
    if (!changed)
        return filePath;
    if (!copyPath.isEmpty())
        return copyPath;

    // Qt gives no temporary folder when the configured one does not exist.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        throw Error(
            QStringLiteral(
                "Το συμπληρωμένο βιβλίο εργασίας δεν γράφτηκε στον φάκελο %1 (ο φάκελος δεν υπάρχει).")
                .arg(desktop::quoted(
                    QDir::cleanPath(qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp"))))));
    const WorkbookKind* kind = kindOf(package->contentType(workbookPart));
    QTemporaryFile file(QDir(folder).filePath(
        QStringLiteral("%1-XXXXXX.%2")
            .arg(QFileInfo(filePath).completeBaseName(), QString::fromLatin1(kind->extension))));
    file.setAutoRemove(false);
    if (!file.open())
        throw Error(QStringLiteral("Το συμπληρωμένο βιβλίο εργασίας δεν γράφτηκε στον φάκελο %1 (%2).")
                        .arg(desktop::quoted(folder), file.errorString()));
    const QString copy = file.fileName();
    file.close();
    try {
        office::SaveTarget(copy).write(package->toBytes());
    } catch (const Error&) {
        QFile::remove(copy);
        throw;
    }
    copyPath = copy;
    return copy;
}

} // namespace excel
