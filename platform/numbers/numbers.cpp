#include "numbers.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>

namespace numbers {

std::optional<double> parse(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!form.match(trimmed).hasMatch())
        return std::nullopt;
    QString c = trimmed;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = c.toDouble(&ok); // QString::toDouble is locale-independent
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {
// Decimal comma and capital E, as the windows write them.
QString greek(const char* form) {
    QString result = QString::fromLatin1(form);
    result.replace(QLatin1Char('.'), QLatin1Char(','));
    result.replace(QLatin1Char('e'), QLatin1Char('E'));
    return result;
}

} // namespace

QString text(double value) {
    if (!std::isfinite(value))
        return QString();
    if (value == 0.0)
        return QStringLiteral("0"); // no "-0"
    // The largest values round past the largest double at 15 digits, and that
    // text would not read back: they are written as the 15 digits below.
    constexpr double largestFifteenDigits = 1.79769313486231e308;
    if (std::fabs(value) > largestFifteenDigits)
        value = std::copysign(largestFifteenDigits, value);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return greek(buffer);
}

double roundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    // A value too large to scale has no decimals to round.
    if (!std::isfinite(scaled))
        return value;
    return std::nearbyint(scaled) / scale;
}

} // namespace numbers
