// The Salzburg windows: building the sector grid (what "Proceed" on the antenna
// sheet costs) and a calculation of all six sectors into the results window.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "platform/runtime/forms.h"
#include "salzburg/Form2_saltz.h"
#include "study_test.h"

namespace {
void BM_OpenGrid(benchmark::State& state) {
    testsupport::Session session;
    for (auto _ : state) {
        forms::show(QStringLiteral("Form2_saltz"));
        QCoreApplication::processEvents();
        state.PauseTiming();
        forms::unloadAllForTest();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGrid)->Unit(benchmark::kMillisecond);

void BM_CalculateSixSectors(benchmark::State& state) {
    testsupport::Session session;
    Form2_saltz* grid = forms::get<Form2_saltz>();
    const std::pair<char, const char*> inputs[] = {{'a', "Α"},  {'c', "2"},   {'e', "10"},
                                                   {'k', "30"}, {'l', "10"},  {'m', "0"},
                                                   {'n', "50"}, {'q', "100"}, {'v', "15"}};
    for (int sector = 1; sector <= Form2_saltz::sectorCount; ++sector) {
        grid->Check(sector)->setChecked(true);
        for (const auto& [row, text] : inputs)
            grid->sec(sector, row)->setText(QString::fromUtf8(text));
    }
    for (auto _ : state) {
        grid->calculations_Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateSixSectors)->Unit(benchmark::kMillisecond);
} // namespace
