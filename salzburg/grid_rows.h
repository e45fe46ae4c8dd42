#pragma once
// The rows of the Salzburg sector grid, top to bottom: the same 22 rows in each
// of the six sector columns, boxes named sec<sector><row>.
#include <QString>
#include <array>

namespace salzburg {

struct GridRow {
    char letter;
    const char* captionLabel; // the label that carries the caption in the caption column
    const char* caption;      // a trailing "*" marks the rows the "Calc..." buttons read
};

extern const std::array<GridRow, 22> gridRows;

// The row's place from the top, 0 for row a.
int rowIndex(char row);
// The caption as a message names the row: without the mark.
QString rowName(char row);

} // namespace salzburg
