#pragma once
// The spreadsheet stand-in: an application with its workbooks, the cells of the
// active worksheet, and a window that shows the workbooks to the user.
// Workbooks are SpreadsheetML packages. A workbook opened and shown without a
// change is handed to the desktop as the file stands (an old binary .xls opens
// in the user's own application); a changed one is shown from a new copy, so
// the file it was opened from is never written. Failures throw excel::Error,
// the office layer's one error (office_error.h).
#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "excel_error.h"

namespace excel {

class Application;
class WorkbookFile;

// One cell of a worksheet, as the application's cells(row, column) gives it.
class Range {
public:
    // The cell holds text as a string: "2,5" stays text, never a number.
    void setValue(const QString& text);

private:
    friend class Application;
    Range(Application& application, WorkbookFile& workbook, int row, int column);
    Application* application;
    WorkbookFile* workbook;
    int row;
    int column;
};

// The application's open workbooks.
class Workbooks {
public:
    // Opens the workbook at path; it becomes the active workbook and the sheet it
    // was saved on the active worksheet. The file is read only when a cell is
    // written. Throws Error when there is no file at path.
    void open(const QString& path);

private:
    friend class Application;
    explicit Workbooks(Application& application)
        : application(&application) {}
    Application* application;
};

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Workbooks& workbooks() { return books; }
    // A cell of the active worksheet, 1-based. Throws Error when no workbook is
    // open or the cell lies outside the sheet.
    Range cells(int row, int column);

    bool isVisible() const { return visible; }
    // Making the application visible opens every workbook not yet shown for the
    // user, as it now stands. Throws Error when the copy of a changed workbook
    // cannot be written or nothing can open the file.
    void setVisible(bool visible);
    // Closes every workbook without saving; the application answers nothing more.
    void quit();

private:
    friend class Workbooks;
    friend class Range;
    void checkRunning() const;

    struct Opened {
        std::unique_ptr<WorkbookFile> file;
        bool shown = false;
    };
    Workbooks books;
    std::vector<Opened> open;
    bool visible = false;
    bool ended = false;
};

// While a recorder lives, every call that an Application carried out is kept
// here in order (the calls still take effect): tests read which spreadsheet
// was created, which cells were written with what, and what was shown.
class Recorder {
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    enum class Kind { Create, Open, Write, Show, Quit };
    struct Call {
        Kind kind = Kind::Create;
        QString path; // Open: the path asked for; Show: the file handed to the desktop
        int row = 0;
        int column = 0;
        QString text;
        bool operator==(const Call&) const = default;
    };
    QList<Call> calls;

    struct Write {
        int row;
        int column;
        QString text;
        bool operator==(const Write&) const = default;
    };
    // Only the cell writes, in order.
    QList<Write> writes() const;
    int count(Kind kind) const;
};

} // namespace excel
