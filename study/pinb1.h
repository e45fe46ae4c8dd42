#pragma once
// The masts table: seven masts, one column each, eight fields per mast.
#include <QGroupBox>
#include <QPushButton>

#include "platform/runtime/forms.h"
#include "study/text_grid.h"

class pinb1 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "pinb1";
    static constexpr int mastCount = 7;
    static constexpr int fieldCount = 8;
    pinb1();

    // The box of field f (0 for the top row, "on") of mast n (from 1): "kat3".
    static QString boxName(int field, int mast);

    QGroupBox* Frame1;
    study::TextGrid masts; // masts[n - 1] holds on<n> .. h_edafous<n>
    QPushButton* proceed;

public slots:
    void proceed_Click();
};
