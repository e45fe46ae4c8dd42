// The Salzburg calculation: for each ticked sector the gain factor, the power
// density at the exposure point and the reduced power per channel, written into
// the results window.
#include <QStringList>

#include "platform/numbers/numbers.h"
#include "platform/runtime/messages.h"
#include "salzburg/Form2_saltz.h"
#include "salzburg/problems.h"
#include "salzburg/results.h"

using namespace salzburg;

namespace {
const QString zeroGainMarker = QStringLiteral("Δεν ορίζεται (Ενδιάμεση τιμή κέρδους κεραίας = 0)");
// In a result box that the sector's inputs give no value for.
const QString notComputedMarker = QStringLiteral("-");
} // namespace

void Form2_saltz::calculations_Click() {
    forms::show<results>();
    results& shown = *forms::get<results>();
    QStringList problems;
    for (int sector = 1; sector <= sectorCount; ++sector)
        if (Check(sector)->isChecked())
            calculateSector(sector, shown, problems);
    if (!problems.isEmpty())
        messages::critical(
            QStringLiteral("Ορισμένα αποτελέσματα δεν υπολογίστηκαν και σημειώνονται με «-»:\n") +
            problems.join(QLatin1Char('\n')));
}

void Form2_saltz::calculateSector(int sector, results& shown, QStringList& problems) {
    // Writes a result into box row of the sector's column, or, when it has none,
    // the marker and the reason. True when a number was written.
    auto put = [&](char row, const Value& value) {
        if (value.number) {
            shown.setResult(sector, row, numbers::text(*value.number));
            return true;
        }
        shown.setResult(sector, row, notComputedMarker);
        problems << notComputed(sector, results::rowTitle(row), value.whyNot);
        return false;
    };
    // A result written above, read back from the text the box shows.
    auto readBack = [&](char row) { return numbers::parse(shown.res(sector, row)->text()).value_or(0); };

    shown.sc(sector)->setEnabled(true);
    shown.setResult(sector, 'a', rowText(sector, 'a'));

    const RowNumbers in = rowNumbers(sector, "ceklmnqv");
    if (!in.complete()) {
        for (char row : {'f', 'b', 'd', 'e'})
            shown.setResult(sector, row, notComputedMarker);
        problems << notComputed(sector, QString(), noNumberIn(in.notNumbers()));
    } else if (put('f', gainFactor(in['v']))) {
        const double G = readBack('f');
        const double T = in['c'], P = in['e'];
        const double R2 = squaredDistance(in['k'], in['l'], in['m'], in['n']);
        if (G > 0) {
            put('b', powerDensity(P, T, G, R2));
            if (put('d', reducedPower(in['q'], R2, G, T)))
                put('e', dBmOfWatts(readBack('d')));
            else
                shown.setResult(sector, 'e', notComputedMarker);
        } else {
            // Without gain the density is that of the bare power, and no reduced
            // power meets the limit.
            put('b', powerDensity(P, T, 1, R2));
            shown.setResult(sector, 'd', zeroGainMarker);
            shown.setResult(sector, 'e', zeroGainMarker);
        }
    } else {
        for (char row : {'b', 'd', 'e'})
            shown.setResult(sector, row, notComputedMarker);
    }

    if (sector == 1) {
        const QString figureProblem = shown.showFigureOf(1);
        if (!figureProblem.isEmpty())
            problems << figureProblem;
    }
}
