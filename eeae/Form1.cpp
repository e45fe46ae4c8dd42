#include "eeae/Form1.h"

#include <QGroupBox>

#include "eeae/band_boxes.h"
#include "eeae/band_table.h"
#include "eeae/numeric_key_filter.h"
#include "eeae/site_picture.h"
#include "platform/runtime/buttons.h"
#include "platform/runtime/twips.h"

using eeae::Band;
using eeae::bandTable;
using forms::place;

namespace {
QString latin(const char* name) {
    return QString::fromLatin1(name);
}
QString greek(const char* text) {
    return QString::fromUtf8(text);
}

// The band frames' rows: caption and where label and box stand (twips, inside
// the band frame).
struct BandFrameRow {
    const char* caption;
    int top;
};
const BandFrameRow bandFrameRows[] = {
    {"Ονομαστική Ισχύς (W)", 360},
    {"Μέγιστο κέρδος κεραίας στην διεύθυνση του κύριου λοβού (dBi)", 1080},
    {"Μέγιστο κέρδος κεραίας στην διεύθυνση του μεγαλύτερου πλάγιου λοβού (dBi)", 1800},
};
// Left edges of the three band frames inside Frame1, GSM-900 to UMTS-2100.
const int bandFrameLefts[] = {360, 5160, 9960};

// The rows of dp1 and dp2.
struct DistanceRow {
    const char* label;
    const char* caption;
    int top;
};
const DistanceRow distanceRows[] = {
    {"Label10", "Απόσταση 1 (άκρη δώματος σταθμού)", 360},
    {"Label11", "Απόσταση 2 (άλλη απόσταση)", 1200},
};

// The four result grids: three band rows by two columns.
struct ResultGrid {
    const char* frame;
    const char* caption;
    int left;
    int top;
    const char* headingLabel;
    std::array<const char*, 2> headings;
    int quantity; // 0 power density, 1 E, 2 H, 3 safety distance: results[2q], results[2q + 1]
};
const char* const atDistance1 = "Στην απόσταση 1";
const char* const atDistance2 = "Στην απόσταση 2";
const char* const at60 = "60% επί των ορίων της Ε.Ε";
const char* const at70 = "70% επί των ορίων της Ε.Ε";
const ResultGrid resultGrids[] = {
    {"Frame7", "Επίπεδα Πυκνότητας Ισχύος (W/m^2)", 120, 300, "Label17", {atDistance1, atDistance2}, 0},
    {"Frame8",
     "Επίπεδα Έντασης Ηλεκτρικού Πεδίου (V/m)",
     4920,
     300,
     "Label17",
     {atDistance1, atDistance2},
     1},
    {"Frame8",
     "Επίπεδα Έντασης Μαγνητικού Πεδίου (A/m)",
     2520,
     2190,
     "Label17",
     {atDistance1, atDistance2},
     2},
    {"Frame8", "Ελάχιστες Αποστάσεις Ασφαλείας (m)", 2520, 4080, "Label12", {at60, at70}, 3},
};
// The band rows' captions, Label14, Label15 and Label16 in each grid.
const char* const rowLabels[] = {"Label14", "Label15", "Label16"};
const char* const rowCaptions[] = {"GSM - 900", "DCS - 1800", "UMTS - 2100"};

// The index grid: one row of four boxes, depps1..depps4, under 60%/70% and
// distance headings.
struct IndexColumn {
    const char* heading;
    int left;
};
const IndexColumn indexColumns[] = {
    {atDistance1, 240},
    {atDistance2, 2460},
    {atDistance1, 4860},
    {atDistance2, 7080},
};

// The site diagram's lines and captions, in twips inside the picture box.
struct DiagramLine {
    const char* name;
    int x1, y1, x2, y2;
};
const DiagramLine diagramLines[] = {
    {"Line1", 3120, 360, 4680, 360},   {"Line2", 7560, 3000, 7560, 2400}, {"Line3", 7560, 1800, 7560, 2400},
    {"Line4", 7560, 1800, 7680, 1800}, {"Line5", 7560, 2400, 7680, 2400}, {"Line6", 7560, 3000, 7680, 3000},
};
struct DiagramCaption {
    const char* name;
    int left;
    int top;
};
const DiagramCaption diagramCaptions[] = {
    {"Label13", 4800, 240},  {"Label18", 6000, 240},  {"Label19", 7200, 240},
    {"Label20", 7680, 1680}, {"Label21", 7680, 2280}, {"Label22", 7680, 2880},
};

struct Button {
    const char* name;
    const char* caption;
    int left;
};
const Button buttons[] = {
    {"calculate", "Υπολογισμοί", 11040},
    {"reset", "Αρχικοποίηση", 12960},
    {"proceed", "Proceed", 14880},
    {"back", "Back", 16800},
};

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                 int height) {
    return place<QGroupBox>(parent, latin(name), left, top, width, height, greek(caption));
}

