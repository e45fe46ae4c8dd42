#include "salzburg/grid_rows.h"

#include <QRegularExpression>

namespace salzburg {

const std::array<GridRow, 22> gridRows = {{
    {'a', "Label2", "Τομέας"},
    {'b', "Label22", "Αριθμός που αντιστοιχεί στο χάρτη"},
    {'c', "Label4", "Αριθμός πομποδεκτών"},
    {'d', "Label1", "Συχνότητα λειτουργίας(MHz)"},
    {'e', "Label5", "Ισχύς στην είσοδο της κεραίας ανά φέρουσα (W)"},
    {'f', "Label6", "Ισχύς στην είσοδο της κεραίας ανά φέρουσα (dBm)"},
    {'g', "Label7", "Κατεύθυνση (μοίρες)"},
    {'h', "Label8", "Τύπος κεραιών"},
    {'i', "Label11", "Οριζόντια απόκλιση (μοίρες)"},
    {'j', "Label10", "Προς τα κάτω κλίση της κεραίας (μοίρες) *"},
    {'k', "Label18", "Ύψος κεραιών από τη χαμηλότερη άκρη (m) *"},
    {'l', "Label19", "Ύψος του σημείου έκθεσης της κεραίας (m) *"},
    {'m', "Label23",
     "Διαφορά ύψους μεταξύ εδάφους του σημείου έκθεσης της κεραίας και της περιοχής που βρίσκεται η "
     "κεραία (m)*"},
    {'n', "Label20", "Οριζόντια απόσταση (m) *"},
    {'o', "Label12", "Κάθετη απόκλιση (μοίρες)"},
    {'p', "Label13", "Κάθετη απόκλιση σε σχέση με την προς τα κάτω κλίση της κεραίας (μοίρες)"},
    {'q', "Label21", "Όριο πυκνότητας ισχύος ανά περιοχή και χειριστή (mW/m2)"},
    {'r', "Label9", "Κέρδος κεραιών (dBi) *"},
    {'s', "Label14", "Οριζόντια απώλεια (dB) *"},
    {'t', "Label15", "Κατακόρυφη απώλεια (dB) *"},
    {'u', "Label16", "Απώλεια καλωδίων (dB) *"},
    {'v', "Label17", "Γενικό κέρδος (dB)"},
}};

int rowIndex(char row) {
    return row - 'a';
}

QString rowName(char row) {
    static const QRegularExpression mark(QStringLiteral("\\s*\\*$"));
    return QString::fromUtf8(gridRows[rowIndex(row)].caption).remove(mark);
}

} // namespace salzburg
