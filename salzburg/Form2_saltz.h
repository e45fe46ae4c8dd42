#pragma once
// The Salzburg sector grid.
#include <QPushButton>

#include "platform/forms.h"

class Form2_saltz : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form2_saltz";
    Form2_saltz();

    QPushButton* calculations;
    QPushButton* back1;

public slots:
    void calculations_Click();
    void back1_Click();
};
