#pragma once
// The 20 x 20 pictures of the graphical buttons.
#include <QIcon>

namespace study {

QIcon spreadsheetPicture(); // "Export to excel (Stand alone)"
QIcon documentPicture();    // "Proceed to word"

} // namespace study
