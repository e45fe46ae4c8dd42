#pragma once
#include <QPushButton>

#include "platform/forms.h"

class browse_prev_report : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "browse_prev_report";
    browse_prev_report();

public slots:
};
