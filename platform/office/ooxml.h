#pragma once
// An Office Open XML package: the zip file behind a .docx-like document or an
// .xlsx-like workbook. Parts are kept as read; a part is parsed only when asked
// for as XML, so parts nobody touches are written back byte for byte.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <pugixml.hpp>
#include <vector>

#include "office_error.h"

namespace office {
class SaveTarget;
}

namespace ooxml {

// Every failure of the package layer.
using Error = office::Error;

// The cause of a failed file operation (an errno value), as the user reads it.
QString failureCause(int error);
// "The file at path was not saved", with the cause; the path and the errno
// value stay with it for a caller that words it otherwise.
class NotSaved : public Error {
public:
    NotSaved(const QString& path, int error);
    QString path;
    int error;
};
NotSaved notSaved(const QString& path, int error);
// The file took its name, but its folder's wait for the disk failed: the new
// file stands in place, and the disk did not confirm that it stays there.
class Unconfirmed : public NotSaved {
public:
    using NotSaved::NotSaved;
};

// Tests make the disk fail with this: every save asks it in place of writing its
// file and in place of the answer of each wait for the disk (its file's, then,
// once the file has its name, its folder's), and every read of a package's file
// asks it before it reads; each time with the path of that file or folder. A
// nonzero errno value fails that step as the disk would. Empty, as it starts:
// the disk as it is.
enum class DiskStep { Write, Flush, Read };
void setDiskFault(std::function<int(DiskStep step, const QString& path)> fault);

inline constexpr const char* contentTypesPart = "[Content_Types].xml";
inline constexpr const char* relationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* officeDocumentRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";

struct Relationship {
    QString id;
    QString type;
    QString target; // as written: relative to the source part, or a URI when external
    bool external = false;
};

class Package {
public:
    Package();
    ~Package();
    Package(Package&&) noexcept;
    Package& operator=(Package&&) noexcept;

    // Reads the package at path. Throws Error when the file is missing, cannot be
    // read, is not a zip file or has no content types.
    static Package open(const QString& path);
    // The file's bytes, with the same failures as open.
    static QByteArray readFile(const QString& path);
    // The same from bytes in memory; label names the source in messages.
    static Package fromBytes(const QByteArray& zip, const QString& label);

    // Part names as stored in the zip ("word/document.xml"), in package order.
    QStringList partNames() const;
    bool contains(const QString& part) const;
    // The part's bytes (a parsed part as it now stands). Throws when absent.
    QByteArray bytes(const QString& part) const;
    // Adds the part at the end or replaces its bytes (dropping a parsed form).
    void setBytes(const QString& part, const QByteArray& data);
    // The part parsed as XML; parsed on first use, and what the caller changes in
    // it is what is saved. Throws when absent or not well-formed.
    pugi::xml_document& xml(const QString& part);
    // Adds an empty XML part (or empties an existing one) and returns it.
    pugi::xml_document& addXml(const QString& part);
    void remove(const QString& part);

    // [Content_Types].xml: the type of a part (its override, else its extension's
    // default), and setting either kind.
    QString contentType(const QString& part) const;
    void setContentType(const QString& part, const QString& type);
    void setDefaultContentType(const QString& extension, const QString& type);

    // Relationships of a part ("" for the package's own).
    static QString relationshipsPartOf(const QString& source);
    // The part a relative target names, seen from source ("word/document.xml" and
    // "media/a.png" give "word/media/a.png").
    static QString resolve(const QString& source, const QString& target);
    QList<Relationship> relationships(const QString& source) const;
    // Adds a relationship under a fresh id and returns the id.
    QString addRelationship(const QString& source, const QString& type, const QString& target,
                            bool external = false);
    // The first part that source relates to with this type, or empty.
    QString relatedPart(const QString& source, const QString& type) const;

    // Whether open() would take the package as it now stands: no part larger
    // than 256 MB, and not 256 MB together. toBytes() and save() refuse any other.
    bool readable() const;
    QByteArray toBytes() const;
    // Whether save waits for the disk, before the file takes the path's name and
    // for its folder after: a document saved again and again while it is built
    // need not, one the user keeps does.
    enum class Durability { Flushed, Unflushed };
    // Writes the package to path atomically: a temporary file in the same folder,
    // renamed over path only when complete. A link at path stays: the file it
    // names is the one written (office::SaveTarget). Throws Error and leaves path
    // as it was; only a failed wait for the folder comes after the rename
    // (Unconfirmed), and leaves the new file in place. A folder whose file
    // system has no such wait (EINVAL, ENOTSUP) has nothing to wait for.
    // Returns the bytes written.
    QByteArray save(const QString& path, Durability durability = Durability::Flushed) const;
    // The same at a target resolved earlier (and checked, office::checkSave):
    // written into the folder resolved then, and refused, with nothing
    // changed, when the name no longer holds what it held then.
    QByteArray save(const office::SaveTarget& target, Durability durability = Durability::Flushed) const;

private:
    struct Part;
    Part* find(const QString& name) const;
    // Whether the parts as they now stand keep within what open() takes; their
    // bytes, in order, into contents when given.
    bool serialisedWithinBounds(std::vector<QByteArray>* contents) const;
    std::vector<std::unique_ptr<Part>> parts;
};

} // namespace ooxml
