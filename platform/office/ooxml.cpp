#include "ooxml.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <zip.h>

#include "platform/desktop/file_names.h"

namespace ooxml {

namespace {

constexpr const char* contentTypesNamespace = "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr const char* packageRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr unsigned parseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single | pugi::parse_comments;

using desktop::quoted;

// A part of a package as a message names it.
QString quotedPart(const QString& part) {
    return QStringLiteral("«%1»").arg(part);
}

} // namespace

namespace {

// A serialised part would be larger than the room left for it.
struct NoRoom {};

// Takes a part's XML as it is serialised, or only counts it; never more than
// `room` bytes: past that the serialising stops at once (NoRoom), so a part far
// too large costs no more than the room.
struct ByteWriter : pugi::xml_writer {
    QByteArray* out = nullptr;
    qsizetype room = std::numeric_limits<qsizetype>::max();
    qsizetype size = 0;
    void write(const void* data, size_t count) override {
        if (count > static_cast<size_t>(room - size))
            throw NoRoom{};
        size += static_cast<qsizetype>(count);
        if (out)
            out->append(static_cast<const char*>(data), static_cast<qsizetype>(count));
    }
    void serialise(const pugi::xml_document& doc) {
        doc.save(*this, "", pugi::format_raw, pugi::encoding_utf8);
    }
};

QByteArray serialise(const pugi::xml_document& doc) {
    QByteArray out;
    ByteWriter writer;
    writer.out = &out;
    writer.serialise(doc);
    return out;
}

// No real document or workbook comes near these, not one part of it nor all
// its parts together: a package that claims more is damaged or hostile, and is
// refused before anything is inflated.
constexpr zip_uint64_t largestPart = 256u << 20;
constexpr zip_uint64_t largestPackage = 256u << 20;
constexpr zip_uint64_t readChunk = 64u << 10;

// The entry's bytes, read in chunks and never past what the zip's directory
// claims. Empty with a cause when they cannot be had.
std::optional<QByteArray> readEntry(zip_t* archive, zip_int64_t index, const zip_stat_t& stat,
                                    QString& cause) {
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file) {
        cause = QStringLiteral("δεν διαβάζεται");
        return std::nullopt;
    }
    QByteArray data;
    data.reserve(static_cast<qsizetype>(std::min<zip_uint64_t>(stat.size, 1u << 20)));
    char chunk[readChunk];
    zip_int64_t read = 0;
    while ((read = zip_fread(file, chunk, sizeof chunk)) > 0 &&
           static_cast<zip_uint64_t>(data.size()) + static_cast<zip_uint64_t>(read) <= stat.size)
        data.append(chunk, static_cast<qsizetype>(read));
    zip_fclose(file);
    // An error (-1), or more or fewer bytes than the directory claims.
    if (read != 0 || static_cast<zip_uint64_t>(data.size()) != stat.size) {
        cause = QStringLiteral("δεν διαβάζεται");
        return std::nullopt;
    }
    return data;
}

// The zip's entries as raw bytes, in their stored order.
std::vector<std::pair<QString, QByteArray>> unzip(const QByteArray& zip, const QString& name) {
    const QString notPackage =
        QStringLiteral("Το αρχείο %1 δεν είναι έγγραφο Office Open XML (%2).").arg(quoted(name));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(zip.constData(), zip.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        const QString detail = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        throw Error(notPackage.arg(detail));
    }
    zip_error_fini(&error);
    const auto refuse = [&](const QString& cause) {
        zip_discard(archive);
        throw Error(notPackage.arg(cause));
    };
    // The parts, with what each claims, all checked before the first is inflated.
    std::vector<std::pair<zip_int64_t, zip_stat_t>> stored;
    zip_uint64_t claimed = 0;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
            continue;
        const QString entryName = QString::fromUtf8(stat.name);
        if (entryName.endsWith(u'/'))
            continue; // a folder entry, no part
        if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > largestPart)
            refuse(QStringLiteral("το τμήμα %1 είναι μεγαλύτερο από %2 MB")
                       .arg(quotedPart(entryName))
                       .arg(largestPart >> 20));
        claimed += stat.size;
        if (claimed > largestPackage)
            refuse(
                QStringLiteral("τα τμήματά του είναι μαζί μεγαλύτερα από %1 MB").arg(largestPackage >> 20));
        stored.emplace_back(i, stat);
    }
    std::vector<std::pair<QString, QByteArray>> entries;
    for (const auto& [index, stat] : stored) {
        const QString entryName = QString::fromUtf8(stat.name);
        QString cause;
        std::optional<QByteArray> data = readEntry(archive, index, stat, cause);
        if (!data)
            refuse(QStringLiteral("το τμήμα %1 %2").arg(quotedPart(entryName), cause));
        entries.emplace_back(entryName, std::move(*data));
    }
    zip_discard(archive);
    return entries;
}

