#include "study/browse_prev_report.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

browse_prev_report::browse_prev_report()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Browse to open.."), 18960, 11160,
                    forms::CloseBox::Unload) {}
