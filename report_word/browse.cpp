#include "report_word/browse.h"

#include "platform/runtime/buttons.h"
#include "platform/runtime/twips.h"
#include "report_word/report_assembly.h"
#include "study/button_pictures.h"

using forms::place;

browse::browse()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Browse.."), 7200, 5400,
                    forms::CloseBox::Unload) {
    Drive1 = place<filelists::DriveListBox>(client(), QStringLiteral("Drive1"), 120, 120, 3240, 315);
    Dir1 = place<filelists::DirListBox>(client(), QStringLiteral("Dir1"), 120, 540, 3240, 2880);
    file1 = place<filelists::FileListBox>(client(), QStringLiteral("file1"), 3480, 120, 3600, 3300);
    Label1 = place<QLabel>(client(), QStringLiteral("Label1"), 120, 3630, 1620, 285,
                           QStringLiteral("Save report as:"));
    Text1 = place<QLineEdit>(client(), QStringLiteral("Text1"), 1800, 3600, 5280, 315);
    Text1->setText(QStringLiteral("Text1"));
    create_report = place<QPushButton>(client(), QStringLiteral("create_report"), 5160, 4140, 1920, 420,
                                       QStringLiteral("Create report"));
    create_report->setIcon(study::documentPicture());
    create_report->setIconSize(QSize(20, 20));
    cancel = place<QPushButton>(client(), QStringLiteral("cancel"), 5160, 4680, 1920, 420,
                                QStringLiteral("Cancel"));
    for (QPushButton* button : {create_report, cancel})
        button->setAutoDefault(false);

    QWidget::setTabOrder(Drive1, Dir1);
    QWidget::setTabOrder(Dir1, Text1);
    QWidget::setTabOrder(Text1, file1);
    QWidget::setTabOrder(file1, create_report);
    QWidget::setTabOrder(create_report, cancel);

    filelists::connectLists(Drive1, Dir1, file1);
    forms::onClick(create_report, this, &browse::create_report_Click);
    forms::onClick(cancel, this, &browse::cancel_Click);
}

void browse::create_report_Click() {
    // On a failure the message has been shown and the window stays, so the user
    // can correct the name or the folder.
    if (report_word::createReport(Dir1->path(), Text1->text()))
        forms::unload<browse>();
}

void browse::cancel_Click() {
    forms::unload<browse>();
    forms::show(QStringLiteral("Form2"));
}
