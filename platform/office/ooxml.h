#pragma once
// An Office Open XML package: the zip file behind a .docx-like document or an
// .xlsx-like workbook, taken from bytes and turned back into bytes; the files
// they come from and go to are the office layer's (read_file.h, save_target.h).
// Parts are kept as read; a part is parsed only when asked for as XML, so parts
// nobody touches are written back byte for byte.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <pugixml.hpp>
#include <vector>

#include "office_error.h"

namespace ooxml {

// Every failure of the package layer.
using Error = office::Error;

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

    // The package held in a file's bytes (office::readFile); label names the
    // file in messages. Throws Error when they are not a zip file or have no
    // content types.
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

    // Whether fromBytes() would take the package as it now stands: no part larger
    // than 256 MB, and not 256 MB together. toBytes() refuses any other.
    bool readable() const;
    // The package as a zip file's bytes, to be written (office::SaveTarget).
    QByteArray toBytes() const;

private:
    struct Part;
    Part* find(const QString& name) const;
    // Whether the parts as they now stand keep within what fromBytes() takes; their
    // bytes, in order, into contents when given.
    bool serialisedWithinBounds(std::vector<QByteArray>* contents) const;
    std::vector<std::unique_ptr<Part>> parts;
};

} // namespace ooxml
