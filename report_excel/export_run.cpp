#include "report_excel/export_run.h"

#include <QStringList>

#include "eeae/band_boxes.h"
#include "platform/desktop/desktop.h"
#include "platform/office/excel.h"
#include "report_excel/study_source.h"
#include "study/sector_boxes.h"

namespace report_excel {

const Routine routines[routineCount] = {
    {"export_excel_gsm_dcs_umts", {1, 1, 1}}, {"export_excel_gsm_dcs", {1, 1, 0}},
    {"export_excel_gsm_umts", {1, 0, 1}},     {"export_excel_dcs_umts", {0, 1, 1}},
    {"export_excel_gsm", {1, 0, 0}},          {"export_excel_dcs", {0, 1, 0}},
    {"export_excel_umts", {0, 0, 1}},
};

namespace {
const QString bandWindow = QStringLiteral("Form1");
const QString sectorWindow = QStringLiteral("Form2");
} // namespace

const Routine* dispatch(StudySource& study, const SectorTexts& sectors) {
    const Routine* ran = nullptr;
    for (const Routine& routine : routines) {
        std::array<int, 3> checks;
        for (eeae::Band band : eeae::allBands)
            checks[eeae::indexOf(band)] =
                study.value(bandWindow, QString::fromLatin1(eeae::boxesOf(band).check));
        if (checks == routine.checks) {
            run(routine, study, sectors);
            ran = &routine;
        }
    }
    return ran;
}

void run(const Routine& routine, StudySource& study, const SectorTexts& sectors) {
    excel::Application excel;
    excel.workbooks().open(desktop::inProgramFolder(QString::fromLatin1(templatePath)));

    QStringList heldTexts;
    for (const StudyCell& cell : studyCells)
        if (cell.held && routine.covers(cell.band))
            heldTexts << study.text(bandWindow, QString::fromLatin1(cell.box));

    qsizetype nextHeld = 0;
    for (const StudyCell& cell : studyCells) {
        QString value;
        if (!routine.covers(cell.band))
            value = QString::fromUtf16(bandOutsideStudy);
        else if (cell.held)
            value = heldTexts[nextHeld++];
        else
            value = study.text(bandWindow, QString::fromLatin1(cell.box));
        excel.cells(cell.row, cell.column).setValue(value);
    }

    const QString textWindow = QString::fromLatin1(sectors.window);
    for (int sector = 1; sector <= sectorCount; ++sector) {
        const bool inStudy = study.value(sectorWindow, QStringLiteral("Check%1").arg(sector)) == 1;
        const bool hasBoxes = sector <= sectors.sectors;
        const SectorColumn& column = sectorColumns[sector - 1];
        for (int field = 0; field < sectorFieldCount; ++field) {
            QString value;
            if (!inStudy)
                value = QString::fromUtf16(sectorOutsideStudy);
            else if (hasBoxes)
                value = study.text(textWindow, study::sectorBox(sector, field));
            excel.cells(column.firstRow + field, column.column).setValue(value);
        }
    }

    // The filled workbook is written to a new file and opened for the user before
    // the spreadsheet quits, so quitting loses nothing and the template stays as it is.
    excel.setVisible(true);
    excel.quit();
}

} // namespace report_excel
