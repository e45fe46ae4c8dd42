#pragma once
#include <QPixmap>

namespace study {

// The start window's logo (640 x 400): a base-station mast with its panel
// antennas and their emission.
QPixmap logoPicture();

} // namespace study
