#include "study/browse_prev_report.h"

#include <QDir>

#include "platform/office/excel.h"
#include "platform/runtime/buttons.h"
#include "platform/runtime/messages.h"
#include "platform/runtime/twips.h"
#include "study/menu_commands.h"
#include "study/open_file.h"

using forms::place;

namespace {
// The spreadsheet shows an unchanged workbook as it stands, so any file the user
// picks goes to the user's own application.
void open_excel_workbook(const QString& path) {
    if (!study::fileIsThere(path))
        return;
    try {
        excel::Application spreadsheet;
        spreadsheet.workbooks().open(path);
        spreadsheet.setVisible(true);
        spreadsheet.quit();
    } catch (const std::exception& failure) {
        messages::critical(messages::causeOf(failure));
    }
}
} // namespace

browse_prev_report::browse_prev_report()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Browse to open.."), 8640, 4860,
                    forms::CloseBox::Unload) {
    Drive1 = place<filelists::DriveListBox>(client(), QStringLiteral("Drive1"), 120, 120, 2940, 315);
    Dir1 = place<filelists::DirListBox>(client(), QStringLiteral("Dir1"), 120, 540, 2940, 4200);
    file1 = place<filelists::FileListBox>(client(), QStringLiteral("file1"), 3180, 120, 5340, 4020);
    // Under the file list, left to right.
    cancel = place<QPushButton>(client(), QStringLiteral("cancel"), 3180, 4260, 1290, 420,
                                QStringLiteral("Cancel"));
    open_word = place<QPushButton>(client(), QStringLiteral("open_word"), 4530, 4260, 1290, 420,
                                   QStringLiteral("Άνοιγμα .doc"));
    open_excel = place<QPushButton>(client(), QStringLiteral("open_excel"), 5880, 4260, 1290, 420,
                                    QStringLiteral("Άνοιγμα .xls"));
    open_pdf = place<QPushButton>(client(), QStringLiteral("open_pdf"), 7230, 4260, 1290, 420,
                                  QStringLiteral("Άνοιγμα .pdf"));
    for (QPushButton* button : {cancel, open_word, open_excel, open_pdf})
        button->setAutoDefault(false);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, file1);
    setTabOrder(file1, open_word);
    setTabOrder(open_word, cancel);
    setTabOrder(cancel, open_excel);
    setTabOrder(open_excel, open_pdf);

    filelists::connectLists(Drive1, Dir1, file1);
    forms::onClick(open_pdf, this, &browse_prev_report::open_pdf_Click);
    forms::onClick(open_excel, this, &browse_prev_report::open_excel_Click);
    forms::onClick(open_word, this, &browse_prev_report::open_word_Click);
    forms::onClick(cancel, this, &browse_prev_report::cancel_Click);
}

QString browse_prev_report::chosenFile() const {
    // QDir joins without doubling the separator at a root ("/" and "x" give
    // "/x"; "//x" would name a network host).
    return QDir(file1->path()).filePath(file1->fileName());
}

void browse_prev_report::open_pdf_Click() {
    study::openFileForUser(chosenFile());
}

void browse_prev_report::open_excel_Click() {
    open_excel_workbook(chosenFile());
}

void browse_prev_report::open_word_Click() {
    if (file1->fileName().isEmpty()) {
        messages::critical(QStringLiteral("Πρέπει να επιλέξετε αρχείο!"));
        return;
    }
    study::open_word_document(chosenFile());
}

void browse_prev_report::cancel_Click() {
    forms::unload<browse_prev_report>();
}
