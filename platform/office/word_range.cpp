// Ranges of a document's body: finding a paragraph, a table cell or the whole
// content, writing text into it, and copying and pasting through the clipboard.
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <cstring>

#include "platform/desktop/file_names.h"
#include "word.h"

namespace word {

namespace {

constexpr const char* stylesRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
constexpr const char* stylesContentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml";
constexpr const char* wordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

QString nameOf(Document& document) {
    return document.fullName().isEmpty() ? QStringLiteral("«νέο έγγραφο»")
                                         : desktop::quoted(document.fullName());
}

QString mainPartOf(const ooxml::Package& package) {
    const QString part =
        package.relatedPart(QString(), QString::fromLatin1(ooxml::officeDocumentRelationship));
    return part.isEmpty() ? QStringLiteral("word/document.xml") : part;
}

pugi::xml_node bodyOf(Document& document) {
    ooxml::Package& package = document.package();
    pugi::xml_node body = package.xml(mainPartOf(package)).child("w:document").child("w:body");
    if (!body)
        throw Error(QStringLiteral("Το αρχείο %1 δεν είναι έγγραφο κειμένου.").arg(nameOf(document)));
    return body;
}

bool is(pugi::xml_node node, const char* name) {
    return std::strcmp(node.name(), name) == 0;
}

// Visits the nodes under root in document order, without recursion (a
// document's nesting is unbounded); visit returns false to skip a node's children.
template <class F> void forEachDescendant(pugi::xml_node root, F&& visit) {
    for (pugi::xml_node node = root.first_child(); node;) {
        if (visit(node) && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (!node.next_sibling()) {
            node = node.parent();
            if (node == root)
                return;
        }
        node = node.next_sibling();
    }
}

// The paragraphs of a story in reading order, into table cells but not into
// text boxes (those belong to another story).
void collectParagraphs(pugi::xml_node node, std::vector<pugi::xml_node>& out) {
    forEachDescendant(node, [&](pugi::xml_node child) {
        if (is(child, "w:p")) {
            out.push_back(child);
            return false;
        }
        return child.type() == pugi::node_element && !is(child, "w:sectPr") && !is(child, "w:txbxContent");
    });
}

std::vector<pugi::xml_node> paragraphsOf(Document& document) {
    std::vector<pugi::xml_node> paragraphs;
    collectParagraphs(bodyOf(document), paragraphs);
    return paragraphs;
}

std::vector<pugi::xml_node> childrenNamed(pugi::xml_node node, const char* name) {
    std::vector<pugi::xml_node> result;
    for (pugi::xml_node child : node.children(name))
        result.push_back(child);
    return result;
}

// A document always ends in a paragraph, and so does every table cell.
void endInParagraph(pugi::xml_node container) {
    pugi::xml_node last = container.last_child();
    while (last && (last.type() != pugi::node_element || is(last, "w:sectPr")))
        last = last.previous_sibling();
    if (last && is(last, "w:p"))
        return;
    if (pugi::xml_node sectPr = container.child("w:sectPr"))
        container.insert_child_before("w:p", sectPr);
    else
        container.append_child("w:p");
}

// Text as XML may hold it: tabs and line breaks become their elements, and
// characters XML forbids are dropped.
void appendRuns(pugi::xml_node paragraph, const QString& line, pugi::xml_node runProperties) {
    pugi::xml_node run;
    QString pending;
    auto newRun = [&] {
        run = paragraph.append_child("w:r");
        if (runProperties)
            run.append_copy(runProperties);
    };
    auto flush = [&] {
        if (pending.isEmpty())
            return;
        if (!run)
            newRun();
        pugi::xml_node t = run.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(pending.toUtf8().constData());
        pending.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (ch == u'\t' || ch == u'\v' || ch == QChar(0x2028)) {
            flush();
            if (!run)
                newRun();
            run.append_child(ch == u'\t' ? "w:tab" : "w:br");
        } else if (ch.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
            pending += ch;
            pending += line.at(++i);
        } else if (ch.unicode() >= 0x20 && !ch.isSurrogate() && ch.unicode() != 0xFFFE &&
                   ch.unicode() != 0xFFFF) {
            pending += ch;
        }
    }
    flush();
}

// The stretch of sibling nodes a range stands for.
struct Span {
    pugi::xml_node container;
    std::vector<pugi::xml_node> nodes;
};

// A copied stretch of content with what it needs from its document.
struct Clipboard {
    bool filled = false;
    pugi::xml_document content;    // <fragment> with copies of the nodes
    pugi::xml_document styles;     // <styles> with the styles they use
    pugi::xml_document namespaces; // <ns> with the source's namespace declarations
    struct Link {
        QString id;
        QString type;
        QString target; // external target
        bool external = false;
        QString part; // internal target part, with its bytes and type
        QByteArray bytes;
        QString contentType;
    };
    std::vector<Link> links;
};

// One clipboard for every application of the process.
Clipboard& clipboard() {
    static Clipboard board;
    return board;
}

void collectStyleIds(pugi::xml_node node, QSet<QByteArray>& ids) {
    forEachDescendant(node, [&](pugi::xml_node child) {
        if (is(child, "w:pStyle") || is(child, "w:rStyle") || is(child, "w:tblStyle"))
            ids.insert(child.attribute("w:val").value());
        return true;
    });
}

pugi::xml_node styleById(pugi::xml_node styles, const QByteArray& id) {
    for (pugi::xml_node style : styles.children("w:style"))
        if (id == style.attribute("w:styleId").value())
            return style;
    return {};
}

template <class F> void forEachRelationshipAttribute(pugi::xml_node node, F&& f) {
    auto attributesOf = [&](pugi::xml_node n) {
        for (pugi::xml_attribute a : n.attributes())
            if (std::strncmp(a.name(), "r:", 2) == 0)
                f(a);
        return true;
    };
    attributesOf(node);
    forEachDescendant(node, attributesOf);
}

void copyToClipboard(Document& document, const Span& span) {
    ooxml::Package& package = document.package();
    const QString main = mainPartOf(package);
    Clipboard& board = clipboard();
    board.content.reset();
    board.styles.reset();
    board.namespaces.reset();
    board.links.clear();

    pugi::xml_node fragment = board.content.append_child("fragment");
    for (pugi::xml_node node : span.nodes)
        fragment.append_copy(node);

    pugi::xml_node ns = board.namespaces.append_child("ns");
    for (pugi::xml_attribute a : package.xml(main).document_element().attributes())
        if (std::strncmp(a.name(), "xmlns", 5) == 0 || std::strcmp(a.name(), "mc:Ignorable") == 0)
            ns.append_copy(a);

    // The styles used, with those they are based on or linked to.
    pugi::xml_node copied = board.styles.append_child("styles");
    const QString stylesPart = package.relatedPart(main, QString::fromLatin1(stylesRelationship));
    if (!stylesPart.isEmpty()) {
        const pugi::xml_node sourceStyles = package.xml(stylesPart).child("w:styles");
        QSet<QByteArray> wanted;
        collectStyleIds(fragment, wanted);
        QList<QByteArray> queue(wanted.begin(), wanted.end());
        QSet<QByteArray> done;
        while (!queue.isEmpty()) {
            const QByteArray id = queue.takeFirst();
            if (done.contains(id))
                continue;
            done.insert(id);
            const pugi::xml_node style = styleById(sourceStyles, id);
            if (!style)
                continue;
            copied.append_copy(style);
            for (const char* follow : {"w:basedOn", "w:link", "w:next"})
                if (pugi::xml_node ref = style.child(follow))
                    queue.append(ref.attribute("w:val").value());
        }
    }

    // Images, hyperlinks and whatever else the content points to.
    const QList<ooxml::Relationship> relationships = package.relationships(main);
    QSet<QString> linked;
    forEachRelationshipAttribute(fragment, [&](pugi::xml_attribute a) {
        const QString id = QString::fromUtf8(a.value());
        if (linked.contains(id))
            return;
        for (const ooxml::Relationship& r : relationships) {
            if (r.id != id)
                continue;
            linked.insert(id);
            Clipboard::Link link{r.id, r.type, r.target, r.external, {}, {}, {}};
            if (!r.external) {
                link.part = ooxml::Package::resolve(main, r.target);
                if (!package.contains(link.part))
                    return;
                link.bytes = package.bytes(link.part);
                link.contentType = package.contentType(link.part);
            }
            board.links.push_back(link);
        }
    });
    board.filled = true;
}

// A part name not yet in the package, keeping the folder and the extension.
QString freePartName(const ooxml::Package& package, const QString& wanted) {
    if (!package.contains(wanted))
        return wanted;
    const QFileInfo info(wanted);
    const QString folder = wanted.left(wanted.lastIndexOf(u'/') + 1);
    QString base = info.completeBaseName();
    base.remove(QRegularExpression(QStringLiteral("\\d+$")));
    for (int n = 1;; ++n) {
        const QString name = folder + base + QString::number(n) + u'.' + info.suffix();
        if (!package.contains(name))
            return name;
    }
}

// How source refers to part in its relationships.
QString relativeTarget(const QString& source, const QString& part) {
    const QString folder = source.left(source.lastIndexOf(u'/') + 1);
    return part.startsWith(folder) ? part.mid(folder.size()) : u'/' + part;
}

void pasteFromClipboard(Document& document, Span span) {
    const Clipboard& board = clipboard();
    if (!board.filled)
        throw Error(QStringLiteral("Το πρόχειρο είναι άδειο."));
    ooxml::Package& package = document.package();
    const QString main = mainPartOf(package);

    // Namespaces the pasted content's prefixes need.
    pugi::xml_node root = package.xml(main).document_element();
    for (pugi::xml_attribute a : board.namespaces.child("ns").attributes())
        if (!root.attribute(a.name()))
            root.append_copy(a);

    // Styles the document lacks; a style it has keeps its own definition.
    QString stylesPart = package.relatedPart(main, QString::fromLatin1(stylesRelationship));
    if (stylesPart.isEmpty() && board.styles.child("styles").first_child()) {
        stylesPart = freePartName(package, QStringLiteral("word/styles.xml"));
        package.addXml(stylesPart).append_child("w:styles").append_attribute("xmlns:w") = wordNamespace;
        package.setContentType(stylesPart, QString::fromLatin1(stylesContentType));
        package.addRelationship(main, QString::fromLatin1(stylesRelationship),
                                relativeTarget(main, stylesPart));
    }
    if (!stylesPart.isEmpty()) {
        pugi::xml_node styles = package.xml(stylesPart).child("w:styles");
        for (pugi::xml_node style : board.styles.child("styles").children())
            if (!styleById(styles, style.attribute("w:styleId").value()))
                styles.append_copy(style);
    }

    // The content's relationships under ids of this document.
    QHash<QString, QString> newIds;
    for (const Clipboard::Link& link : board.links) {
        if (link.external) {
            newIds.insert(link.id, package.addRelationship(main, link.type, link.target, true));
            continue;
        }
        QString part = link.part;
        if (!package.contains(part) || package.bytes(part) != link.bytes) {
            part = freePartName(package, part);
            package.setBytes(part, link.bytes);
            if (!link.contentType.isEmpty() && package.contentType(part) != link.contentType)
                package.setContentType(part, link.contentType);
        }
        newIds.insert(link.id, package.addRelationship(main, link.type, relativeTarget(main, part)));
    }

    pugi::xml_node before = span.nodes.empty() ? pugi::xml_node() : span.nodes.front();
    if (!before)
        before = span.container.child("w:sectPr");
    for (pugi::xml_node node : board.content.child("fragment").children()) {
        pugi::xml_node pasted =
            before ? span.container.insert_copy_before(node, before) : span.container.append_copy(node);
        forEachRelationshipAttribute(pasted, [&](pugi::xml_attribute a) {
            const auto found = newIds.constFind(QString::fromUtf8(a.value()));
            if (found != newIds.constEnd())
                a.set_value(found->toUtf8().constData());
        });
    }
    for (pugi::xml_node node : span.nodes)
        span.container.remove_child(node);
    endInParagraph(span.container);
    document.changed();
}

} // namespace

Range::Range(Document* document, Kind kind, int a, int b, int c)
    : document(document)
    , kind(kind)
    , a(a)
    , b(b)
    , c(c) {}

namespace {

Span spanOf(Document& document, Range::Kind kind, int a, int b, int c) {
    Span span;
    if (kind == Range::Kind::Content) {
        span.container = bodyOf(document);
        for (pugi::xml_node child : span.container.children())
            if (child.type() == pugi::node_element && !is(child, "w:sectPr"))
                span.nodes.push_back(child);
        return span;
    }
    if (kind == Range::Kind::Paragraph) {
        const std::vector<pugi::xml_node> paragraphs = paragraphsOf(document);
        if (a < 1 || a > static_cast<int>(paragraphs.size()))
            throw Error(QStringLiteral("Το έγγραφο %1 έχει %2 παραγράφους· δεν υπάρχει η παράγραφος %3.")
                            .arg(nameOf(document))
                            .arg(paragraphs.size())
                            .arg(a));
        span.container = paragraphs[a - 1].parent();
        span.nodes.push_back(paragraphs[a - 1]);
        return span;
    }
    // cell (b, c) of table a
    const std::vector<pugi::xml_node> tables = childrenNamed(bodyOf(document), "w:tbl");
    if (a < 1 || a > static_cast<int>(tables.size()))
        throw Error(QStringLiteral("Το έγγραφο %1 έχει %2 πίνακες· δεν υπάρχει ο πίνακας %3.")
                        .arg(nameOf(document))
                        .arg(tables.size())
                        .arg(a));
    const std::vector<pugi::xml_node> rows = childrenNamed(tables[a - 1], "w:tr");
    const std::vector<pugi::xml_node> cells = b >= 1 && b <= static_cast<int>(rows.size())
                                                  ? childrenNamed(rows[b - 1], "w:tc")
                                                  : std::vector<pugi::xml_node>();
    if (c < 1 || c > static_cast<int>(cells.size()))
        throw Error(QStringLiteral("Ο πίνακας %1 του εγγράφου %2 δεν έχει κελί στη γραμμή %3, στήλη %4.")
                        .arg(a)
                        .arg(nameOf(document))
                        .arg(b)
                        .arg(c));
    span.container = cells[c - 1];
    for (pugi::xml_node child : span.container.children())
        if (child.type() == pugi::node_element && !is(child, "w:tcPr"))
            span.nodes.push_back(child);
    return span;
}

} // namespace

void Range::copy() const {
    copyToClipboard(*document, spanOf(*document, kind, a, b, c));
}

void Range::paste() const {
    pasteFromClipboard(*document, spanOf(*document, kind, a, b, c));
}

void Range::setText(const QString& text) const {
    Span span = spanOf(*document, kind, a, b, c);
    // The new text takes the look of the range's first paragraph and run.
    pugi::xml_node first;
    for (pugi::xml_node node : span.nodes) {
        first = is(node, "w:p") ? node : node.find_node([](pugi::xml_node n) { return is(n, "w:p"); });
        if (first)
            break;
    }
    const pugi::xml_node paragraphProperties = first.child("w:pPr");
    const pugi::xml_node runProperties =
        first.find_node([](pugi::xml_node n) { return is(n, "w:r"); }).child("w:rPr");

    // Built once: compiling the pattern costs more than a whole table fill.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (kind == Kind::Content && text.isEmpty())
        lines.clear();
    // The whole content ends in the document's closing paragraph.
    if (kind == Kind::Content)
        lines.append(QString());

    pugi::xml_node before = span.nodes.empty() ? span.container.child("w:sectPr") : span.nodes.front();
    for (const QString& line : lines) {
        pugi::xml_node paragraph =
            before ? span.container.insert_child_before("w:p", before) : span.container.append_child("w:p");
        if (paragraphProperties)
            paragraph.append_copy(paragraphProperties);
        appendRuns(paragraph, line, runProperties);
    }
    // The properties were read from nodes about to go: copy first, then remove.
    for (pugi::xml_node node : span.nodes)
        span.container.remove_child(node);
    document->changed();
}

int Paragraphs::count() const {
    return static_cast<int>(paragraphsOf(*document).size());
}

Paragraph Paragraphs::item(int n) const {
    return Paragraph(Range(document, Range::Kind::Paragraph, n));
}

int Tables::count() const {
    return static_cast<int>(childrenNamed(bodyOf(*document), "w:tbl").size());
}

Table Tables::item(int t) const {
    return Table(document, t);
}

Cell Table::cell(int r, int c) const {
    return Cell(Range(document, Range::Kind::Cell, number, r, c));
}

} // namespace word
