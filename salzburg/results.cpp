#include "salzburg/results.h"

#include "platform/numbers/numbers.h"
#include "platform/runtime/buttons.h"
#include "platform/runtime/messages.h"
#include "platform/runtime/twips.h"
#include "salzburg/Form2_saltz.h"
#include "salzburg/distance_figure.h"
#include "salzburg/formulas.h"
#include "salzburg/problems.h"

using forms::place;

namespace {
// The result table inside Frame1: a title label and six boxes per row; there is
// no row c.
struct ResultRow {
    char letter;
    const char* titleLabel;
    const char* title;
    int top;
};

const ResultRow resultRows[] = {
    {'a', "Label1", "Τομέας", 480},
    {'b', "Label2", "Πυκνότητα ισχύος στο σημείο έκθεσης (mW/m2)", 1080},
    {'d', "Label4", "Μειωμένη ισχύς ανά κανάλι (W)", 1680},
    {'e', "Label5", "Μειωμένη ισχύς ανά κανάλι (dBm)", 2280},
    {'f', "Label6", "Ενδιάμεση τιμή κέρδους (W)", 2880},
};

const int columnLefts[results::sectorCount] = {4200, 6480, 8880, 11280, 13680, 16080};
constexpr int boxWidth = 1815, boxHeight = 285;
constexpr int titleLeft = 120, titleWidth = 4065, titleHeight = 480;

const int figureButtonTops[results::sectorCount] = {5880, 6480, 7080, 7680, 8280, 8880};

int resultRowIndex(char row) {
    for (int i = 0; i < int(std::size(resultRows)); ++i)
        if (resultRows[i].letter == row)
            return i;
    Q_ASSERT_X(false, "results", "no such result row");
    return 0;
}
} // namespace

results::results()
    : forms::Window(QString::fromLatin1(formName),
                    QStringLiteral("Αποτελέσματα μελέτης - Γραφική απεικόνιση περιοχών"), 18960, 11160,
                    forms::CloseBox::Hide) {
    Frame1 = place<QGroupBox>(client(), QStringLiteral("Frame1"), 360, 480, 18135, 3375,
                              QStringLiteral("Αποτελέσματα μελέτης"));
    for (const ResultRow& row : resultRows) {
        QLabel* title = place<QLabel>(Frame1, QString::fromLatin1(row.titleLabel), titleLeft,
                                      row.top + (boxHeight - titleHeight) / 2, titleWidth, titleHeight,
                                      QString::fromUtf8(row.title));
        title->setWordWrap(true);
        title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int sector = 1; sector <= sectorCount; ++sector)
            boxes[sector - 1][resultRowIndex(row.letter)] =
                place<QLineEdit>(Frame1, QStringLiteral("res%1%2").arg(sector).arg(row.letter),
                                 columnLefts[sector - 1], row.top, boxWidth, boxHeight);
    }

    Frame2 = place<QGroupBox>(client(), QStringLiteral("Frame2"), 2640, 3840, 9975, 6855,
                              QStringLiteral("Γραφική Απεικόνιση Αποστάσεων"));
    const salzburg::FigureLabels labels = salzburg::placeDistanceFigure(Frame2);
    Label3 = labels.Label3;
    Label7 = labels.Label7;
    Label8 = labels.Label8;
    Label9 = labels.Label9;
    Label10 = labels.Label10;

    for (int sector = 1; sector <= sectorCount; ++sector) {
        QPushButton* button = place<QPushButton>(client(), QStringLiteral("sc%1").arg(sector), 13440,
                                                 figureButtonTops[sector - 1], 1335, 375,
                                                 QStringLiteral("Σχήμα %1").arg(sector));
        button->setEnabled(false);
        forms::onClick(button, this, &results::scN_Click, sector);
        figureButtons[sector - 1] = button;
    }

    back =
        place<QPushButton>(client(), QStringLiteral("back"), 15120, 7320, 1335, 375, QStringLiteral("Back"));
    forms::onClick(back, this, &results::back_Click);
}

QLineEdit* results::res(int sector, char row) const {
    return boxes[sector - 1][resultRowIndex(row)];
}

void results::setResult(int sector, char row, const QString& text) {
    QLineEdit* box = res(sector, row);
    box->setText(text);
    box->setCursorPosition(0);
}

QString results::rowTitle(char row) {
    return QString::fromUtf8(resultRows[resultRowIndex(row)].title);
}

// The five writes in their order: k, n, m as typed, then k − l computed, then l
// as typed. No unit is added.
QString results::showFigureOf(int sector) {
    const Form2_saltz* grid = forms::get<Form2_saltz>();
    Label3->setText(grid->rowText(sector, 'k'));
    Label7->setText(grid->rowText(sector, 'n'));
    Label9->setText(grid->rowText(sector, 'm'));
    const salzburg::RowNumbers heights = grid->rowNumbers(sector, "kl");
    const salzburg::Value difference = heights.complete()
                                           ? salzburg::heightDifference(heights['k'], heights['l'])
                                           : salzburg::Value{{}, salzburg::noNumberIn(heights.notNumbers())};
    Label8->setText(difference.number ? numbers::text(*difference.number) : QStringLiteral("-"));
    Label10->setText(grid->rowText(sector, 'l'));
    if (difference.number)
        return QString();
    return salzburg::notComputed(sector, QStringLiteral("Διαφορά ύψους κεραίας και σημείου έκθεσης (m)"),
                                 difference.whyNot);
}

void results::scN_Click(int sector) {
    const QString problem = showFigureOf(sector);
    if (!problem.isEmpty())
        messages::critical(problem);
}

// The one back button that hides its own window before showing the previous one.
void results::back_Click() {
    forms::hide<results>();
    forms::show<Form2_saltz>();
}
