#include "salzburg/Form2_saltz.h"

#include <QLabel>

#include "platform/runtime/buttons.h"
#include "platform/runtime/column_tick.h"
#include "platform/runtime/shapes.h"
#include "platform/runtime/twips.h"
#include "salzburg/grid_rows.h"
#include "study/sector_boxes.h"

using forms::place;
using salzburg::gridRows;
using salzburg::rowIndex;

namespace {
// The grid inside Frame1, in twips: the caption column, then the six sector
// columns, each a column of boxes with its tick box at the head and its buttons
// in the gap to the right.
constexpr int frameLeft = 120, frameTop = 120, frameWidth = 17220, frameHeight = 10800;
constexpr int captionLeft = 120, captionWidth = 3780, captionHeight = 600;
constexpr int separatorX = 3990;
constexpr int firstRowTop = 240, rowPitch = 480;
constexpr int boxWidth = 1215, boxHeight = 285;
constexpr int firstColumnLeft = 4680, columnPitch = 2040, lastColumnShift = 240;
constexpr int tickOffset = 600, tickWidth = 495;
constexpr int buttonGap = 45, buttonWidth = 735;
constexpr int commandLeft = 17460, commandWidth = 1215, commandHeight = 375;

int rowTop(char row) {
    return firstRowTop + rowPitch * rowIndex(row);
}

int columnLeft(int sector) {
    return firstColumnLeft + columnPitch * (sector - 1) +
           (sector == Form2_saltz::sectorCount ? lastColumnShift : 0);
}

// The per-sector buttons, in the order a tick enables them.
struct SectorButton {
    const char* name; // %1 is the sector digit
    char besideRow;
    const char* caption;
    void (Form2_saltz::*click)(int sector);
};

const SectorButton sectorButtons[Form2_saltz::buttonKinds] = {
    {"calc%1a", 'o', "Calc...", &Form2_saltz::calcNa_Click},
    {"calc%1b", 'p', "Calc...", &Form2_saltz::calcNb_Click},
    {"calc%1c", 'v', "Calc...", &Form2_saltz::calcNc_Click},
    {"to_dBm%1", 'e', "-->dBm", &Form2_saltz::to_dBmN_Click},
    {"to_Watt%1", 'f', "-->W", &Form2_saltz::to_WattN_Click},
};

// The power buttons take their turn in the keyboard order sector by sector, except
// that sector 6's "-->dBm" comes before sector 5's "-->W".
struct PowerButtonTurn {
    Form2_saltz::ButtonKind kind;
    int sector;
};

const PowerButtonTurn powerButtonOrder[] = {
    {Form2_saltz::to_dBm, 1}, {Form2_saltz::to_Watt, 1}, {Form2_saltz::to_dBm, 2},  {Form2_saltz::to_Watt, 2},
    {Form2_saltz::to_dBm, 3}, {Form2_saltz::to_Watt, 3}, {Form2_saltz::to_dBm, 4},  {Form2_saltz::to_Watt, 4},
    {Form2_saltz::to_dBm, 5}, {Form2_saltz::to_dBm, 6},  {Form2_saltz::to_Watt, 5}, {Form2_saltz::to_Watt, 6},
};
} // namespace

