#pragma once
// The band-calculation window of the EEAE study.
#include <QPushButton>

#include "platform/forms.h"

class Form1 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form1";
    Form1();

    QPushButton* proceed;
    QPushButton* back;

public slots:
    void proceed_Click();
    void back_Click();
};
