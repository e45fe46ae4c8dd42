#include "salzburg/row_numbers.h"

#include <limits>

#include "platform/numbers/numbers.h"

namespace salzburg {

RowNumbers::RowNumbers(const char* rowLetters, const std::function<QString(char)>& textOfRow)
    : rows(QString::fromLatin1(rowLetters)) {
    for (QChar letter : rows) {
        const char row = letter.toLatin1();
        const std::optional<double> number = numbers::parse(textOfRow(row));
        if (!number)
            missing << row;
        values.push_back(number.value_or(0));
    }
}

double RowNumbers::operator[](char row) const {
    const qsizetype at = rows.indexOf(QLatin1Char(row));
    Q_ASSERT_X(at >= 0, "RowNumbers", "row not read");
    return at >= 0 ? values[at] : std::numeric_limits<double>::quiet_NaN();
}

} // namespace salzburg
