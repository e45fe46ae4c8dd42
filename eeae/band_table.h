#pragma once
// The three bands as the band-calculation window shows them: their frames,
// captions, diagram prefix and messages. Rows in band order (eeae::Band); the
// names of their boxes are in band_boxes.h.
#include <array>

namespace eeae {

struct BandRow {
    const char* frame; // the band's frame and caption
    const char* frameCaption;
    std::array<const char*, 3> labels; // captions of the power, main-lobe and side-lobe rows
    const char* diagramPrefix;
    const char* invalidMessage; // the calculation's error
    const char* hint;           // the check boxes' hint
};

extern const std::array<BandRow, 3> bandTable;

} // namespace eeae
