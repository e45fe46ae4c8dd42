#pragma once
// A table of single-line text boxes with its row captions on the left, as the
// study windows hold their masts, antenna arrays and sectors.
#include <QLineEdit>
#include <QString>
#include <QVector>
#include <functional>
#include <span>

class QGroupBox;

namespace study {

struct GridRow {
    const char* label;   // the row caption's control name
    const char* caption; // its text
    int top;             // twips, inside the frame
};

struct GridLayout {
    int labelLeft;
    int labelWidth;
    int boxWidth;
    int boxHeight;
};

// The boxes of column c (0-based) are boxes[c]; row r of it is boxes[c][r].
using TextGrid = QVector<QVector<QLineEdit*>>;

// Builds the row captions, then the boxes column after column, so the tab order
// runs down each column. name(row, column) gives a box's control name (0-based).
TextGrid buildTextGrid(QWidget* frame, std::span<const GridRow> rows, std::span<const int> columnLefts,
                       const GridLayout& layout, const std::function<QString(int row, int column)>& name);

// The bold-captioned frame that holds a table.
QGroupBox* placeFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height);

} // namespace study
