#include "report_excel/cell_map.h"

#include "eeae/band_boxes.h"

namespace report_excel {

namespace {
constexpr int B = 2, H = 8, M = 13, N = 14, O = 15;
constexpr bool held = true;
} // namespace

using eeae::boxesOf;
using eeae::distanceBoxes;
using eeae::indexBoxes;
using eeae::resultBox;
using enum eeae::Band;
using enum eeae::Result;

const StudyCell studyCells[studyCellCount] = {
    // Band inputs: nominal power (W), main-lobe and side-lobe gain (dBi).
    {68, H, boxesOf(Gsm).power, Gsm},
    {69, H, boxesOf(Gsm).mainGain, Gsm},
    {70, H, boxesOf(Gsm).sideGain, Gsm},
    {77, H, boxesOf(Dcs).power, Dcs},
    {78, H, boxesOf(Dcs).mainGain, Dcs},
    {79, H, boxesOf(Dcs).sideGain, Dcs},
    {86, H, boxesOf(Umts).power, Umts},
    {87, H, boxesOf(Umts).mainGain, Umts},
    {88, H, boxesOf(Umts).sideGain, Umts},
    // The two study distances (m).
    {98, B, distanceBoxes[0], std::nullopt},
    {106, B, distanceBoxes[1], std::nullopt},
    // Power density at distance 1 and 2 (W/m²).
    {118, H, resultBox(Gsm, S1), Gsm},
    {119, H, resultBox(Dcs, S1), Dcs},
    {120, H, resultBox(Umts, S1), Umts},
    {122, H, resultBox(Gsm, S2), Gsm},
    {123, H, resultBox(Dcs, S2), Dcs},
    {124, H, resultBox(Umts, S2), Umts},
    // Electric field at distance 1 and 2 (V/m).
    {129, H, resultBox(Gsm, E1), Gsm, held},
    {130, H, resultBox(Dcs, E1), Dcs, held},
    {131, H, resultBox(Umts, E1), Umts, held},
    {133, H, resultBox(Gsm, E2), Gsm, held},
    {134, H, resultBox(Dcs, E2), Dcs, held},
    {135, H, resultBox(Umts, E2), Umts, held},
    // Magnetic field at distance 1 and 2 (A/m).
    {140, H, resultBox(Gsm, M1), Gsm},
    {141, H, resultBox(Dcs, M1), Dcs},
    {142, H, resultBox(Umts, M1), Umts},
    {144, H, resultBox(Gsm, M2), Gsm},
    {145, H, resultBox(Dcs, M2), Dcs},
    {146, H, resultBox(Umts, M2), Umts},
    // Minimum safety distance at 60 % and 70 % of the EU limits (m).
    {167, H, resultBox(Gsm, D1), Gsm},
    {168, H, resultBox(Dcs, D1), Dcs},
    {169, H, resultBox(Umts, D1), Umts},
    {174, H, resultBox(Gsm, D2), Gsm},
    {175, H, resultBox(Dcs, D2), Dcs},
    {176, H, resultBox(Umts, D2), Umts},
    // Multi-frequency exposure index: 60 % at distance 1 and 2, then 70 %.
    {154, H, indexBoxes[0], std::nullopt},
    {155, H, indexBoxes[1], std::nullopt},
    {157, H, indexBoxes[2], std::nullopt},
    {158, H, indexBoxes[3], std::nullopt},
};

const SectorColumn sectorColumns[sectorCount] = {
    {207, M}, {207, N}, {207, O}, // sectors 1 to 3
    {226, M}, {226, N}, {226, O}, // sectors 4 to 6
    {244, M}, {244, N}, {244, O}, // sectors 7 to 9
};

} // namespace report_excel
