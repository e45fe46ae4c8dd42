#include "salzburg/unreachable/menu_procedures.h"

#include <QString>

#include "platform/runtime/forms.h"
#include "study/menu_commands.h"

namespace salzburg::unreachable {

void open_fek1666_pdf() {
    study::document_command(QStringLiteral("fek1666.pdf"));
}

void open_kya53571_pdf() {
    study::document_command(QStringLiteral("KYA_53571_3839.pdf"));
}

void open_n3431_pdf() {
    study::document_command(QStringLiteral("Nomos_3431_2006.pdf"));
}

void show_form_help() {
    study::form_help_command(QStringLiteral("sectorplan"));
}

void show_browse_form() {
    forms::show(QStringLiteral("browse"));
}

} // namespace salzburg::unreachable
