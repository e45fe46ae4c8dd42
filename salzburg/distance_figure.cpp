#include "salzburg/distance_figure.h"

#include <QGroupBox>
#include <QLabel>

#include "platform/runtime/shapes.h"
#include "platform/runtime/twips.h"

namespace salzburg {

namespace {
using Style = forms::Line::Style;
using Kind = forms::Shape::Kind;

// In twips inside the frame, y downwards: ground at 6600, antenna at 1440, roof
// of the antenna's building at 2040, exposure level at 2640.
struct FigureLine {
    int x1, y1, x2, y2;
    Style style;
};

const FigureLine figureLines[] = {
    {3600, 2040, 3600, 1440, Style::Solid},  // the mast
    {600, 1440, 600, 3600, Style::Solid},    // left dimension, upper part
    {4200, 2040, 8760, 2040, Style::Dotted}, // roof level of the antenna's building
    {4200, 2640, 6600, 2640, Style::Dotted}, // exposure level, left of the second building
    {3720, 1440, 6600, 2640, Style::Solid},  // antenna to exposure point
    {600, 6600, 600, 3960, Style::Solid},    // left dimension, lower part
    {600, 1440, 9480, 1440, Style::Dotted},  // antenna level
    {8160, 2640, 8640, 2640, Style::Dotted}, // mark on the exposure level
    {9480, 1440, 9480, 1920, Style::Solid},  // right dimension, upper part
    {9480, 2280, 9480, 2640, Style::Solid},  // right dimension, lower part
    {4200, 6600, 5160, 6600, Style::Solid},  // ground dimension, left part
    {6600, 6600, 5640, 6600, Style::Solid},  // ground dimension, right part
    {8760, 2040, 8760, 2280, Style::Solid},  // middle dimension, upper part
    {8760, 2520, 8760, 2640, Style::Solid},  // middle dimension, lower part
    {8760, 2640, 9480, 2640, Style::Dotted}, // exposure level to the right dimension
    {9360, 2760, 9360, 4560, Style::Solid},  // exposure-height dimension, upper part
    {9360, 4920, 9360, 6600, Style::Solid},  // exposure-height dimension, lower part
    {8760, 6600, 9360, 6600, Style::Dotted}, // ground right of the second building
};

struct FigureShape {
    const char* name;
    Kind kind;
    int left, top, width, height;
    Qt::GlobalColor border;
    bool filledWhite;
};

const FigureShape figureShapes[] = {
    {"Shape1", Kind::RoundedRectangle, 1200, 2040, 3015, 4575, Qt::red, true}, // the antenna's building
    {"Shape2", Kind::RoundedRectangle, 6600, 2640, 2175, 3975, Qt::red,
     false},                                                             // the exposure point's building
    {"Shape3", Kind::Rectangle, 3600, 1320, 135, 255, Qt::black, false}, // the antenna
};

struct FigureLabel {
    const char* name;
    int left, top, width, height;
    QLabel* FigureLabels::*member;
};

const FigureLabel figureLabels[] = {
    {"Label3", 240, 3720, 855, 255, &FigureLabels::Label3},    // gap of the left dimension
    {"Label7", 5040, 6480, 735, 255, &FigureLabels::Label7},   // gap of the ground dimension
    {"Label8", 9120, 1920, 735, 255, &FigureLabels::Label8},   // gap of the right dimension
    {"Label9", 8400, 2280, 735, 255, &FigureLabels::Label9},   // gap of the middle dimension
    {"Label10", 9000, 4560, 735, 255, &FigureLabels::Label10}, // gap of the exposure-height dimension
};
} // namespace

FigureLabels placeDistanceFigure(QGroupBox* frame) {
    // Shapes first, so the lines and labels lie over the buildings.
    for (const FigureShape& s : figureShapes) {
        auto* shape =
            new forms::Shape(frame, QString::fromLatin1(s.name), s.kind, s.left, s.top, s.width, s.height);
        shape->setBorderColor(s.border);
        if (s.filledWhite)
            shape->setFillColor(Qt::white);
    }
    int number = 0;
    for (const FigureLine& l : figureLines)
        new forms::Line(frame, QStringLiteral("Line%1").arg(++number), l.x1, l.y1, l.x2, l.y2, l.style);

    FigureLabels labels{};
    for (const FigureLabel& l : figureLabels) {
        QLabel* label =
            forms::place<QLabel>(frame, QString::fromLatin1(l.name), l.left, l.top, l.width, l.height);
        // Centred in the gap of its dimension line.
        label->setAlignment(Qt::AlignCenter);
        labels.*l.member = label;
    }
    return labels;
}

} // namespace salzburg
