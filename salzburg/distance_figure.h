#pragma once
// The side view of one sector's geometry in the results window: the antenna on
// its mast on one building, the exposure point on a second building, and the
// dimension lines with their five value labels.
class QGroupBox;
class QLabel;

namespace salzburg {

struct FigureLabels {
    QLabel* Label3;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
};

// Draws the figure's lines and shapes into frame and places its empty labels.
FigureLabels placeDistanceFigure(QGroupBox* frame);

} // namespace salzburg
