#pragma once
// The three bands as the band-calculation window names them: their controls,
// captions, diagram prefix and messages. Rows in band order (eeae::Band).
#include <array>

namespace eeae {

struct BandRow {
    const char* check; // the band's check box
    const char* frame; // its frame and caption
    const char* frameCaption;
    std::array<const char*, 3> labels; // captions of the power, main-lobe and side-lobe rows
    const char* power;
    const char* mainGain;
    const char* sideGain;
    // s1, s2, e1, e2, m1, m2, d1, d2: the order the procedures write them.
    std::array<const char*, 8> results;
    const char* diagramPrefix;
    const char* invalidMessage; // the calculation's error
    const char* hint;           // the check boxes' hint
};

extern const std::array<BandRow, 3> bandTable;

} // namespace eeae
