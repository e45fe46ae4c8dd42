#pragma once
// Positions of the system's controls are given in twips: 15 to a pixel.
#include <QRect>
#include <QString>
#include <QWidget>

namespace forms {

constexpr int px(int twips) {
    return (twips + 7) / 15;
}

inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// Creates a control named as the system names it, on parent, at a twip rectangle.
template <class T, class... Args>
T* place(QWidget* parent, const QString& name, int left, int top, int width, int height, Args&&... args) {
    T* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    control->setGeometry(twipRect(left, top, width, height));
    return control;
}

} // namespace forms
