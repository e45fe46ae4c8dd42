#pragma once
// The drawn controls of a window: a line between two points and a rectangle or
// rounded rectangle, placed in twips on their container like the other controls.
// They only paint; the mouse goes through them to what lies beneath.
#include <QColor>
#include <QFrame>
#include <QString>
#include <QWidget>
#include <optional>

namespace forms {

// A QFrame, as Qt's own lines are, though it draws itself.
class Line : public QFrame {
    Q_OBJECT
public:
    enum class Style { Solid, Dotted };
    // From (x1, y1) to (x2, y2), in twips on parent.
    Line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2, Style style = Style::Solid);

    Style style() const { return lineStyle; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint from, to;
    Style lineStyle;
};

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle };
    // At a twip rectangle on parent; no fill unless one is given.
    Shape(QWidget* parent, const QString& name, Kind kind, int left, int top, int width, int height);

    void setBorderColor(const QColor& color);
    void setFillColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind shapeKind;
    QColor border = Qt::black;
    std::optional<QColor> fill;
};

} // namespace forms
