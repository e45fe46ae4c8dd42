#pragma once
// The messages for a Salzburg value that could not be computed: they name the
// sector, the quantity and the reason.
#include <QList>
#include <QString>

namespace salzburg {

// "Τομέας 2, «Κάθετη απόκλιση (μοίρες)»: δεν υπολογίστηκε, γιατί <why>." An
// empty quantity stands for the whole sector.
QString notComputed(int sector, const QString& quantity, const QString& why);

// The reason for grid rows that hold no number, named by their captions.
QString noNumberIn(const QList<char>& rows);

} // namespace salzburg
