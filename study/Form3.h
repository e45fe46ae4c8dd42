#pragma once
#include <QPushButton>

#include "platform/forms.h"

class Form3 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form3";
    Form3();

public slots:
};
