#pragma once
// The open-existing-report window: a file anywhere on the drives, opened in the
// word processor, the spreadsheet or the PDF reader.
#include <QPushButton>

#include "platform/runtime/filelists.h"
#include "platform/runtime/forms.h"

class browse_prev_report : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "browse_prev_report";
    browse_prev_report();

    filelists::DriveListBox* Drive1;
    filelists::DirListBox* Dir1;
    filelists::FileListBox* file1;
    QPushButton* cancel;
    QPushButton* open_word;
    QPushButton* open_excel;
    QPushButton* open_pdf;

public slots:
    void open_pdf_Click();
    void open_excel_Click();
    void open_word_Click();
    void cancel_Click();

private:
    // The selected file of the file list's folder; the folder itself when none is selected.
    QString chosenFile() const;
};
