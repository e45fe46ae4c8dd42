#pragma once
// The credits window: four labels about the program.
#include <QLabel>

#include "platform/runtime/forms.h"

class Form3 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form3";
    Form3();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
};
