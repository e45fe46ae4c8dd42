#pragma once
#include <QPushButton>

#include "platform/forms.h"

class Form2 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form2";
    Form2();

    QPushButton* back1;
    QPushButton* next_to_word;

public slots:
    void back1_Click();
    void next_to_word_Click();
};
