#include "study/Form3.h"

#include "platform/buttons.h"
#include "platform/twips.h"

using forms::place;

Form3::Form3()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Credits"), 18960, 11160,
                    forms::CloseBox::Unload) {}
