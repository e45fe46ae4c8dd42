#include "excel.h"

#include <QDir>
#include <algorithm>

#include "excel_sheet.h"
#include "excel_workbook.h"
#include "platform/desktop/desktop.h"

namespace excel {

namespace {
Recorder* recorder = nullptr;

void record(Recorder::Kind kind, const QString& path = QString(), int row = 0, int column = 0,
            const QString& text = QString()) {
    if (!recorder)
        return;
    Recorder::Call call;
    call.kind = kind;
    call.path = path;
    call.row = row;
    call.column = column;
    call.text = text;
    recorder->calls.append(call);
}
} // namespace

// Range ---------------------------------------------------------------------

Range::Range(Application& application, WorkbookFile& workbook, int row, int column)
    : application(&application)
    , workbook(&workbook)
    , row(row)
    , column(column) {}

void Range::setValue(const QString& text) {
    application->checkRunning();
    workbook->setText(row, column, text);
    record(Recorder::Kind::Write, QString(), row, column, text);
}

// Workbooks -----------------------------------------------------------------

void Workbooks::open(const QString& path) {
    application->checkRunning();
    application->open.push_back({std::make_unique<WorkbookFile>(path)});
    record(Recorder::Kind::Open, path);
    // Excel shows a workbook opened while it is visible.
    if (application->visible)
        application->setVisible(true);
}

// Application ---------------------------------------------------------------

Application::Application()
    : books(*this) {
    record(Recorder::Kind::Create);
}

Application::~Application() = default;

void Application::checkRunning() const {
    if (ended)
        throw Error(QStringLiteral("Το Excel έκλεισε· η εντολή δεν εκτελέστηκε."));
}

Range Application::cells(int row, int column) {
    checkRunning();
    if (open.empty())
        throw Error(QStringLiteral("Δεν υπάρχει ανοιχτό βιβλίο εργασίας."));
    if (row < 1 || row > sheet::maxRow || column < 1 || column > sheet::maxColumn)
        throw Error(QStringLiteral("Το κελί (%1, %2) είναι εκτός φύλλου.").arg(row).arg(column));
    return Range(*this, *open.back().file, row, column);
}

void Application::setVisible(bool show) {
    checkRunning();
    visible = show;
    if (!show)
        return;
    for (Opened& book : open) {
        if (book.shown)
            continue;
        const QString file = book.file->currentFile();
        if (!desktop::openForUser(file))
            throw NotOpened(file);
        book.shown = true;
        record(Recorder::Kind::Show, file);
    }
}

void Application::quit() {
    checkRunning();
    open.clear();
    visible = false;
    ended = true;
    record(Recorder::Kind::Quit);
}

// Recorder ------------------------------------------------------------------

Recorder::Recorder() {
    recorder = this;
}

Recorder::~Recorder() {
    if (recorder == this)
        recorder = nullptr;
}

QList<Recorder::Write> Recorder::writes() const {
    QList<Write> result;
    for (const Call& call : calls)
        if (call.kind == Kind::Write)
            result.append({call.row, call.column, call.text});
    return result;
}

int Recorder::count(Kind kind) const {
    return int(std::count_if(calls.begin(), calls.end(), [kind](const Call& c) { return c.kind == kind; }));
}

} // namespace excel
