// The Excel export as the user runs it: a study with all three bands and all
// nine sectors, the template read, 174 cells written, the filled copy saved.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <benchmark/benchmark.h>

#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_excel/cell_map.h"
#include "report_excel/print_report_excel.h"
#include "study/sector_boxes.h"
#include "study_test.h"
#include "temp_folder.h"

namespace {

void fillStudy() {
    for (int band = 1; band <= 3; ++band)
        forms::control<QCheckBox>(QStringLiteral("Form1"), QStringLiteral("Check%1").arg(band))
            ->setChecked(true);
    for (const report_excel::StudyCell& cell : report_excel::studyCells)
        forms::setTextOf(forms::control<QWidget>(QStringLiteral("Form1"), QString::fromLatin1(cell.box)),
                         QStringLiteral("12,3456"));
    for (int sector = 1; sector <= report_excel::sectorCount; ++sector) {
        forms::control<QCheckBox>(QStringLiteral("Form2"), QStringLiteral("Check%1").arg(sector))
            ->setChecked(true);
        for (int field = 0; field < report_excel::sectorFieldCount; ++field)
            forms::setTextOf(
                forms::control<QWidget>(QStringLiteral("Form2"), study::sectorBox(sector, field)),
                QStringLiteral("Κεραία 742 265"));
    }
}

void BM_ExcelExport(benchmark::State& state) {
    testsupport::Session session;
    testsupport::TemporaryFolder temporary;
    fillStudy();
    for (auto _ : state) {
        report_excel::print_report_excel_Click();
        state.PauseTiming();
        if (session.desktop.opened.size() != 1 || !session.messages.shown.isEmpty()) {
            state.SkipWithError("the export did not show one filled workbook");
            break;
        }
        QFile::remove(session.desktop.opened.takeFirst());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExcelExport)->Unit(benchmark::kMillisecond);

} // namespace
