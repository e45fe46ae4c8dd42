#pragma once
// The Salzburg-model arithmetic, free of widgets: the per-sector buttons, the
// calculation of power density and reduced power, and the figure's height
// difference. Each formula keeps the order of operations the study's figures
// were worked out with, so results agree to the last decimal. A formula that
// has no value says why in Greek, naming the grid's rows by their captions
// (grid_rows.h), for the window's message.
#include <QString>
#include <optional>

namespace salzburg {

// A formula's value, or, when the inputs give it none, why not: a Greek clause
// that completes "δεν υπολογίστηκε, γιατί ...".
struct Value {
    std::optional<double> number;
    QString whyNot;
};

// Vertical deviation of the exposure point in degrees, 1 decimal.
Value verticalDeviation(double k, double l, double m, double n);
// Vertical deviation relative to the downtilt, degrees, not rounded.
Value deviationFromDowntilt(double o, double j);
// Antenna gain less cable, horizontal and vertical loss, dB, not rounded.
Value overallGain(double r, double u, double s, double t);
// Power from W to dBm and back, 2 decimals.
Value dBmOfWatts(double watts);
Value wattsOfDbm(double dBm);

// Linear gain factor of the overall gain v (dB), 2 decimals.
Value gainFactor(double v);
// Squared distance antenna to exposure point, m².
double squaredDistance(double k, double l, double m, double n);
// Power density at the exposure point, mW/m², 2 decimals: power per carrier P (W),
// transceivers T, gain factor G, squared distance R2.
Value powerDensity(double P, double T, double G, double R2);
// Power per carrier at which that density meets the limit q (mW/m²), W, 2 decimals.
Value reducedPower(double q, double R2, double G, double T);

// Height of the antenna above the exposure point's roof, k − l, not rounded.
Value heightDifference(double k, double l);

} // namespace salzburg
