#pragma once
// The sectorisation table of the EEAE study: nine sectors, fifteen fields each;
// a ticked sector is in the study.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "platform/runtime/forms.h"
#include "study/text_grid.h"

class Form2 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form2";
    static constexpr int sectorCount = 9;
    static constexpr int fieldCount = 15; // a to o, boxes named by study::sectorBox
    Form2();

    QGroupBox* Frame1;
    QCheckBox* Check[sectorCount]; // Check1 .. Check9
    study::TextGrid sectors;       // sectors[k - 1] holds sec<k>a .. sec<k>o
    QPushButton* back1;
    // "Export to excel (Stand alone)": its procedure is the Excel export's, so the
    // button is connected where the windows are registered (app/windows.cpp).
    QPushButton* print_report_excel;
    QPushButton* next_to_word;

public slots:
    // Check1_Click .. Check9_Click: one body over the sector number.
    void Check_Click(int sector);
    void back1_Click();
    void next_to_word_Click();
};
