#include "study/button_pictures.h"

#include <QPainter>
#include <QPixmap>

namespace study {

namespace {
QPixmap blankPage() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 14, 18);
    return picture;
}
} // namespace

QIcon spreadsheetPicture() {
    QPixmap picture = blankPage();
    QPainter p(&picture);
    p.setPen(QColor(30, 120, 60));
    for (int y = 5; y <= 17; y += 4)
        p.drawLine(4, y, 16, y);
    for (int x = 8; x <= 12; x += 4)
        p.drawLine(x, 2, x, 18);
    return QIcon(picture);
}

QIcon documentPicture() {
    QPixmap picture = blankPage();
    QPainter p(&picture);
    p.setPen(QColor(40, 80, 170));
    for (int y = 5; y <= 16; y += 3)
        p.drawLine(5, y, y == 16 ? 11 : 15, y);
    return QIcon(picture);
}

} // namespace study
