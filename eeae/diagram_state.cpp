#include "eeae/diagram_state.h"

#include <QtGlobal>
#include <iterator>

namespace eeae {

namespace {
// A caption place shows nothing, or the side-lobe or main-lobe caption of the
// first, second or third band in the study.
struct Place {
    enum Kind { Empty, Side, Main } kind;
    int band;
};
constexpr Place empty{Place::Empty, 0};

struct State {
    std::array<bool, 6> lines;
    std::array<Place, 6> places;
};

// By the number of bands in the study. With one band its main-lobe caption
// stands in the middle place, beside the G_m mark.
constexpr State states[] = {
    {{false, false, false, false, false, false}, {empty, empty, empty, empty, empty, empty}},
    {{true, false, false, false, true, false},
     {Place{Place::Side, 0}, empty, empty, empty, Place{Place::Main, 0}, empty}},
    {{true, false, true, true, true, false},
     {Place{Place::Side, 0}, Place{Place::Side, 1}, empty, Place{Place::Main, 0}, Place{Place::Main, 1},
      empty}},
    {{true, true, true, true, true, true},
     {Place{Place::Side, 0}, Place{Place::Side, 1}, Place{Place::Side, 2}, Place{Place::Main, 0},
      Place{Place::Main, 1}, Place{Place::Main, 2}}},
};
} // namespace

QString gainCaption(const QString& prefix, const QString& gainText) {
    return prefix + gainText + QStringLiteral("dBi");
}

DiagramView diagramFor(const std::vector<DiagramBand>& bands) {
    Q_ASSERT(bands.size() < std::size(states));
    const State& state = states[bands.size()];
    DiagramView view{state.lines, {}};
    for (std::size_t i = 0; i < state.places.size(); ++i) {
        const Place& place = state.places[i];
        if (place.kind == Place::Empty)
            continue;
        const DiagramBand& band = bands[place.band];
        view.captions[i] =
            gainCaption(band.prefix, place.kind == Place::Side ? band.sideGainText : band.mainGainText);
    }
    return view;
}

} // namespace eeae
