#include "app/windows.h"

#include "eeae/Form1.h"
#include "platform/runtime/buttons.h"
#include "platform/runtime/forms.h"
#include "report_excel/print_report_excel.h"
#include "report_word/browse.h"
#include "salzburg/Form2_saltz.h"
#include "salzburg/results.h"
#include "study/Form2.h"
#include "study/Form3.h"
#include "study/antenna_arrays.h"
#include "study/browse_prev_report.h"
#include "study/eisagwgh_meleths.h"
#include "study/intro.h"
#include "study/menu_bar.h"
#include "study/pinb1.h"
#include "study/study_commands.h"

namespace app {

namespace {
// wire connects the buttons whose procedures belong to another subsystem.
template <class W> void define(void (*wire)(W*) = nullptr) {
    forms::define(QString::fromLatin1(W::formName), [wire] {
        W* window = new W;
        study::installMenuBar(window);
        if (wire)
            wire(window);
        return window;
    });
}
} // namespace

void registerWindows() {
    define<intro>();
    define<pinb1>();
    define<pinb2>();
    define<eisagwgh_meleths>();
    define<Form1>();
    define<Form2>([](Form2* window) {
        QObject::connect(window->print_report_excel, &QPushButton::clicked, window,
                         &report_excel::print_report_excel_Click);
    });
    define<browse>();
    define<pinb2_saltz>();
    define<Form2_saltz>();
    define<results>();
    define<browse_prev_report>();
    define<Form3>();
    // A procedure that leaves no window visible ends the program as "Έξοδος" does.
    forms::setWhenNoneVisible(&study::exit_program_command);
}

} // namespace app
