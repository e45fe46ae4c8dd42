#pragma once
// The start window: the choice of study.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "platform/runtime/forms.h"

class intro : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "intro";
    intro();

    QLabel* orvane_logo;
    QLabel* Label1;
    QLabel* Label2;
    QComboBox* function_choice_cb;
    QPushButton* enter_button;

    // The selected entry: 0 or 1 when picked from the list, -1 otherwise.
    int selectedIndex() const { return choice; }

public slots:
    void Form_Load();
    void enter_button_Click();

private:
    int choice = -1;
};
