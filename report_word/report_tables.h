#pragma once
// The fill of the report's 13 tables: each cell takes, unchanged, the text of
// one box of a study window.
#include <QString>
#include <vector>

namespace word {
class Application;
}

namespace report_word {

struct ReportCell {
    int table, row, column; // all from 1
    const char* window;
    QString box;
};

// The 386 cells in the order they are written: table by table, row by row,
// left to right.
const std::vector<ReportCell>& reportCells();

// Writes every cell of the active document of the application (the open table
// template), reading each box afresh. Throws word::Error when the template
// lacks a cell, std::runtime_error when a window lacks a box.
void fillTables(word::Application& tables);

} // namespace report_word
