// "Υπολογισμοί": validates the ticked bands and the distances, writes the band
// results, the exposure index and the site diagram, enables "Proceed", then
// rounds what it wrote in place.
#include <algorithm>

#include "eeae/Form1.h"
#include "eeae/band_table.h"
#include "platform/numbers/numbers.h"
#include "platform/runtime/messages.h"

using eeae::Band;

namespace {
const char* const noBandMessage = "Πρέπει να επιλέξετε τουλάχιστον ένα τύπο σταθμού βάσης για μελέτη";
const char* const distanceMessage = "Έχετε εισάγει τουλάχιστον μία μηδενική τιμή απόστασης προς μελέτη.";
const char* const indexNotDefined = "Δεν ορίζεται";

bool positive(const eeae::BandInputs& in) {
    return in.power > 0 && in.mainGain > 0 && in.sideGain > 0;
}

void roundInPlace(QLineEdit* box, int decimals) {
    if (const std::optional<double> value = numbers::parse(box->text()))
        box->setText(numbers::text(numbers::roundHalfEven(*value, decimals)));
}

// A single band is written first, then the others in band order.
std::vector<Band> writeOrder(const std::vector<Band>& ticked) {
    if (ticked.size() != 1)
        return {eeae::allBands.begin(), eeae::allBands.end()};
    std::vector<Band> order = {ticked.front()};
    for (Band band : eeae::allBands)
        if (band != ticked.front())
            order.push_back(band);
    return order;
}
} // namespace

void Form1::calculate_Click() {
    const std::vector<Band> ticked = tickedBands();
    if (ticked.empty()) {
        messages::critical(QString::fromUtf8(noBandMessage));
        clearDiagram();
        for (Band band : eeae::allBands)
            writeMarker(QStringLiteral("-"), band);
        for (QLineEdit* box : depps)
            box->setText(QStringLiteral("-"));
        proceed->setEnabled(false);
        return;
    }

    // The first failing band is the only one reported; the distances come after
    // every band passed. A text that is not a number is an invalid value, and a
    // press that fails changes nothing.
    std::array<eeae::BandInputs, 3> inputs{};
    for (Band band : ticked) {
        const std::optional<eeae::BandInputs> in = inputsOf(band);
        if (!in || !positive(*in) || !eeae::inputsShowable(band, *in)) {
            messages::critical(QString::fromUtf8(eeae::bandTable[eeae::indexOf(band)].invalidMessage));
            return;
        }
        inputs[eeae::indexOf(band)] = *in;
    }
    const std::optional<double> d1 = numbers::parse(dp1->text());
    const std::optional<double> d2 = numbers::parse(dp2->text());
    if (!d1 || !d2 || *d1 <= 0 || *d2 <= 0 || eeae::vanishes(*d1) || eeae::vanishes(*d2)) {
        messages::critical(QString::fromUtf8(distanceMessage));
        return;
    }
    // A figure too large for its box comes from the band's own values when they
    // overflow at 1 m already, and that band is reported first; otherwise from a
    // distance far below 1 m. All figures are formed before any box is written.
    std::array<eeae::BandFigures, 3> figures{};
    bool distanceAtFault = false;
    for (Band band : ticked) {
        const int b = eeae::indexOf(band);
        figures[b] = eeae::bandFigures(band, inputs[b], *d1, *d2);
        if (eeae::figuresShowable(figures[b]))
            continue;
        if (!eeae::figuresShowable(eeae::bandFigures(band, inputs[b], 1, 1))) {
            messages::critical(QString::fromUtf8(eeae::bandTable[b].invalidMessage));
            return;
        }
        distanceAtFault = true;
    }
    if (distanceAtFault) {
        messages::critical(QString::fromUtf8(distanceMessage));
        return;
    }

    const auto isTicked = [&ticked](Band band) {
        return std::find(ticked.begin(), ticked.end(), band) != ticked.end();
    };
    for (Band band : writeOrder(ticked)) {
        if (!isTicked(band)) {
            writeMarker(QStringLiteral("-"), band);
            continue;
        }
        const BandControls& c = controlsOf(band);
        for (std::size_t i = 0; i < c.results.size(); ++i)
            c.results[i]->setText(numbers::text(figures[eeae::indexOf(band)][i]));
    }

    if (ticked.size() >= 2) {
        // From the power densities as their boxes now show them.
        std::vector<eeae::BandDensities> shown;
        for (Band band : ticked)
            if (const std::optional<eeae::BandDensities> densities = densitiesOf(band))
                shown.push_back(*densities);
        writeIndex(eeae::exposureIndex(shown));
    } else {
        for (QLineEdit* box : depps)
            box->setText(QString::fromUtf8(indexNotDefined));
    }

    showDiagram(ticked);
    proceed->setEnabled(true);

    // Only the texts are rounded: the index and the field strengths above came
    // from the unrounded power densities.
    for (Band band : ticked)
        for (QLineEdit* result : controlsOf(band).results)
            roundInPlace(result, 4);
    if (ticked.size() >= 2)
        for (QLineEdit* box : depps)
            roundInPlace(box, 3);
}
