#pragma once
// The Salzburg results window with its distance figure.
#include <QPushButton>

#include "platform/forms.h"

class results : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "results";
    results();

    QPushButton* back;

public slots:
    void back_Click();
};
