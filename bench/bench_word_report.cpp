// The whole report procedure on the shipped templates: a study with every box
// filled, "Create report" as the save-as window runs it, the report written.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "platform/controls.h"
#include "platform/forms.h"
#include "report_word/report_assembly.h"
#include "report_word/report_tables.h"
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
    // The templates copied, so the benchmark rewrites no description template of the build.
    QTemporaryDir program;
    QTemporaryDir out;
    QDir().mkpath(program.filePath(QStringLiteral("words")));
    for (const QString& name :
         QDir(testsupport::programFolder() + QStringLiteral("/words")).entryList(QDir::Files))
        QFile::copy(testsupport::programFolder() + QStringLiteral("/words/") + name,
                    program.filePath(QStringLiteral("words/") + name));
    desktop::setProgramFolder(program.path());
    fillStudy();
    for (auto _ : state) {
        if (!report_word::createReport(out.path(), QStringLiteral("μελέτη"))) {
            state.SkipWithError(qPrintable(session.messages.texts().join(u'\n')));
            break;
        }
    }
    state.counters["report_bytes"] = QFileInfo(out.filePath(QStringLiteral("μελέτη.doc"))).size();
}
BENCHMARK(BM_WordReport)->Unit(benchmark::kMillisecond);

} // namespace
