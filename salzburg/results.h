#pragma once
// The Salzburg results window: the per-sector result table and the distance
// figure, whose five value labels show one sector's heights and distance.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/runtime/forms.h"

class results : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "results";
    static constexpr int sectorCount = 6;
    results();

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QPushButton* back;
    // The figure's value labels.
    QLabel* Label3;  // row k, antenna height
    QLabel* Label7;  // row n, horizontal distance
    QLabel* Label8;  // k − l
    QLabel* Label9;  // row m, ground-height difference
    QLabel* Label10; // row l, height of the exposure point

    // Result box of sector 1 to 6, row 'a', 'b', 'd', 'e' or 'f'.
    QLineEdit* res(int sector, char row) const;
    // Writes a result box, showing the start of a text longer than the box.
    void setResult(int sector, char row, const QString& text);
    QPushButton* sc(int sector) const { return figureButtons[sector - 1]; }
    // The title of a row of the result table.
    static QString rowTitle(char row);

    // Puts the heights and distance of a sector of the grid on the figure. When
    // rows k and l give no difference, the message that says why, else empty.
    QString showFigureOf(int sector);

public slots:
    void scN_Click(int sector);
    void back_Click();

private:
    std::array<std::array<QLineEdit*, 5>, sectorCount> boxes;
    std::array<QPushButton*, sectorCount> figureButtons;
};
