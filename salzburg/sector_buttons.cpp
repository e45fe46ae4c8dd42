// The five kinds of per-sector button of the Salzburg grid: each reads boxes of
// its own sector column and writes one box of it.
#include <QStringList>

#include "platform/numbers/numbers.h"
#include "platform/runtime/messages.h"
#include "salzburg/Form2_saltz.h"
#include "salzburg/grid_rows.h"
#include "salzburg/problems.h"

using namespace salzburg;

void Form2_saltz::calcNa_Click(int sector) {
    convert(sector, {"klmn", 'o', "Ανεπαρκείς παράμετροι για τον υπολογισμό της Κάθετης Απόκλισης!",
                     [](const RowNumbers& x) { return verticalDeviation(x['k'], x['l'], x['m'], x['n']); }});
}

void Form2_saltz::calcNb_Click(int sector) {
    convert(sector, {"oj", 'p',
                     "Ανεπαρκείς παράμετροι για τον υπολογισμό της Κάθετης Απόκλισης σε σχέση με την προς τα "
                     "κάτω κλίση της κεραίας!",
                     [](const RowNumbers& x) { return deviationFromDowntilt(x['o'], x['j']); }});
}

void Form2_saltz::calcNc_Click(int sector) {
    convert(sector, {"rust", 'v', " Ανεπαρκείς παράμετροι για τον υπολογισμό του Γενικού Κέρδους!",
                     [](const RowNumbers& x) { return overallGain(x['r'], x['u'], x['s'], x['t']); }});
}

// Sector 1's button gives its hint with the information icon, the others with
// the critical one.
void Form2_saltz::to_dBmN_Click(int sector) {
    convert(sector,
            {"e", 'f', "Ανεπαρκείς παράμετροι για τον υπολογισμό της ισχύος ανά φέρουσα(dBm)!",
             [](const RowNumbers& x) { return dBmOfWatts(x['e']); }},
            sector == 1);
}

void Form2_saltz::to_WattN_Click(int sector) {
    convert(sector, {"f", 'e', " Ανεπαρκείς παράμετροι για τον υπολογισμό της ισχύος ανά φέρουσα (W)!",
                     [](const RowNumbers& x) { return wattsOfDbm(x['f']); }});
}

// The frame every per-sector button shares: an empty input gives the kind's
// message; an input that is no number, or inputs the formula has no value for,
// give a message naming the sector and the quantity. Either way nothing changes.
void Form2_saltz::convert(int sector, const Conversion& conversion, bool emptyIsHint) {
    bool anyEmpty = false;
    for (const char* row = conversion.reads; *row; ++row)
        anyEmpty = anyEmpty || rowText(sector, *row).isEmpty();
    if (anyEmpty) {
        const QString message = QString::fromUtf8(conversion.emptyMessage);
        emptyIsHint ? messages::information(message) : messages::critical(message);
        return;
    }

    const RowNumbers inputs = rowNumbers(sector, conversion.reads);
    const Value result =
        inputs.complete() ? conversion.formula(inputs) : Value{{}, noNumberIn(inputs.notNumbers())};
    if (!result.number) {
        messages::critical(notComputed(sector, rowName(conversion.writes), result.whyNot));
        return;
    }
    sec(sector, conversion.writes)->setText(numbers::text(*result.number));
}
