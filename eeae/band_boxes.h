#pragma once
// The boxes of the band-calculation window Form1 that hold a study's bands, by
// the names the window gives them: per band its check box, its three inputs and
// its eight results; the two study distances; the four exposure indices. The
// window builds its boxes under these names, and the Word report and the Excel
// export read them by them. Header only, so the reports name the boxes without
// linking the window.
#include <array>

#include "eeae/band_calculation.h"

namespace eeae {

struct BandBoxes {
    const char* check;
    const char* power;
    const char* mainGain;
    const char* sideGain;
    // s1, s2, e1, e2, m1, m2, d1, d2: the order the procedures write them.
    std::array<const char*, 8> results;
};

// Rows in band order (Band).
inline constexpr std::array<BandBoxes, 3> bandBoxes = {{
    {"Check1", "pgsm", "gmlgsm", "gslgsm", {"sg1", "sg2", "eg1", "eg2", "mg1", "mg2", "dg1", "dg2"}},
    {"Check2", "pdcs", "gmldcs", "gsldcs", {"sd1", "sd2", "ed1", "ed2", "md1", "md2", "dd1", "dd2"}},
    {"Check3", "pumts", "gmlumts", "gslumts", {"su1", "su2", "eu1", "eu2", "mu1", "mu2", "du1", "du2"}},
}};

constexpr const BandBoxes& boxesOf(Band band) {
    return bandBoxes[indexOf(band)];
}

// A band's results: power density (S), electric (E) and magnetic (M) field at
// distance 1 and 2, and the safety distance (D) at 60% and 70% of the limits.
enum class Result { S1, S2, E1, E2, M1, M2, D1, D2 };

constexpr const char* resultBox(Band band, Result result) {
    return boxesOf(band).results[static_cast<int>(result)];
}

// d1 and d2.
inline constexpr std::array<const char*, 2> distanceBoxes = {"dp1", "dp2"};
// depps1..depps4: the index at 60% at distance 1 and 2, then at 70%.
inline constexpr std::array<const char*, 4> indexBoxes = {"depps1", "depps2", "depps3", "depps4"};

} // namespace eeae
