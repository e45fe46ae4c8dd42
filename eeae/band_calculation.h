#pragma once
// The arithmetic of the band-calculation window, free of widgets: power density,
// field strengths, safety distances and the multi-frequency exposure index.
#include <array>
#include <optional>
#include <vector>

namespace eeae {

// In the order every procedure of the window handles them.
enum class Band { Gsm, Dcs, Umts };
constexpr std::array<Band, 3> allBands = {Band::Gsm, Band::Dcs, Band::Umts};
constexpr int indexOf(Band band) {
    return static_cast<int>(band);
}

// The studies are signed against figures computed with this value, not a more
// precise one.
constexpr double pi = 3.14;

// 60% and 70% of the EU power-density reference level of the band, in W/m².
struct Limits {
    double l60;
    double l70;
};
Limits limitsOf(Band band);

// A band's inputs: nominal power (W), main-lobe and side-lobe gain (dBi).
struct BandInputs {
    double power;
    double mainGain;
    double sideGain;
};

// 10^(gain × 0.1) × P / (d² × π), in W/m². No factor 4 in the denominator.
double powerDensity(double gain, double power, double distance);
// √(S × (π × 120)), V/m.
double electricField(double powerDensity);
// √(S / (π × 120)), A/m.
double magneticField(double powerDensity);
// √(10^(Gml × 0.1) × P / (π × limit)), m.
double safetyDistance(double mainGain, double power, double limit);

// The eight figures of a band in the order its boxes are written:
// S at d1 (side-lobe gain), S at d2 (main-lobe gain), E at d1, d2, H at d1, d2,
// safety distance at 60% and at 70%.
using BandFigures = std::array<double, 8>;
BandFigures bandFigures(Band band, const BandInputs& inputs, double d1, double d2);

// A value as its box gives it back: the number its text form stands for. The
// field strengths are computed from the power densities as their boxes show
// them, not from the unrounded doubles. NaN for a value that has no text form.
double throughText(double value);

// Whether a double can hold the figures that no distance enters: the gain
// factors and the safety distances.
bool inputsShowable(Band band, const BandInputs& inputs);
// A distance so near zero that its square, the power density's denominator,
// is zero in a double: the formulas see a zero distance.
bool vanishes(double distance);
// All eight figures are finite, so every box gets a text. The index needs no
// check of its own: a power density whose E field is finite is far below the
// largest double, and so are its quotients and their sum.
bool figuresShowable(const BandFigures& figures);

// The power densities of a band as its boxes hold them.
struct BandDensities {
    Band band;
    double s1;
    double s2;
};

// depps1..depps4: Σ S1/L60, Σ S2/L60, Σ S1/L70, Σ S2/L70 over the given bands,
// each term with its own band's limit.
std::array<double, 4> exposureIndex(const std::vector<BandDensities>& bands);

} // namespace eeae
