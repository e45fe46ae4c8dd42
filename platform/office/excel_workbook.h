#pragma once
// One workbook file opened by the spreadsheet layer. The file is read only when
// a cell is written; what is written stays in memory, and the workbook as it now
// stands is a new file beside the user's temporary files, never the file it was
// opened from.
#include <QString>
#include <memory>

#include "ooxml.h"

namespace excel {

class WorkbookFile {
public:
    // Throws Error when there is no file at path.
    explicit WorkbookFile(const QString& path);

    const QString& path() const { return filePath; }
    bool isChanged() const { return changed; }

    // Writes text as a string into the cell of the sheet that was active when the
    // workbook was saved. Throws Error when the file is no workbook.
    void setText(int row, int column, const QString& text);

    // The file that holds the workbook as it now stands: the opened file itself
    // while nothing was written, else a copy under a new name in the temporary
    // folder (written again only after further changes). Throws Error when the
    // copy cannot be written.
    QString currentFile();

private:
    void load();

    QString filePath;
    std::unique_ptr<ooxml::Package> package; // read on the first write
    QString workbookPart;
    QString activeSheetPart;
    bool changed = false;
    QString copyPath; // the last copy written, while no cell changed since
};

} // namespace excel
