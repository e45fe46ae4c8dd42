#include "report_excel/cell_map.h"

namespace report_excel {

namespace {
constexpr int B = 2, H = 8, M = 13, N = 14, O = 15;
constexpr bool held = true;
} // namespace

const StudyCell studyCells[studyCellCount] = {
    // Band inputs: nominal power (W), main-lobe and side-lobe gain (dBi).
    {68, H, "pgsm", Band::Gsm},
    {69, H, "gmlgsm", Band::Gsm},
    {70, H, "gslgsm", Band::Gsm},
    {77, H, "pdcs", Band::Dcs},
    {78, H, "gmldcs", Band::Dcs},
    {79, H, "gsldcs", Band::Dcs},
    {86, H, "pumts", Band::Umts},
    {87, H, "gmlumts", Band::Umts},
    {88, H, "gslumts", Band::Umts},
    // The two study distances (m).
    {98, B, "dp1", Band::None},
    {106, B, "dp2", Band::None},
    // Power density at distance 1 and 2 (W/m²).
    {118, H, "sg1", Band::Gsm},
    {119, H, "sd1", Band::Dcs},
    {120, H, "su1", Band::Umts},
    {122, H, "sg2", Band::Gsm},
    {123, H, "sd2", Band::Dcs},
    {124, H, "su2", Band::Umts},
    // Electric field at distance 1 and 2 (V/m).
    {129, H, "eg1", Band::Gsm, held},
    {130, H, "ed1", Band::Dcs, held},
    {131, H, "eu1", Band::Umts, held},
    {133, H, "eg2", Band::Gsm, held},
    {134, H, "ed2", Band::Dcs, held},
    {135, H, "eu2", Band::Umts, held},
    // Magnetic field at distance 1 and 2 (A/m).
    {140, H, "mg1", Band::Gsm},
    {141, H, "md1", Band::Dcs},
    {142, H, "mu1", Band::Umts},
    {144, H, "mg2", Band::Gsm},
    {145, H, "md2", Band::Dcs},
    {146, H, "mu2", Band::Umts},
    // Minimum safety distance at 60 % and 70 % of the EU limits (m).
    {167, H, "dg1", Band::Gsm},
    {168, H, "dd1", Band::Dcs},
    {169, H, "du1", Band::Umts},
    {174, H, "dg2", Band::Gsm},
    {175, H, "dd2", Band::Dcs},
    {176, H, "du2", Band::Umts},
    // Multi-frequency exposure index: 60 % at distance 1 and 2, then 70 %.
    {154, H, "depps1", Band::None},
    {155, H, "depps2", Band::None},
    {157, H, "depps3", Band::None},
    {158, H, "depps4", Band::None},
};

const SectorColumn sectorColumns[sectorCount] = {
    {207, M}, {207, N}, {207, O}, // sectors 1 to 3
    {226, M}, {226, N}, {226, O}, // sectors 4 to 6
    {244, M}, {244, N}, {244, O}, // sectors 7 to 9
};

} // namespace report_excel
