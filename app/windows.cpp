#include "app/windows.h"

#include "eeae/Form1.h"
#include "platform/buttons.h"
#include "platform/forms.h"
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
template <class W> void define() {
    forms::define(QString::fromLatin1(W::formName), [] {
        W* window = new W;
        study::installMenuBar(window);
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
    define<Form2>();
    define<browse>();
    define<pinb2_saltz>();
    define<Form2_saltz>();
    define<results>();
    define<browse_prev_report>();
    define<Form3>();
    // Closing the last visible window ends the program as "Έξοδος" does.
    forms::setWhenNoneVisibleAfterClose(&study::exit_program_command);
}

} // namespace app
