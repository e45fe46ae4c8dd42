#include "report_word/browse.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

browse::browse()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Browse.."), 7200, 5400,
                    forms::CloseBox::Unload) {
    Text1 = place<QLineEdit>(client(), QStringLiteral("Text1"), 1800, 3960, 3000, 285);
    Text1->setText(QStringLiteral("Text1"));
    create_report = place<QPushButton>(client(), QStringLiteral("create_report"), 5400, 4200, 1575, 375,
                                       QStringLiteral("Create report"));
    cancel = place<QPushButton>(client(), QStringLiteral("cancel"), 5400, 4680, 1575, 375,
                                QStringLiteral("Cancel"));
    forms::onClick(create_report, this, &browse::create_report_Click);
    forms::onClick(cancel, this, &browse::cancel_Click);
}

void browse::create_report_Click() {
    forms::unload(QString::fromLatin1(formName));
}

void browse::cancel_Click() {
    forms::unload(QString::fromLatin1(formName));
    forms::show(QStringLiteral("Form2"));
}
