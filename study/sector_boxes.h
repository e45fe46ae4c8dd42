#pragma once
// A sectorisation table names its boxes sec<k><field>: "sec4g" holds field g of
// sector 4. Both sector windows (the EEAE study's Form2 and the Salzburg study's
// Form2_saltz) name them so, and the Word report and the Excel export find them
// by it. Header only, so the Salzburg window and the export name the boxes the
// same way without linking the study windows.
#include <QString>

namespace study {

// The box of sector k (from 1) and field f (0 for a, 1 for b, ...).
inline QString sectorBox(int sector, int field) {
    return QStringLiteral("sec%1%2").arg(sector).arg(QLatin1Char(char('a' + field)));
}

} // namespace study
