#pragma once
// What the site diagram shows for the bands in the study: which of its six
// lines are drawn and what its six gain captions read.
#include <QString>
#include <array>
#include <vector>

namespace eeae {

// A band in the study as the diagram names it: "GSM:" and its gain boxes' texts.
struct DiagramBand {
    QString prefix;
    QString sideGainText;
    QString mainGainText;
};

// Line1..Line6, and the captions of Label13, Label18, Label19, Label20, Label21,
// Label22, in that order.
struct DiagramView {
    std::array<bool, 6> linesShown;
    std::array<QString, 6> captions;
};

// The prefix, the gain text as typed and "dBi", without blanks: "GSM:17,5dBi".
QString gainCaption(const QString& prefix, const QString& gainText);

// bands: none to three, in band order.
DiagramView diagramFor(const std::vector<DiagramBand>& bands);

} // namespace eeae
