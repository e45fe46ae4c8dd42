#pragma once
// The numbers that some rows of one sector column hold, converted from their
// texts, and the rows whose text is no number.
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace salzburg {

class RowNumbers {
public:
    // rows: the row letters to read, in the order they are read ("klmn").
    RowNumbers(const char* rows, const std::function<QString(char)>& textOfRow);

    bool complete() const { return missing.isEmpty(); }
    // The rows asked for whose text is no number, in reading order.
    const QList<char>& notNumbers() const { return missing; }
    // The number of a row that was asked for and holds one.
    double operator[](char row) const;

private:
    QString rows;
    std::vector<double> values;
    QList<char> missing;
};

} // namespace salzburg
