#pragma once
// A command button in graphical style: its picture above its caption, the
// caption wrapped onto as many lines as the button's width needs.
#include <QPushButton>

namespace forms {

class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    GraphicalButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