// The fastest deflate level: a document is saved several times over while a
// report is built, and its parts are small.
constexpr zip_uint32_t fastest = 1;

// A small part is stored: deflating it saves a few hundred bytes at most, and
// every deflated part costs a compressor of its own (far more than the part).
zip_int32_t compressionOf(const QByteArray& content) {
    constexpr qsizetype smallPart = 1024;
    return content.size() < smallPart ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
}

// Elements nested deeper than any real document's: such a part is refused when
// parsed, so no walk over a tree (ours or the XML library's) runs out of stack.
constexpr int deepestNesting = 1000;

bool nestedTooDeep(const pugi::xml_node root) {
    int depth = 0;
    for (pugi::xml_node node = root.first_child(); node;) {
        if (node.first_child()) {
            node = node.first_child();
            if (++depth > deepestNesting)
                return true;
            continue;
        }
        while (!node.next_sibling()) {
            node = node.parent();
            if (--depth < 0)
                return false;
        }
        node = node.next_sibling();
    }
    return false;
}

} // namespace

struct Package::Part {
    QString name;
    QByteArray bytes;
    mutable std::unique_ptr<pugi::xml_document> doc; // the parsed form, once asked for
    QString owner;                                   // the package's label, for messages

    pugi::xml_document& parsed() const {
        if (!doc) {
            auto parsedDoc = std::make_unique<pugi::xml_document>();
            const pugi::xml_parse_result result = parsedDoc->load_buffer(
                bytes.constData(), static_cast<size_t>(bytes.size()), parseOptions, pugi::encoding_auto);
            if (!result)
                throw Error(QStringLiteral("Το τμήμα %1 του αρχείου %2 δεν είναι έγκυρο XML (%3, θέση %4).")
                                .arg(quotedPart(name), quoted(owner), QString::fromUtf8(result.description()))
                                .arg(result.offset));
            if (nestedTooDeep(*parsedDoc))
                throw Error(QStringLiteral("Το τμήμα %1 του αρχείου %2 δεν είναι έγκυρο XML "
                                           "(στοιχεία φωλιασμένα σε βάθος πάνω από %3).")
                                .arg(quotedPart(name), quoted(owner))
                                .arg(deepestNesting));
            doc = std::move(parsedDoc);
        }
        return *doc;
    }
    QByteArray current() const { return doc ? serialise(*doc) : bytes; }
    // The part's size as it now stands, with its bytes into `out` when given;
    // none when it would take more than `room` bytes.
    std::optional<qsizetype> within(qsizetype room, QByteArray* out) const {
        if (!doc) {
            if (bytes.size() > room)
                return std::nullopt;
            if (out)
                *out = bytes;
            return bytes.size();
        }
        ByteWriter writer;
        writer.out = out;
        writer.room = room;
        try {
            writer.serialise(*doc);
        } catch (const NoRoom&) {
            return std::nullopt;
        }
        return writer.size;
    }
};

Package::Package() = default;
Package::~Package() = default;
Package::Package(Package&&) noexcept = default;
Package& Package::operator=(Package&&) noexcept = default;

Package Package::fromBytes(const QByteArray& zip, const QString& name) {
    Package package;
    for (auto& [entryName, data] : unzip(zip, name)) {
        auto part = std::make_unique<Part>();
        part->name = entryName;
        part->bytes = std::move(data);
        part->owner = name;
        package.parts.push_back(std::move(part));
    }
    if (!package.contains(QString::fromLatin1(contentTypesPart)))
        throw Error(QStringLiteral("Το αρχείο %1 δεν είναι έγγραφο Office Open XML (λείπει το %2).")
                        .arg(quoted(name), QString::fromLatin1(contentTypesPart)));
    return package;
}

Package::Part* Package::find(const QString& name) const {
    for (const auto& part : parts)
        if (part->name == name)
            return part.get();
    return nullptr;
}

QStringList Package::partNames() const {
    QStringList names;
    for (const auto& part : parts)
        names << part->name;
    return names;
}

bool Package::contains(const QString& part) const {
    return find(part) != nullptr;
}

