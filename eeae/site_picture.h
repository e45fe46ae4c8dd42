#pragma once
// The site diagram's picture: the vertical radiation pattern of a panel antenna,
// drawn so that the upper G_s mark ends where the leader Line1 starts and the G_m
// mark stands beside the middle caption place of the right column.
#include <QPixmap>

namespace eeae {

// The picture at the size of the window's picture box, in pixels.
QPixmap sitePicture(int width, int height);

} // namespace eeae
