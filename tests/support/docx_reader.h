#pragma once
// Reads back what a written WordprocessingML file holds, the way a reader of the
// document sees it: the body's paragraphs and tables in order, and cell texts.
#include <QString>
#include <QStringList>

#include "platform/office/ooxml.h"

namespace testsupport {

class DocxReader {
public:
    explicit DocxReader(const QString& path);
    // The body in order: a paragraph's text, or "[table]" for a table.
    QStringList body() const;
    // The texts of the body's paragraphs only, those in tables left out.
    QStringList paragraphs() const;
    int tableCount() const;
    // The text of cell (r, c) of table t, all from 1; paragraphs joined by "\n".
    QString cell(int t, int r, int c) const;
    // The style ids the style sheet defines.
    QStringList styleIds() const;
    ooxml::Package package;

private:
    pugi::xml_node bodyNode() const;
};

} // namespace testsupport
