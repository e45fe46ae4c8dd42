// Start-up: what the program does from main() until its start window is shown
// (the application object, the windows registered, the start window created,
// shown and painted), measured once as a fresh process meets it, and then the
// start window's creation and showing alone, repeated.
#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "app/application.h"
#include "app/windows.h"
#include "platform/runtime/forms.h"
#include "study_test.h"

namespace {

void BM_StartWindowShown(benchmark::State& state) {
    testsupport::Session session;
    for (auto _ : state) {
        forms::show(QStringLiteral("intro"));
        QCoreApplication::processEvents();
        state.PauseTiming();
        forms::unloadAllForTest();
        session.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWindowShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    app::setUpApplication();
    app::registerWindows();
    forms::show(QStringLiteral("intro"));
    QCoreApplication::processEvents();
    std::printf("first start, main() to start window shown: %.1f ms\n", sinceMain.nsecsElapsed() / 1e6);
    forms::unloadAllForTest();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
