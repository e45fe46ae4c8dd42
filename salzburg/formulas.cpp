#include "salzburg/formulas.h"

#include <cmath>

#include "platform/numbers/numbers.h"
#include "salzburg/grid_rows.h"

namespace salzburg {

namespace {
// The model's published figures were worked with this value; the full value of
// π changes results in the last decimal (23,8 becomes 23,7).
constexpr double pi = 3.1415;

Value defined(double number) {
    if (!std::isfinite(number))
        return {std::nullopt, QStringLiteral("το αποτέλεσμα ξεπερνά τα όρια των αριθμών")};
    return {number, QString()};
}

Value undefined(const QString& why) {
    return {std::nullopt, why};
}

QString isZero(char row) {
    return QStringLiteral("η τιμή «%1» είναι 0").arg(rowName(row));
}

const QString coincide = QStringLiteral("η κεραία και το σημείο έκθεσης συμπίπτουν (απόσταση 0)");
} // namespace

Value verticalDeviation(double k, double l, double m, double n) {
    if (n == 0)
        return undefined(isZero('n'));
    const double h = (k - l) - m;
    const double alpha = std::atan(h / n);
    const double degreesPerRadian = 180 / pi;
    return defined(numbers::roundHalfEven(alpha * degreesPerRadian, 1));
}

Value deviationFromDowntilt(double o, double j) {
    return defined(o - j);
}

Value overallGain(double r, double u, double s, double t) {
    return defined(((r - u) - s) - t);
}

Value dBmOfWatts(double watts) {
    if (!(watts > 0))
        return undefined(QStringLiteral("η ισχύς σε W δεν είναι μεγαλύτερη από 0 και δεν έχει λογάριθμο"));
    const double y = std::log(watts * 1000) / std::log(10.0);
    return defined(numbers::roundHalfEven(y * 10, 2));
}

Value wattsOfDbm(double dBm) {
    const double milliwatts = std::pow(10.0, dBm / 10);
    return defined(numbers::roundHalfEven(milliwatts / 1000, 2));
}

Value gainFactor(double v) {
    return defined(numbers::roundHalfEven(std::pow(10.0, v / 10), 2));
}

double squaredDistance(double k, double l, double m, double n) {
    const double h = (k - l) - m;
    return h * h + n * n;
}

Value powerDensity(double P, double T, double G, double R2) {
    if (R2 == 0)
        return undefined(coincide);
    return defined(numbers::roundHalfEven(((P * T) * (G * 1000)) / ((4 * pi) * R2), 2));
}

Value reducedPower(double q, double R2, double G, double T) {
    if (R2 == 0)
        return undefined(coincide);
    if (T == 0)
        return undefined(isZero('c'));
    return defined(numbers::roundHalfEven(((((4 * q) * pi) * R2) / G) / T / 1000, 2));
}

Value heightDifference(double k, double l) {
    return defined(k - l);
}

} // namespace salzburg
