#pragma once
// The two antenna-array windows with one table: the EEAE study's `pinb2`, which
// the report reads, and the Salzburg study's sheet `pinb2_saltz`, kept for the
// record only.
#include <QGroupBox>
#include <QPushButton>

#include "platform/runtime/forms.h"
#include "study/text_grid.h"

namespace study {

// Eight antenna arrays, one column each, twenty fields per array.
class AntennaArrayWindow : public forms::Window {
    Q_OBJECT
public:
    static constexpr int arrayCount = 8;
    static constexpr int fieldCount = 20;
    AntennaArrayWindow(const char* name);

    // The box of field f (0 for the top row, "aa_ant") of array n (from 1): "freq3".
    static QString boxName(int field, int array);

    QGroupBox* Frame1;
    TextGrid arrays; // arrays[n - 1] holds aa_ant<n> .. p_ch<n>
    QPushButton* proceed;
};

} // namespace study

class pinb2 : public study::AntennaArrayWindow {
    Q_OBJECT
public:
    static constexpr const char* formName = "pinb2";
    pinb2();

    QPushButton* back;

public slots:
    void proceed_Click();
    void back_Click();
};

class pinb2_saltz : public study::AntennaArrayWindow {
    Q_OBJECT
public:
    static constexpr const char* formName = "pinb2_saltz";
    pinb2_saltz();

public slots:
    void proceed_Click();
};
