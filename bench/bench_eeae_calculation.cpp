// The band-calculation window: creating it (part of the first "Proceed" into it)
// and a press of "Υπολογισμοί" with all three bands.
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include "eeae/Form1.h"
#include "study_test.h"

namespace {
void setText(const char* box, const char* text) {
    forms::control<QLineEdit>(QStringLiteral("Form1"), QString::fromLatin1(box))
        ->setText(QString::fromUtf8(text));
}

void createWindow(benchmark::State& state) {
    testsupport::Session session;
    for (auto _ : state) {
        benchmark::DoNotOptimize(forms::get<Form1>());
        forms::unload(QStringLiteral("Form1"));
        session.settle();
    }
}
BENCHMARK(createWindow)->Unit(benchmark::kMillisecond);

void calculateThreeBands(benchmark::State& state) {
    testsupport::Session session;
    Form1* window = forms::get<Form1>();
    for (QCheckBox* check : {window->Check1, window->Check2, window->Check3})
        check->setChecked(true);
    const char* inputs[][2] = {{"pgsm", "20"},   {"gmlgsm", "17"}, {"gslgsm", "5"}, {"pdcs", "10"},
                               {"gmldcs", "18"}, {"gsldcs", "6"},  {"pumts", "15"}, {"gmlumts", "17,5"},
                               {"gslumts", "4"}, {"dp1", "10"},    {"dp2", "50"}};
    for (const auto& input : inputs)
        setText(input[0], input[1]);
    for (auto _ : state)
        window->calculate_Click();
}
BENCHMARK(calculateThreeBands)->Unit(benchmark::kMicrosecond);
} // namespace
