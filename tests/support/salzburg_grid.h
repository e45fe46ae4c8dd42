#pragma once
// Driving the Salzburg windows as a user does: tick a sector, type into its
// boxes, press buttons by name.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "platform/runtime/messages.h"
#include "study_test.h"
#include "window_helpers.h"

namespace testsupport {

inline const QString grid = QStringLiteral("Form2_saltz");
inline const QString resultsWindow = QStringLiteral("results");

inline QLineEdit* gridBox(int sector, char row) {
    return forms::control<QLineEdit>(grid, QStringLiteral("sec%1%2").arg(sector).arg(row));
}

inline QLineEdit* resultBox(int sector, char row) {
    return forms::control<QLineEdit>(resultsWindow, QStringLiteral("res%1%2").arg(sector).arg(row));
}

// Clicks the sector's tick box (the grid is shown first, as a user sees it).
inline void tick(int sector) {
    forms::show(grid);
    press(grid, QStringLiteral("Check%1").arg(sector));
}

// Types "k=30;l=10" into the sector's boxes; "k=" empties a box.
inline void fill(int sector, const QString& rows) {
    for (const QString& entry : rows.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const char row = entry.at(0).toLatin1();
        type(gridBox(sector, row), entry.mid(2));
    }
}

} // namespace testsupport
