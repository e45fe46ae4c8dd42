#include "excel_sheet.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cstdlib>

#include "excel_error.h"
#include "excel_xml.h"

namespace excel::sheet {

namespace {

using xml::child;
using xml::named;
using xml::nameUnder;

int columnOf(const char* reference) {
    int column = 0;
    for (const char* c = reference; *c >= 'A' && *c <= 'Z'; ++c)
        column = column * 26 + (*c - 'A' + 1);
    return column;
}

int rowOf(const char* reference) {
    const char* digits = reference;
    while (*digits >= 'A' && *digits <= 'Z')
        ++digits;
    return std::atoi(digits);
}

// The node of index `wanted` among the children named `local`, whose index is
// given by `indexOf` or, where it is left out, follows the previous one. When
// absent, a new one is inserted in order and `created` is set.
template <class IndexOf>
pugi::xml_node findOrInsert(pugi::xml_node parent, const char* local, int wanted, IndexOf indexOf,
                            bool& created) {
    int index = 0;
    for (pugi::xml_node node : parent.children()) {
        if (!named(node, local))
            continue;
        const int stated = indexOf(node);
        index = stated > 0 ? stated : index + 1;
        if (index == wanted) {
            created = false;
            return node;
        }
        if (index > wanted) {
            created = true;
            return parent.insert_child_before(nameUnder(parent, local).constData(), node);
        }
    }
    created = true;
    return parent.append_child(nameUnder(parent, local).constData());
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "_x0041_" at i: a reader would take it for an escaped character.
bool startsEscape(const QString& text, qsizetype i) {
    if (i + 6 >= text.size() || text[i] != u'_' || text[i + 1] != u'x' || text[i + 6] != u'_')
        return false;
    for (qsizetype h = i + 2; h < i + 6; ++h)
        if (!isHexDigit(text[h]))
            return false;
    return true;
}

bool needsPreserve(const QString& text) {
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

// The used range of the sheet grows to hold the cell, so readers that trust it
// see the new cell.
void widenDimension(pugi::xml_node worksheet, int row, int column) {
    pugi::xml_attribute ref = child(worksheet, "dimension").attribute("ref");
    if (!ref)
        return;
    const QByteArray text = ref.value();
    const QList<QByteArray> corners = text.split(':');
    const QByteArray first = corners.front();
    const QByteArray last = corners.back();
    const int top = rowOf(first.constData()), left = columnOf(first.constData());
    const int bottom = rowOf(last.constData()), right = columnOf(last.constData());
    if (top <= 0 || left <= 0 || bottom <= 0 || right <= 0)
        return;
    const int newTop = std::min(top, row), newLeft = std::min(left, column);
    const int newBottom = std::max(bottom, row), newRight = std::max(right, column);
    if (newTop == top && newLeft == left && newBottom == bottom && newRight == right)
        return;
    const QString widened = newTop == newBottom && newLeft == newRight
                                ? cellName(newTop, newLeft)
                                : cellName(newTop, newLeft) + u':' + cellName(newBottom, newRight);
    ref.set_value(widened.toUtf8().constData());
}

} // namespace

QString cellName(int row, int column) {
    QString letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row);
}

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool xmlCannotCarry = (c < 0x20 && c != u'\t' && c != u'\n') || c == 0xFFFE || c == 0xFFFF;
        if (xmlCannotCarry || startsEscape(text, i))
            out += QStringLiteral("_x") +
                   QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper() + u'_';
        else
            out += text[i];
    }
    return out;
}

void setText(pugi::xml_document& worksheet, int row, int column, const QString& text) {
    pugi::xml_node root = worksheet.document_element();
    pugi::xml_node data = child(root, "sheetData");
    if (!named(root, "worksheet") || !data)
        throw Error(QStringLiteral("Το ενεργό φύλλο δεν είναι φύλλο εργασίας."));

    bool created = false;
    pugi::xml_node rowNode = findOrInsert(
        data, "row", row, [](pugi::xml_node r) { return r.attribute("r").as_int(); }, created);
    if (created)
        rowNode.append_attribute("r") = row;
    // "spans" is only a hint of the row's columns; a cell outside it would contradict it.
    rowNode.remove_attribute("spans");

    pugi::xml_node cell = findOrInsert(
        rowNode, "c", column, [](pugi::xml_node c) { return columnOf(c.attribute("r").value()); }, created);
    if (created)
        cell.append_attribute("r") = cellName(row, column).toUtf8().constData();

    // The value, its formula and its metadata go; the cell's style stays.
    while (pugi::xml_node old = cell.first_child())
        cell.remove_child(old);
    for (const char* attribute : {"t", "cm", "vm", "ph"})
        cell.remove_attribute(attribute);
    cell.append_attribute("t") = "inlineStr";
    pugi::xml_node string = cell.append_child(nameUnder(rowNode, "is").constData());
    pugi::xml_node t = string.append_child(nameUnder(rowNode, "t").constData());
    if (needsPreserve(text))
        t.append_attribute("xml:space") = "preserve";
    t.text().set(escaped(text).toUtf8().constData());

    widenDimension(root, row, column);
}

} // namespace excel::sheet
