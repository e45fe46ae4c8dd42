#include "platform/runtime/graphical_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace forms {

GraphicalButton::GraphicalButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setIconSize(QSize(20, 20));
}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The frame of a button without its own text and picture, then both laid
    // out as a graphical button shows them.
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect inside = rect().adjusted(3, 3, -3, -3);
    const QSize picture = icon().isNull() ? QSize(0, 0) : iconSize();
    const QRect pictureRect(inside.left() + (inside.width() - picture.width()) / 2, inside.top(),
                            picture.width(), picture.height());
    if (!icon().isNull())
        icon().paint(&painter, pictureRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QRect captionRect(inside.left(), pictureRect.bottom() + 1, inside.width(),
                            inside.bottom() - pictureRect.bottom());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

} // namespace forms
