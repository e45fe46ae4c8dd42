// The report on the shipped templates, a study with every box filled: the
// report procedure alone, and the press of "Create report" as the user meets
// it, with the study's windows shown, from the click to the report opened.
// Run under a real X server: QT_QPA_PLATFORM=xcb xvfb-run -a bench_word_report
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "platform/runtime/controls.h"
#include "platform/runtime/filelists.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "report_word/browse.h"
#include "report_word/report_assembly.h"
#include "report_word/report_tables.h"
#include "study/Form2.h"
#include "study_test.h"

namespace {

void fillStudy() {
    for (const report_word::ReportCell& cell : report_word::reportCells())
        forms::setTextOf(forms::control<QWidget>(QString::fromLatin1(cell.window), cell.box), cell.box);
    forms::setTextOf(
        forms::control<QWidget>(QStringLiteral("eisagwgh_meleths"), QStringLiteral("eisagwgh_txt")),
        QStringLiteral("Ο σταθμός βρίσκεται στο δώμα πενταώροφου κτιρίου.\nΔύο ιστοί, οκτώ κεραίες."));
}

void BM_WordReport(benchmark::State& state) {
    testsupport::Session session;
    testsupport::ReportProgram program; // no run rewrites the build's own templates
    fillStudy();
    for (auto _ : state) {
        if (!report_word::createReport(program.reports, QStringLiteral("μελέτη"))) {
            state.SkipWithError(qPrintable(session.messages.texts().join(u'\n')));
            break;
        }
    }
    state.counters["report_bytes"] = QFileInfo(program.reports + QStringLiteral("/μελέτη.doc")).size();
}
BENCHMARK(BM_WordReport)->Unit(benchmark::kMillisecond);

void BM_CreateReportPress(benchmark::State& state) {
    testsupport::Session session;
    testsupport::ReportProgram program; // no run rewrites the build's own templates
    fillStudy();
    for (const char* window : {"pinb1", "pinb2", "eisagwgh_meleths", "Form1", "Form2"})
        forms::show(QString::fromLatin1(window));
    for (auto _ : state) {
        state.PauseTiming();
        forms::get<Form2>()->next_to_word->click();
        browse* window = forms::get<browse>();
        window->Dir1->setPath(program.reports);
        window->Text1->setText(QStringLiteral("μελέτη"));
        QCoreApplication::processEvents();
        session.desktop.opened.clear();
        state.ResumeTiming();

        QTest::mouseClick(window->create_report, Qt::LeftButton);
        session.settle();

        if (session.desktop.opened.size() != 1 || forms::isLoaded(QStringLiteral("browse"))) {
            state.SkipWithError(qPrintable(session.messages.texts().join(u'\n')));
            break;
        }
    }
}
BENCHMARK(BM_CreateReportPress)->Unit(benchmark::kMillisecond);

} // namespace
