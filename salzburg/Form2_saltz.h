#pragma once
// The Salzburg sector grid: six sector columns of 22 boxes (sec1a .. sec6v), a
// tick box per sector that opens and closes its column, five per-sector
// calculation buttons, and the calculation that fills the results window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/runtime/forms.h"
#include "salzburg/formulas.h"
#include "salzburg/row_numbers.h"

class results;

class Form2_saltz : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form2_saltz";
    static constexpr int sectorCount = 6;
    static constexpr int rowCount = 22;
    Form2_saltz();

    QGroupBox* Frame1;
    QPushButton* calculations;
    QPushButton* back1;

    // Sector 1 to 6, row 'a' to 'v'.
    QCheckBox* Check(int sector) const { return ticks[sector - 1]; }
    QLineEdit* sec(int sector, char row) const;
    QString rowText(int sector, char row) const;
    salzburg::RowNumbers rowNumbers(int sector, const char* rows) const;

    // The five buttons of a sector, in the order they are enabled.
    enum ButtonKind { calc_a, calc_b, calc_c, to_dBm, to_Watt, buttonKinds };
    QPushButton* sectorButton(ButtonKind kind, int sector) const { return buttons[sector - 1][kind]; }

public slots:
    void CheckN_Click(int sector);
    void calcNa_Click(int sector);
    void calcNb_Click(int sector);
    void calcNc_Click(int sector);
    void to_dBmN_Click(int sector);
    void to_WattN_Click(int sector);
    void calculations_Click();
    void back1_Click();

private:
    // A per-sector button's procedure: the rows it reads in order, the row it
    // writes, its message when a read box is empty, and its formula.
    struct Conversion {
        const char* reads;
        char writes;
        const char* emptyMessage;
        salzburg::Value (*formula)(const salzburg::RowNumbers&);
    };
    void convert(int sector, const Conversion& conversion, bool emptyIsHint = false);
    void calculateSector(int sector, results& shown, QStringList& problems);
    void arrangeTabOrder();

    std::array<QCheckBox*, sectorCount> ticks;
    std::array<std::array<QLineEdit*, rowCount>, sectorCount> boxes;
    std::array<std::array<QPushButton*, buttonKinds>, sectorCount> buttons;
};
