#pragma once
// The cells of a SpreadsheetML worksheet part, edited in place: only the cell
// that is written changes; every other row, cell, style and formula stays.
#include <QString>
#include <pugixml.hpp>

namespace excel::sheet {

// The largest sheet Excel knows.
inline constexpr int maxRow = 1048576;
inline constexpr int maxColumn = 16384;

// A1 reference of a 1-based cell: row 68, column 8 gives "H68".
QString cellName(int row, int column);

// The text as a SpreadsheetML string holds it: characters that XML cannot
// carry are written as _xHHHH_, and a literal _xHHHH_ keeps its underscore as
// _x005F_, so the user's text comes back as typed.
QString escaped(const QString& text);

// Puts text into the cell as a string (never a number or formula), keeping the
// cell's style. Throws excel::Error when the part is not a worksheet.
void setText(pugi::xml_document& worksheet, int row, int column, const QString& text);

} // namespace excel::sheet
