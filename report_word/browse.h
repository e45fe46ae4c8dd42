#pragma once
// The save-as window of the Word report: drive, folder and file lists, the
// report's name, "Create report" and "Cancel".
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/runtime/filelists.h"
#include "platform/runtime/forms.h"

class browse : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "browse";
    browse();

    filelists::DriveListBox* Drive1;
    filelists::DirListBox* Dir1;
    filelists::FileListBox* file1;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* create_report;
    QPushButton* cancel;

public slots:
    void create_report_Click();
    void cancel_Click();
};
