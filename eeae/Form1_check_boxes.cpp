// The band check boxes: ticking opens a band's inputs; unticking clears the
// band and re-derives the index and the diagram from the bands that stay, out
// of the power densities their boxes already hold.
#include "eeae/Form1.h"
#include "eeae/band_table.h"
#include "platform/runtime/column_tick.h"
#include "platform/runtime/messages.h"

using eeae::Band;

// Each box names its own band and the two others, in band order.
void Form1::Check1_Click() {
    onBandClicked(Band::Gsm, Band::Dcs, Band::Umts);
}
void Form1::Check2_Click() {
    onBandClicked(Band::Dcs, Band::Gsm, Band::Umts);
}
void Form1::Check3_Click() {
    onBandClicked(Band::Umts, Band::Gsm, Band::Dcs);
}

void Form1::onBandClicked(Band own, Band firstOther, Band secondOther) {
    BandControls& c = controlsOf(own);
    const bool ticked = c.check->isChecked();
    forms::openColumn(c.inputs(), ticked, QStringLiteral("0"));
    if (ticked)
        return;
    writeMarker(QStringLiteral("-"), own);

    std::vector<Band> remaining;
    for (Band other : {firstOther, secondOther})
        if (controlsOf(other).check->isChecked())
            remaining.push_back(other);
    if (remaining.empty()) {
        for (QLineEdit* box : depps)
            box->setText(QStringLiteral("-"));
        clearDiagram();
        return;
    }

    // The inputs of every remaining band are checked first, in order: only an
    // exact zero fails (a negative value passes), and so does a text that is no
    // number. Only then their power densities, which hold no number for a band
    // ticked after the last calculation. The first failing band gets its hint
    // and nothing else changes.
    const auto hint = [](Band band) {
        messages::information(QString::fromUtf8(eeae::bandTable[eeae::indexOf(band)].hint));
    };
    for (Band band : remaining) {
        const std::optional<eeae::BandInputs> in = inputsOf(band);
        if (!in || in->power == 0 || in->mainGain == 0 || in->sideGain == 0) {
            hint(band);
            return;
        }
    }
    std::vector<eeae::BandDensities> densities;
    for (Band band : remaining) {
        const std::optional<eeae::BandDensities> shown = densitiesOf(band);
        if (!shown) {
            hint(band);
            return;
        }
        densities.push_back(*shown);
    }
    writeIndex(eeae::exposureIndex(densities));
    showDiagram(remaining);
}
