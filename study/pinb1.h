#pragma once
#include <QPushButton>

#include "platform/forms.h"

class pinb1 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "pinb1";
    pinb1();

    QPushButton* proceed;

public slots:
    void proceed_Click();
};
