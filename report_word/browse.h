#pragma once
// The save-as window of the Word report.
#include <QLineEdit>
#include <QPushButton>

#include "platform/forms.h"

class browse : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "browse";
    browse();

    QLineEdit* Text1;
    QPushButton* create_report;
    QPushButton* cancel;

public slots:
    void create_report_Click();
    void cancel_Click();
};
