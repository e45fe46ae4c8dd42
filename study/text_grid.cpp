#include "study/text_grid.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>

#include "platform/runtime/twips.h"

namespace study {

TextGrid buildTextGrid(QWidget* frame, std::span<const GridRow> rows, std::span<const int> columnLefts,
                       const GridLayout& layout, const std::function<QString(int row, int column)>& name) {
    // The frame's caption is bold; its contents are not.
    QFont normal = frame->font();
    normal.setBold(false);
    int textAboveEnds = 0; // pixels: where the caption above ends
    for (std::size_t r = 0; r < rows.size(); ++r) {
        // A long caption wraps into the room down to the next row.
        const int room = r + 1 < rows.size() ? rows[r + 1].top - rows[r].top : layout.boxHeight * 2;
        auto* label = forms::place<QLabel>(frame, QString::fromLatin1(rows[r].label), layout.labelLeft,
                                           rows[r].top, layout.labelWidth, std::max(room, layout.boxHeight),
                                           QString::fromUtf8(rows[r].caption));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(normal);
        // The room is cut from the twip positions; a caption whose lines need a
        // few pixels more takes them from the free space above it, so that it
        // neither loses its last line's foot nor runs into the caption below.
        const int needed = label->heightForWidth(label->width());
        const int up = std::clamp(needed - label->height(), 0, std::max(0, label->y() - textAboveEnds));
        label->setGeometry(label->x(), label->y() - up, label->width(),
                           std::max(label->height() + up, needed));
        textAboveEnds = label->y() + needed;
    }
    TextGrid boxes;
    for (std::size_t c = 0; c < columnLefts.size(); ++c) {
        QVector<QLineEdit*> column;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            auto* box = forms::place<QLineEdit>(frame, name(int(r), int(c)), columnLefts[c], rows[r].top,
                                                layout.boxWidth, layout.boxHeight);
            box->setFont(normal);
            column << box;
        }
        boxes << column;
    }
    return boxes;
}

QGroupBox* placeFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* frame =
        forms::place<QGroupBox>(parent, QStringLiteral("Frame1"), left, top, width, height, caption);
    QFont bold = frame->font();
    bold.setBold(true);
    frame->setFont(bold);
    return frame;
}

} // namespace study
