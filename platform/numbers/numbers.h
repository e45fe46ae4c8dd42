#pragma once
// Numbers as the study windows hold them: text under the Greek conventions
// (decimal comma), whatever the machine's own locale is.
#include <QString>
#include <optional>

namespace numbers {

// The number a text stands for: optional sign, digits with at most one decimal
// comma, optional exponent, blanks around it allowed. Anything else (an empty
// text, "abc", "1,2,3", a decimal point, an infinite value) is no number.
std::optional<double> parse(const QString& text);

// The general text form of a value: decimal comma, at most 15 significant
// digits, no trailing zeros, exponent form for very large and very small values
// ("31,6", "3", "1E-05", "1,23456789012346E+17"). Next to the largest double
// the digits are cut toward zero ("1,79769313486231E+308"), so the text of every
// finite value reads back as a number. A value that is not finite has no text
// form and gives an empty text.
QString text(double value);

// x rounded to the given number of decimals, ties to even, on x times 10^d.
double roundHalfEven(double value, int decimals);

} // namespace numbers
