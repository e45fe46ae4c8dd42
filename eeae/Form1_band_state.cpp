// What the window's procedures read of a band and write to the index and the
// site diagram.
#include "eeae/Form1.h"
#include "eeae/band_table.h"
#include "eeae/diagram_state.h"
#include "platform/numbers/numbers.h"

using eeae::Band;

std::vector<Band> Form1::tickedBands() const {
    std::vector<Band> ticked;
    for (Band band : eeae::allBands)
        if (bands[eeae::indexOf(band)].check->isChecked())
            ticked.push_back(band);
    return ticked;
}

std::optional<eeae::BandInputs> Form1::inputsOf(Band band) const {
    const BandControls& c = bands[eeae::indexOf(band)];
    const std::optional<double> power = numbers::parse(c.power->text());
    const std::optional<double> mainGain = numbers::parse(c.mainGain->text());
    const std::optional<double> sideGain = numbers::parse(c.sideGain->text());
    if (!power || !mainGain || !sideGain)
        return std::nullopt;
    return eeae::BandInputs{*power, *mainGain, *sideGain};
}

std::optional<eeae::BandDensities> Form1::densitiesOf(Band band) const {
    const BandControls& c = bands[eeae::indexOf(band)];
    const std::optional<double> s1 = numbers::parse(c.results[0]->text());
    const std::optional<double> s2 = numbers::parse(c.results[1]->text());
    if (!s1 || !s2)
        return std::nullopt;
    return eeae::BandDensities{band, *s1, *s2};
}

void Form1::writeIndex(const std::array<double, 4>& index) {
    for (std::size_t i = 0; i < depps.size(); ++i)
        depps[i]->setText(numbers::text(index[i]));
}

void Form1::writeMarker(const QString& marker, Band band) {
    for (QLineEdit* result : controlsOf(band).results)
        result->setText(marker);
}

void Form1::showDiagram(const std::vector<Band>& study) {
    std::vector<eeae::DiagramBand> shown;
    for (Band band : study) {
        const BandControls& c = controlsOf(band);
        shown.push_back({QString::fromLatin1(eeae::bandTable[eeae::indexOf(band)].diagramPrefix),
                         c.sideGain->text(), c.mainGain->text()});
    }
    const eeae::DiagramView view = eeae::diagramFor(shown);
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i]->setVisible(view.linesShown[i]);
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i]->setText(view.captions[i]);
}

void Form1::clearDiagram() {
    for (QLabel* caption : captions)
        caption->clear();
    for (QFrame* line : lines)
        line->hide();
}
