#include "study/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace study {

QPixmap logoPicture() {
    QPixmap picture(640, 400);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(18, 52, 102));
    sky.setColorAt(1, QColor(86, 148, 204));
    p.fillRect(picture.rect(), sky);

    // Ground and a building under the mast.
    p.fillRect(QRect(0, 340, 640, 60), QColor(60, 92, 60));
    p.fillRect(QRect(250, 270, 140, 70), QColor(200, 200, 190));

    // Lattice mast.
    p.setPen(QPen(QColor(235, 235, 235), 4));
    const QPointF top(320, 70);
    p.drawLine(top, QPointF(285, 270));
    p.drawLine(top, QPointF(355, 270));
    p.setPen(QPen(QColor(235, 235, 235), 2));
    for (int y = 100; y < 270; y += 28) {
        const double half = 35.0 * (y - 70) / 200.0;
        p.drawLine(QPointF(320 - half, y), QPointF(320 + half, y + 28 > 270 ? y : y + 28));
    }

    // Three panel antennas.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 245));
    for (double x : {296.0, 314.0, 332.0})
        p.drawRoundedRect(QRectF(x - 5, 78, 10, 46), 3, 3);

    // Emission: arcs to both sides.
    for (int i = 1; i <= 4; ++i) {
        p.setPen(QPen(QColor(255, 210, 80, 255 - 45 * i), 5));
        p.setBrush(Qt::NoBrush);
        const QRectF arc(320 - 40 * i - 20, 100 - 40 * i, 2 * (40 * i + 20), 80 * i);
        p.drawArc(arc, -35 * 16, 70 * 16);
        p.drawArc(arc, 145 * 16, 70 * 16);
    }

    QFont name(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 10, 640, 60), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("VORLUX"));
    return picture;
}

} // namespace study
