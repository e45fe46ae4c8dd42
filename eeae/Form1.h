#pragma once
// The band-calculation window of the EEAE study: per band the inputs and the
// computed power density, field strengths and safety distances, the two study
// distances, the multi-frequency exposure index and the site diagram.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>
#include <vector>

#include "eeae/band_calculation.h"
#include "platform/runtime/forms.h"
#include "platform/runtime/shapes.h"

class Form1 : public forms::Window {
    Q_OBJECT
public:
    static constexpr const char* formName = "Form1";
    Form1();

    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QLineEdit* dp1;
    QLineEdit* dp2;
    QLabel* Picture1;
    QPushButton* calculate;
    QPushButton* reset;
    QPushButton* proceed;
    QPushButton* back;

public slots:
    void calculate_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void reset_Click();
    void proceed_Click();
    void back_Click();

private:
    // A band's controls, in the order of the band table.
    struct BandControls {
        QCheckBox* check;
        QLineEdit* power;
        QLineEdit* mainGain;
        QLineEdit* sideGain;
        std::array<QLineEdit*, 8> results; // s1, s2, e1, e2, m1, m2, d1, d2
        std::array<QLineEdit*, 3> inputs() const { return {power, mainGain, sideGain}; }
    };
    std::array<BandControls, 3> bands;
    std::array<QLineEdit*, 4> depps;   // depps1..depps4
    std::array<forms::Line*, 6> lines; // Line1..Line6
    std::array<QLabel*, 6> captions;   // Label13, Label18, Label19, Label20, Label21, Label22

    void buildBandFrames();
    void buildDistances();
    void buildResults();
    void buildDiagram();
    void buildButtons();
    void buildTabOrder();

    BandControls& controlsOf(eeae::Band band) { return bands[eeae::indexOf(band)]; }
    std::vector<eeae::Band> tickedBands() const;
    // A band's three inputs, when all three are numbers.
    std::optional<eeae::BandInputs> inputsOf(eeae::Band band) const;
    // The power densities its boxes hold, when both are numbers.
    std::optional<eeae::BandDensities> densitiesOf(eeae::Band band) const;

    void onBandClicked(eeae::Band own, eeae::Band firstOther, eeae::Band secondOther);
    void writeIndex(const std::array<double, 4>& index);
    void writeMarker(const QString& marker, eeae::Band band);
    // The diagram state for bands in the study, lines first, then captions.
    void showDiagram(const std::vector<eeae::Band>& study);
    // The no-band state, captions first, then lines.
    void clearDiagram();
};