QLabel* label(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
              int height) {
    QLabel* l = place<QLabel>(parent, latin(name), left, top, width, height, greek(caption));
    l->setWordWrap(true);
    return l;
}

// A box on a white background, also while disabled.
QLineEdit* box(QWidget* parent, const char* name, int left, int top, int width, const char* text) {
    QLineEdit* b = place<QLineEdit>(parent, latin(name), left, top, width, 285, greek(text));
    QPalette palette = b->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    b->setPalette(palette);
    return b;
}

// Results are disabled so that nobody types into them, yet must read clearly.
QLineEdit* resultBox(QWidget* parent, const char* name, int left, int top, int width) {
    QLineEdit* b = box(parent, name, left, top, width, "-");
    QPalette palette = b->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    b->setPalette(palette);
    b->setEnabled(false);
    return b;
}
} // namespace

Form1::Form1()
    : forms::Window(latin(formName), QStringLiteral("Vorlux"), 18960, 11160, forms::CloseBox::Hide) {
    buildBandFrames();
    buildDistances();
    buildResults();
    buildDiagram();
    buildButtons();
    buildTabOrder();

    auto* filter = new eeae::NumericKeyFilter(this);
    for (const BandControls& band : bands)
        for (QLineEdit* input : band.inputs())
            input->installEventFilter(filter);
    dp1->installEventFilter(filter);
    dp2->installEventFilter(filter);
}

void Form1::buildBandFrames() {
    QGroupBox* Frame1 = frame(client(), "Frame1", "Παράμετροι Σταθμών Βάσης", 120, 120, 14520, 3060);
    for (std::size_t b = 0; b < bands.size(); ++b) {
        const eeae::BandRow& row = bandTable[b];
        const eeae::BandBoxes& names = eeae::bandBoxes[b];
        const int left = bandFrameLefts[b];
        QGroupBox* bandFrame = frame(Frame1, row.frame, row.frameCaption, left, 300, 4320, 2640);
        std::array<QLineEdit*, 3> inputs;
        const std::array<const char*, 3> boxNames = {names.power, names.mainGain, names.sideGain};
        for (std::size_t r = 0; r < inputs.size(); ++r) {
            const BandFrameRow& frameRow = bandFrameRows[r];
            label(bandFrame, row.labels[r], frameRow.caption, 120, frameRow.top, 2820, 660);
            inputs[r] = box(bandFrame, boxNames[r], 3000, frameRow.top + 180, 1200, "0");
            inputs[r]->setEnabled(false);
        }
        // As wide as the box itself, so its caption does not show.
        auto* check =
            place<QCheckBox>(Frame1, latin(names.check), left - 240, 285, 225, 225, latin(names.check));
        bands[b] = {check, inputs[0], inputs[1], inputs[2], {}};
    }
    Check1 = bands[0].check;
    Check2 = bands[1].check;
    Check3 = bands[2].check;
    forms::onValueChange(Check1, this, &Form1::Check1_Click);
    forms::onValueChange(Check2, this, &Form1::Check2_Click);
    forms::onValueChange(Check3, this, &Form1::Check3_Click);
}

void Form1::buildDistances() {
    QGroupBox* Frame4 = frame(client(), "Frame4", "Αποστάσεις μετρήσεων (m)", 14760, 120, 4080, 3060);
    std::array<QLineEdit*, 2> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const DistanceRow& row = distanceRows[i];
        label(Frame4, row.label, row.caption, 120, row.top, 2400, 600);
        boxes[i] = box(Frame4, eeae::distanceBoxes[i], 2640, row.top + 120, 1200, "0");
    }
    dp1 = boxes[0];
    dp2 = boxes[1];
}

