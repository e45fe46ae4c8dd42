#pragma once
// The installation description: one free text the report carries.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/runtime/forms.h"

class eisagwgh_meleths : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "eisagwgh_meleths";
    eisagwgh_meleths();

    QLabel* Label1;
    QPlainTextEdit* eisagwgh_txt;
    QPushButton* export_to_word;
    QPushButton* back;

public slots:
    void export_to_word_Click();
    void back_Click();
};
