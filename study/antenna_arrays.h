#pragma once
// The two antenna-array windows: the EEAE study's table and the Salzburg study's sheet.
#include <QPushButton>

#include "platform/forms.h"

class pinb2 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "pinb2";
    pinb2();
    QPushButton* proceed;
    QPushButton* back;
public slots:
    void proceed_Click();
    void back_Click();
};

class pinb2_saltz : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "pinb2_saltz";
    pinb2_saltz();
    QPushButton* proceed;
public slots:
    void proceed_Click();
};
