#include "docx_reader.h"

#include <cstring>

#include "package_files.h"

namespace testsupport {

namespace {

QString textOf(pugi::xml_node paragraph) {
    QString text;
    for (pugi::xml_node n = paragraph.first_child(); n; n = n.next_sibling()) {
        if (std::strcmp(n.name(), "w:r") == 0) {
            for (pugi::xml_node part : n.children()) {
                if (std::strcmp(part.name(), "w:t") == 0)
                    text += QString::fromUtf8(part.text().get());
                else if (std::strcmp(part.name(), "w:tab") == 0)
                    text += u'\t';
                else if (std::strcmp(part.name(), "w:br") == 0)
                    text += u'\n';
            }
        } else if (std::strcmp(n.name(), "w:hyperlink") == 0) {
            text += textOf(n);
        }
    }
    return text;
}

} // namespace

DocxReader::DocxReader(const QString& path)
    : package(testsupport::packageAt(path)) {}

pugi::xml_node DocxReader::bodyNode() const {
    auto& self = const_cast<DocxReader&>(*this);
    return self.package.xml(QStringLiteral("word/document.xml")).child("w:document").child("w:body");
}

QStringList DocxReader::body() const {
    QStringList result;
    for (pugi::xml_node n : bodyNode().children()) {
        if (std::strcmp(n.name(), "w:p") == 0)
            result << textOf(n);
        else if (std::strcmp(n.name(), "w:tbl") == 0)
            result << QStringLiteral("[table]");
    }
    return result;
}

QStringList DocxReader::paragraphs() const {
    QStringList result;
    for (pugi::xml_node p : bodyNode().children("w:p"))
        result << textOf(p);
    return result;
}

int DocxReader::tableCount() const {
    int count = 0;
    for (pugi::xml_node t : bodyNode().children("w:tbl")) {
        (void)t;
        ++count;
    }
    return count;
}

QString DocxReader::cell(int t, int r, int c) const {
    pugi::xml_node table = bodyNode().child("w:tbl");
    for (int i = 1; i < t && table; ++i)
        table = table.next_sibling("w:tbl");
    pugi::xml_node row = table.child("w:tr");
    for (int i = 1; i < r && row; ++i)
        row = row.next_sibling("w:tr");
    pugi::xml_node cell = row.child("w:tc");
    for (int i = 1; i < c && cell; ++i)
        cell = cell.next_sibling("w:tc");
    if (!cell)
        return QStringLiteral("[no cell]");
    QStringList texts;
    for (pugi::xml_node p : cell.children("w:p"))
        texts << textOf(p);
    return texts.join(u'\n');
}

QStringList DocxReader::styleIds() const {
    QStringList ids;
    auto& self = const_cast<DocxReader&>(*this);
    for (pugi::xml_node s :
         self.package.xml(QStringLiteral("word/styles.xml")).child("w:styles").children("w:style"))
        ids << QString::fromUtf8(s.attribute("w:styleId").value());
    return ids;
}

} // namespace testsupport