Form2_saltz::Form2_saltz()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Τομεοποίηση"), 18960, 11160,
                    forms::CloseBox::Hide) {
    Frame1 =
        place<QGroupBox>(client(), QStringLiteral("Frame1"), frameLeft, frameTop, frameWidth, frameHeight);

    for (const salzburg::GridRow& row : gridRows) {
        QLabel* caption = place<QLabel>(Frame1, QString::fromLatin1(row.captionLabel), captionLeft,
                                        rowTop(row.letter) + (boxHeight - captionHeight) / 2, captionWidth,
                                        captionHeight, QString::fromUtf8(row.caption));
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    // Dotted rules between neighbouring rows, and one between the captions and the grid.
    const int gapBelowBox = (rowPitch - boxHeight) / 2;
    for (int i = 0; i + 1 < rowCount; ++i) {
        const int y = firstRowTop + rowPitch * i + boxHeight + gapBelowBox;
        new forms::Line(Frame1, QStringLiteral("Line%1").arg(i + 1), separatorX, y, frameWidth - 120, y,
                        forms::Line::Style::Dotted);
    }
    new forms::Line(Frame1, QStringLiteral("Line%1").arg(rowCount), separatorX, 120, separatorX,
                    frameHeight - 120, forms::Line::Style::Dotted);

    for (int sector = 1; sector <= sectorCount; ++sector) {
        const int left = columnLeft(sector);
        QCheckBox* tick = place<QCheckBox>(Frame1, QStringLiteral("Check%1").arg(sector), left - tickOffset,
                                           rowTop('a'), tickWidth, boxHeight, QStringLiteral("-"));
        ticks[sector - 1] = tick;
        forms::onValueChange(tick, this, &Form2_saltz::CheckN_Click, sector);

        for (const salzburg::GridRow& row : gridRows) {
            QLineEdit* box = place<QLineEdit>(Frame1, study::sectorBox(sector, rowIndex(row.letter)), left,
                                              rowTop(row.letter), boxWidth, boxHeight);
            box->setEnabled(false);
            boxes[sector - 1][rowIndex(row.letter)] = box;
        }

        for (int kind = 0; kind < buttonKinds; ++kind) {
            const SectorButton& b = sectorButtons[kind];
            QPushButton* button = place<QPushButton>(Frame1, QString::fromLatin1(b.name).arg(sector),
                                                     left + boxWidth + buttonGap, rowTop(b.besideRow),
                                                     buttonWidth, boxHeight, QString::fromLatin1(b.caption));
            button->setEnabled(false);
            forms::onClick(button, this, b.click, sector);
            buttons[sector - 1][kind] = button;
        }
    }
    // Two boxes of sector 1 take typing before the sector is ticked.
    sec(1, 't')->setEnabled(true);
    sec(1, 'u')->setEnabled(true);

    calculations = place<QPushButton>(client(), QStringLiteral("calculations"), commandLeft, 5160,
                                      commandWidth, commandHeight, QStringLiteral("Calculate..."));
    back1 = place<QPushButton>(client(), QStringLiteral("back1"), commandLeft, 5640, commandWidth,
                               commandHeight, QStringLiteral("Back"));
    forms::onClick(calculations, this, &Form2_saltz::calculations_Click);
    forms::onClick(back1, this, &Form2_saltz::back1_Click);

    arrangeTabOrder();
    Check(1)->setFocus();
}

QLineEdit* Form2_saltz::sec(int sector, char row) const {
    return boxes[sector - 1][rowIndex(row)];
}

QString Form2_saltz::rowText(int sector, char row) const {
    return sec(sector, row)->text();
}

salzburg::RowNumbers Form2_saltz::rowNumbers(int sector, const char* rows) const {
    return salzburg::RowNumbers(rows, [this, sector](char row) { return rowText(sector, row); });
}

void Form2_saltz::arrangeTabOrder() {
    QList<QWidget*> order;
    for (QCheckBox* tick : ticks)
        order << tick;
    for (int sector = 1; sector <= sectorCount; ++sector)
        for (char row = 'a'; row <= 'u'; ++row)
            order << sec(sector, row);
    for (const PowerButtonTurn& turn : powerButtonOrder)
        order << sectorButton(turn.kind, turn.sector);
    order << calculations << sectorButton(calc_a, 1);
    for (int sector = 1; sector <= sectorCount; ++sector)
        order << sec(sector, 'v');
    for (int sector = 1; sector <= sectorCount; ++sector)
        for (ButtonKind kind : {calc_a, calc_b, calc_c})
            if (!(sector == 1 && kind == calc_a))
                order << sectorButton(kind, sector);
    order << back1;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

// Ticking opens the sector's column for typing (what was typed stays); unticking
// closes and empties it. The results window keeps the sector's results.
void Form2_saltz::CheckN_Click(int sector) {
    const bool ticked = Check(sector)->isChecked();
    forms::openColumn(boxes[sector - 1], ticked);
    for (QPushButton* button : buttons[sector - 1])
        button->setEnabled(ticked);
}

void Form2_saltz::back1_Click() {
    forms::show(QStringLiteral("pinb2_saltz"));
    forms::hide<Form2_saltz>();
}
