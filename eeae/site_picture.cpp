#include "eeae/site_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace eeae {

namespace {
// Pixel positions that the diagram's lines and labels rely on (15 twips to a pixel).
const QPointF antenna(64, 160);  // the antenna's centre, on the main-lobe axis
const QPointF mainTip(488, 160); // G_m, beside Label21 (top 2280 twips)
const QPointF sideTip(204, 24);  // upper G_s, where Line1 starts (3120, 360)

// A lobe of the pattern: a closed curve from the antenna along direction
// `angle` (degrees above the axis), `length` pixels long, `halfWidth` degrees wide.
QPainterPath lobe(double angle, double length, double halfWidth) {
    QPainterPath path(antenna);
    for (int i = -40; i <= 40; ++i) {
        const double off = halfWidth * i / 40.0;
        const double shape = std::cos(qDegreesToRadians(90.0 * off / halfWidth));
        const double r = length * shape * shape;
        const double a = qDegreesToRadians(angle + off);
        path.lineTo(antenna + QPointF(r * std::cos(a), -r * std::sin(a)));
    }
    path.closeSubpath();
    return path;
}

QPointF along(double angle, double length) {
    const double a = qDegreesToRadians(angle);
    return antenna + QPointF(length * std::cos(a), -length * std::sin(a));
}

void mark(QPainter& p, const QPointF& at, const QString& text, const QPointF& textOffset) {
    p.setBrush(Qt::black);
    p.drawEllipse(at, 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawText(at + textOffset, text);
}

void angle(QPainter& p, double radius, double from, double to, const QString& text, const QPointF& textAt) {
    const QRectF box(antenna.x() - radius, antenna.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, qRound(from * 16), qRound((to - from) * 16));
    p.drawText(textAt, text);
}
} // namespace

QPixmap sitePicture(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);

    const double sideAngle =
        qRadiansToDegrees(std::atan2(antenna.y() - sideTip.y(), sideTip.x() - antenna.x()));
    const double sideLength = std::hypot(sideTip.x() - antenna.x(), sideTip.y() - antenna.y());
    const double mainLength = mainTip.x() - antenna.x();

    // The axis of the main lobe and the lobes themselves.
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    p.drawLine(QPointF(antenna.x() - 40, antenna.y()), QPointF(width - 110, antenna.y()));
    p.setPen(QPen(QColor(20, 60, 140), 1.5));
    p.setBrush(QColor(120, 170, 230, 110));
    p.drawPath(lobe(0, mainLength, 30));
    p.setBrush(QColor(230, 170, 90, 110));
    p.drawPath(lobe(sideAngle, sideLength, 14));
    p.drawPath(lobe(-sideAngle, sideLength, 14));
    p.drawPath(lobe(180, 36, 20));

    // The antenna: a panel standing at the left, named below.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(antenna.x() - 6, antenna.y() - 34, 8, 68));
    p.setBrush(Qt::NoBrush);
    p.drawText(QPointF(antenna.x() - 28, antenna.y() + 52), QStringLiteral("κεραία"));

    // The gains: G_m at the tip, G_m −3dB where the main lobe is half as long,
    // G_s at the tips of the largest side lobes.
    p.setPen(Qt::black);
    mark(p, mainTip, QStringLiteral("G_m"), QPointF(-30, -8));
    const double halfPower = 15; // degrees off the axis where r = length / 2
    mark(p, along(halfPower, mainLength / 2), QStringLiteral("G_m −3dB"), QPointF(4, -6));
    mark(p, along(-halfPower, mainLength / 2), QStringLiteral("G_m −3dB"), QPointF(4, 14));
    mark(p, sideTip, QStringLiteral("G_s"), QPointF(-26, 4));
    mark(p, along(-sideAngle, sideLength), QStringLiteral("G_s"), QPointF(-26, 4));

    // The two angles measured from the axis.
    p.setPen(QPen(QColor(150, 30, 30), 1));
    angle(p, 70, 0, sideAngle, QStringLiteral("θs+10°"), antenna + QPointF(74, -30));
    angle(p, 130, -(halfPower + 10), 0, QStringLiteral("θ-3dB+10°"), antenna + QPointF(136, 44));
    return picture;
}

} // namespace eeae