QByteArray Package::bytes(const QString& name) const {
    if (Part* part = find(name))
        return part->current();
    throw Error(QStringLiteral("Το έγγραφο δεν έχει τμήμα %1.").arg(quotedPart(name)));
}

void Package::setBytes(const QString& name, const QByteArray& data) {
    Part* part = find(name);
    if (!part) {
        parts.push_back(std::make_unique<Part>());
        part = parts.back().get();
        part->name = name;
        if (!parts.empty())
            part->owner = parts.front()->owner;
    }
    part->bytes = data;
    part->doc.reset();
}

pugi::xml_document& Package::xml(const QString& name) {
    if (Part* part = find(name))
        return part->parsed();
    throw Error(QStringLiteral("Το έγγραφο δεν έχει τμήμα %1.").arg(quotedPart(name)));
}

pugi::xml_document& Package::addXml(const QString& name) {
    setBytes(name, QByteArray());
    Part* part = find(name);
    part->doc = std::make_unique<pugi::xml_document>();
    pugi::xml_node declaration = part->doc->append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    return *part->doc;
}

void Package::remove(const QString& name) {
    std::erase_if(parts, [&](const std::unique_ptr<Part>& part) { return part->name == name; });
}

// Content types -------------------------------------------------------------

QString Package::contentType(const QString& name) const {
    Part* types = find(QString::fromLatin1(contentTypesPart));
    if (!types)
        return QString();
    const pugi::xml_node root = types->parsed().child("Types");
    const QByteArray partName = ('/' + name).toUtf8();
    for (pugi::xml_node o : root.children("Override"))
        if (QByteArray(o.attribute("PartName").value()).compare(partName, Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(o.attribute("ContentType").value());
    const QByteArray extension = QFileInfo(name).suffix().toUtf8();
    for (pugi::xml_node d : root.children("Default"))
        if (QByteArray(d.attribute("Extension").value()).compare(extension, Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(d.attribute("ContentType").value());
    return QString();
}

namespace {
pugi::xml_node typesRoot(Package& package) {
    const QString name = QString::fromLatin1(contentTypesPart);
    if (!package.contains(name)) {
        pugi::xml_document& doc = package.addXml(name);
        doc.append_child("Types").append_attribute("xmlns") = contentTypesNamespace;
    }
    return package.xml(name).child("Types");
}

void setEntry(pugi::xml_node root, const char* element, const char* key, const QByteArray& value,
              const QString& type) {
    pugi::xml_node entry;
    for (pugi::xml_node e : root.children(element))
        if (QByteArray(e.attribute(key).value()).compare(value, Qt::CaseInsensitive) == 0)
            entry = e;
    if (!entry) {
        // Defaults come before overrides, as Office writes them.
        pugi::xml_node firstOverride = root.child("Override");
        entry = (std::strcmp(element, "Default") == 0 && firstOverride)
                    ? root.insert_child_before(element, firstOverride)
                    : root.append_child(element);
        entry.append_attribute(key) = value.constData();
        entry.append_attribute("ContentType");
    }
    entry.attribute("ContentType").set_value(type.toUtf8().constData());
}
} // namespace

void Package::setContentType(const QString& name, const QString& type) {
    setEntry(typesRoot(*this), "Override", "PartName", ('/' + name).toUtf8(), type);
}

void Package::setDefaultContentType(const QString& extension, const QString& type) {
    setEntry(typesRoot(*this), "Default", "Extension", extension.toUtf8(), type);
}

// Relationships -------------------------------------------------------------

QString Package::relationshipsPartOf(const QString& source) {
    const int slash = source.lastIndexOf(u'/');
    return source.left(slash + 1) + QStringLiteral("_rels/") + source.mid(slash + 1) +
           QStringLiteral(".rels");
}

QString Package::resolve(const QString& source, const QString& target) {
    if (target.startsWith(u'/'))
        return target.mid(1);
    const QString folder = source.left(source.lastIndexOf(u'/') + 1);
    QString cleaned = QDir::cleanPath(QStringLiteral("/") + folder + target);
    return cleaned.mid(1);
}

QList<Relationship> Package::relationships(const QString& source) const {
    QList<Relationship> result;
    Part* rels = find(relationshipsPartOf(source));
    if (!rels)
        return result;
    for (pugi::xml_node r : rels->parsed().child("Relationships").children("Relationship"))
        result.append({QString::fromUtf8(r.attribute("Id").value()),
                       QString::fromUtf8(r.attribute("Type").value()),
                       QString::fromUtf8(r.attribute("Target").value()),
                       QByteArray(r.attribute("TargetMode").value()) == "External"});
    return result;
}

QString Package::addRelationship(const QString& source, const QString& type, const QString& target,
                                 bool external) {
    const QString relsName = relationshipsPartOf(source);
    if (!contains(relsName)) {
        addXml(relsName).append_child("Relationships").append_attribute("xmlns") =
            packageRelationshipsNamespace;
        setDefaultContentType(QStringLiteral("rels"),
                              QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
    }
    pugi::xml_node root = xml(relsName).child("Relationships");
    QSet<QString> taken;
    for (pugi::xml_node r : root.children("Relationship"))
        taken.insert(QString::fromUtf8(r.attribute("Id").value()));
    int n = static_cast<int>(taken.size()) + 1;
    while (taken.contains(QStringLiteral("rId%1").arg(n)))
        ++n;
    const QString id = QStringLiteral("rId%1").arg(n);
    pugi::xml_node r = root.append_child("Relationship");
    r.append_attribute("Id") = id.toUtf8().constData();
    r.append_attribute("Type") = type.toUtf8().constData();
    r.append_attribute("Target") = target.toUtf8().constData();
    if (external)
        r.append_attribute("TargetMode") = "External";
    return id;
}

QString Package::relatedPart(const QString& source, const QString& type) const {
    for (const Relationship& r : relationships(source))
        if (r.type == type && !r.external)
            return resolve(source, r.target);
    return QString();
}

// Writing -------------------------------------------------------------------

bool Package::serialisedWithinBounds(std::vector<QByteArray>* contents) const {
    qsizetype total = 0;
    for (const auto& part : parts) {
        const qsizetype room =
            static_cast<qsizetype>(std::min(largestPart, largestPackage - static_cast<zip_uint64_t>(total)));
        const std::optional<qsizetype> size =
            part->within(room, contents ? &contents->emplace_back() : nullptr);
        if (!size)
            return false;
        total += *size;
    }
    return true;
}

bool Package::readable() const {
    return serialisedWithinBounds(nullptr);
}

QByteArray Package::toBytes() const {
    // Serialised parts must outlive the archive until it is closed. A package
    // that fromBytes() would refuse is never written: once on disk it could not be
    // read again, by this program or by the next.
    std::vector<QByteArray> contents;
    contents.reserve(parts.size());
    if (!serialisedWithinBounds(&contents))
        throw Error(QStringLiteral("Το έγγραφο δεν αποθηκεύεται: θα ήταν μεγαλύτερο από %1 MB, και ένα τόσο "
                                   "μεγάλο έγγραφο δεν ανοίγει ξανά.")
                        .arg(largestPackage >> 20));

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    auto fail = [&](const char* what) {
        const QString detail = QString::fromUtf8(what);
        zip_error_fini(&error);
        throw Error(QStringLiteral("Δεν ήταν δυνατή η σύνθεση του εγγράφου (%1).").arg(detail));
    };
    if (!archive) {
        if (buffer)
            zip_source_free(buffer);
        fail(zip_error_strerror(&error));
    }
    zip_source_keep(buffer);
    for (size_t i = 0; i < parts.size(); ++i) {
        zip_source_t* data = zip_source_buffer(archive, contents[i].constData(), contents[i].size(), 0);
        const QByteArray name = parts[i]->name.toUtf8();
        const zip_int64_t index = data ? zip_file_add(archive, name.constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 && data)
            zip_source_free(data); // the archive took it only when added
        if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                                  compressionOf(contents[i]), fastest) != 0) {
            const QString detail = QString::fromUtf8(zip_strerror(archive));
            zip_discard(archive);
            zip_source_free(buffer);
            fail(detail.toUtf8().constData());
        }
    }
    if (zip_close(archive) != 0) {
        const QString detail = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(buffer);
        fail(detail.toUtf8().constData());
    }
    zip_error_fini(&error);

    QByteArray out;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        out.resize(static_cast<qsizetype>(stat.size));
        const zip_int64_t read = zip_source_read(buffer, out.data(), stat.size);
        zip_source_close(buffer);
        if (read != static_cast<zip_int64_t>(stat.size))
            out.clear();
    }
    zip_source_free(buffer);
    if (out.isEmpty())
        throw Error(QStringLiteral("Δεν ήταν δυνατή η σύνθεση του εγγράφου."));
    return out;
}

} // namespace ooxml