void Form1::buildResults() {
    QGroupBox* Frame6 = frame(client(), "Frame6", "Αποτελέσματα Vorlux", 120, 3300, 9720, 7740);
    for (const ResultGrid& grid : resultGrids) {
        QGroupBox* gridFrame = frame(Frame6, grid.frame, grid.caption, grid.left, grid.top, 4680, 1800);
        const int columnLefts[] = {1440, 3060};
        for (int c = 0; c < 2; ++c) {
            QLabel* heading =
                label(gridFrame, grid.headingLabel, grid.headings[c], columnLefts[c], 240, 1500, 390);
            heading->setAlignment(Qt::AlignCenter);
        }
        for (std::size_t b = 0; b < bands.size(); ++b) {
            const int top = 660 + 360 * static_cast<int>(b);
            label(gridFrame, rowLabels[b], rowCaptions[b], 120, top, 1260, 285);
            for (int c = 0; c < 2; ++c) {
                const int result = 2 * grid.quantity + c;
                bands[b].results[result] =
                    resultBox(gridFrame, eeae::bandBoxes[b].results[result], columnLefts[c], top, 1500);
            }
        }
    }

    QGroupBox* indexFrame = frame(Frame6, "Frame8", "Δείκτης Έκθεσης σε Πηγές Πολλαπλών Συχνοτήτων (ΔΕΠΠΣ)",
                                  120, 5970, 9480, 1440);
    const std::array<const char*, 2> limitHeadings = {at60, at70};
    for (std::size_t i = 0; i < limitHeadings.size(); ++i) {
        QLabel* heading =
            label(indexFrame, "Label12", limitHeadings[i], indexColumns[2 * i].left, 300, 4320, 255);
        heading->setAlignment(Qt::AlignCenter);
    }
    for (std::size_t i = 0; i < depps.size(); ++i) {
        const IndexColumn& column = indexColumns[i];
        QLabel* heading = label(indexFrame, "Label17", column.heading, column.left, 600, 2100, 255);
        heading->setAlignment(Qt::AlignCenter);
        depps[i] = resultBox(indexFrame, eeae::indexBoxes[i], column.left, 900, 2100);
    }
}

void Form1::buildDiagram() {
    Picture1 = place<QLabel>(client(), QStringLiteral("Picture1"), 10020, 3360, 8775, 6735);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(eeae::sitePicture(Picture1->width(), Picture1->height()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const DiagramLine& l = diagramLines[i];
        auto* line = new forms::Line(Picture1, latin(l.name), l.x1, l.y1, l.x2, l.y2);
        line->hide();
        lines[i] = line;
    }
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const DiagramCaption& c = diagramCaptions[i];
        QLabel* caption = place<QLabel>(Picture1, latin(c.name), c.left, c.top, 975, 255);
        // Narrow enough for a caption such as UMTS:17,5dBi in the place's width.
        QFont narrow = caption->font();
        narrow.setPointSize(8);
        narrow.setStretch(QFont::Condensed);
        caption->setFont(narrow);
        caption->setAutoFillBackground(true);
        QPalette palette = caption->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        caption->setPalette(palette);
        captions[i] = caption;
    }
}

void Form1::buildButtons() {
    std::array<QPushButton*, 4> made;
    for (std::size_t i = 0; i < made.size(); ++i)
        made[i] = place<QPushButton>(client(), latin(buttons[i].name), buttons[i].left, 10440, 1800, 495,
                                     greek(buttons[i].caption));
    calculate = made[0];
    reset = made[1];
    proceed = made[2];
    back = made[3];
    proceed->setEnabled(false); // until a successful calculation
    forms::onClick(calculate, this, &Form1::calculate_Click);
    forms::onClick(reset, this, &Form1::reset_Click);
    forms::onClick(proceed, this, &Form1::proceed_Click);
    forms::onClick(back, this, &Form1::back_Click);
}

void Form1::buildTabOrder() {
    // Each band's power, main-lobe and side-lobe box, then the distances, the
    // buttons and the check boxes; disabled controls are passed over.
    std::vector<QWidget*> order;
    for (const BandControls& band : bands)
        for (QLineEdit* input : band.inputs())
            order.push_back(input);
    for (QWidget* w :
         std::initializer_list<QWidget*>{dp1, dp2, calculate, proceed, reset, Check1, Check2, Check3, back})
        order.push_back(w);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::proceed_Click() {
    forms::show(QStringLiteral("Form2"));
}

void Form1::back_Click() {
    forms::show(QStringLiteral("eisagwgh_meleths"));
    forms::hide<Form1>();
}
