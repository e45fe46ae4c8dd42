#include "salzburg/problems.h"

#include <QStringList>

#include "salzburg/grid_rows.h"

namespace salzburg {

QString notComputed(int sector, const QString& quantity, const QString& why) {
    const QString what = quantity.isEmpty() ? QStringLiteral("Τομέας %1").arg(sector)
                                            : QStringLiteral("Τομέας %1, «%2»").arg(sector).arg(quantity);
    return QStringLiteral("%1: δεν υπολογίστηκε, γιατί %2.").arg(what, why);
}

QString noNumberIn(const QList<char>& rows) {
    QStringList names;
    for (char row : rows)
        names << QStringLiteral("«%1»").arg(rowName(row));
    if (names.size() == 1)
        return QStringLiteral("το πεδίο %1 δεν περιέχει αριθμό").arg(names.first());
    return QStringLiteral("τα πεδία %1 δεν περιέχουν αριθμό").arg(names.join(QStringLiteral(", ")));
}

} // namespace salzburg
