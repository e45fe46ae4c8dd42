#include "shapes.h"

#include <QPainter>

#include "twips.h"

namespace forms {

namespace {
constexpr int penWidth = 1;
}

Line::Line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, Style style)
    : QFrame(parent)
    , from(x1, y1)
    , to(x2, y2)
    , lineStyle(style) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The widget covers the line's bounding box, one pixel wider across the line
    // (on every side for a slanting one) so the line has room; a horizontal or
    // vertical line's ends are the widget's ends.
    const QRect box = QRect(QPoint(px(std::min(x1, x2)), px(std::min(y1, y2))),
                            QPoint(px(std::max(x1, x2)), px(std::max(y1, y2))));
    const bool horizontal = box.height() == 1, vertical = box.width() == 1;
    const int dx = horizontal && !vertical ? 0 : penWidth;
    const int dy = vertical && !horizontal ? 0 : penWidth;
    setGeometry(box.adjusted(-dx, -dy, dx, dy));
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), penWidth);
    pen.setStyle(lineStyle == Style::Dotted ? Qt::DotLine : Qt::SolidLine);
    painter.setPen(pen);
    const QPoint origin = pos();
    painter.drawLine(QPoint(px(from.x()), px(from.y())) - origin, QPoint(px(to.x()), px(to.y())) - origin);
}

Shape::Shape(QWidget* parent, const QString& name, Kind kind, int left, int top, int width, int height)
    : QWidget(parent)
    , shapeKind(kind) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(twipRect(left, top, width, height));
}

void Shape::setBorderColor(const QColor& color) {
    border = color;
    update();
}

void Shape::setFillColor(const QColor& color) {
    fill = color;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, shapeKind == Kind::RoundedRectangle);
    painter.setPen(QPen(border, penWidth));
    painter.setBrush(fill ? QBrush(*fill) : Qt::NoBrush);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (shapeKind == Kind::RoundedRectangle) {
        const qreal radius = std::min({area.width(), area.height(), qreal(48)}) / 6;
        painter.drawRoundedRect(area, radius, radius);
    } else {
        painter.drawRect(area);
    }
}

} // namespace forms
