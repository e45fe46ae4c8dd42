#include "eeae/band_calculation.h"

#include <cmath>
#include <limits>

#include "platform/numbers/numbers.h"

namespace eeae {

namespace {
// W/m², as the study's limits table stores them.
constexpr Limits limitsTable[] = {
    {2.7, 3.15}, // GSM-900
    {5.4, 6.3},  // DCS-1800
    {6.0, 7.0},  // UMTS-2100
};

double gainFactor(double gain, double power) {
    return std::pow(10.0, gain * 0.1) * power;
}
} // namespace

Limits limitsOf(Band band) {
    return limitsTable[indexOf(band)];
}

double powerDensity(double gain, double power, double distance) {
    return gainFactor(gain, power) / (distance * distance * pi);
}

double electricField(double powerDensity) {
    return std::sqrt(powerDensity * (pi * 120));
}

double magneticField(double powerDensity) {
    return std::sqrt(powerDensity / (pi * 120));
}

double safetyDistance(double mainGain, double power, double limit) {
    return std::sqrt(gainFactor(mainGain, power) / (pi * limit));
}

double throughText(double value) {
    return numbers::parse(numbers::text(value)).value_or(std::numeric_limits<double>::quiet_NaN());
}

BandFigures bandFigures(Band band, const BandInputs& in, double d1, double d2) {
    const Limits limits = limitsOf(band);
    const double s1 = powerDensity(in.sideGain, in.power, d1);
    const double s2 = powerDensity(in.mainGain, in.power, d2);
    const double shown1 = throughText(s1);
    const double shown2 = throughText(s2);
    return {s1,
            s2,
            electricField(shown1),
            electricField(shown2),
            magneticField(shown1),
            magneticField(shown2),
            safetyDistance(in.mainGain, in.power, limits.l60),
            safetyDistance(in.mainGain, in.power, limits.l70)};
}

bool inputsShowable(Band band, const BandInputs& in) {
    const Limits limits = limitsOf(band);
    return std::isfinite(gainFactor(in.mainGain, in.power)) &&
           std::isfinite(gainFactor(in.sideGain, in.power)) &&
           std::isfinite(safetyDistance(in.mainGain, in.power, limits.l60)) &&
           std::isfinite(safetyDistance(in.mainGain, in.power, limits.l70));
}

bool vanishes(double distance) {
    return distance * distance * pi == 0;
}

bool figuresShowable(const BandFigures& figures) {
    for (double figure : figures)
        if (!std::isfinite(figure))
            return false;
    return true;
}

std::array<double, 4> exposureIndex(const std::vector<BandDensities>& bands) {
    // With three bands the sum is (DCS-1800 + GSM-900) + UMTS-2100; the last
    // digit of the index depends on that order. With two the order is immaterial.
    static constexpr Band summingOrder[] = {Band::Dcs, Band::Gsm, Band::Umts};
    std::array<double, 4> index = {0, 0, 0, 0};
    for (Band band : summingOrder)
        for (const BandDensities& b : bands) {
            if (b.band != band)
                continue;
            const Limits limits = limitsOf(band);
            index[0] += b.s1 / limits.l60;
            index[1] += b.s2 / limits.l60;
            index[2] += b.s1 / limits.l70;
            index[3] += b.s2 / limits.l70;
        }
    return index;
}

} // namespace eeae
