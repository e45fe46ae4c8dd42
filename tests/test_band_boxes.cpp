// The band-calculation window's boxes have one set of names: the window builds
// exactly those boxes, and the Word report and the Excel export read exactly
// those, so a box renamed in one place only is found here.
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "eeae/band_boxes.h"
#include "platform/runtime/forms.h"
#include "report_excel/cell_map.h"
#include "report_word/report_tables.h"
#include "study_test.h"

namespace {

// The window's band table, distances and index boxes.
const QStringList checks = {"Check1", "Check2", "Check3"};
const QStringList inputs = {"pgsm",   "gmlgsm", "gslgsm",  "pdcs",   "gmldcs",
                            "gsldcs", "pumts",  "gmlumts", "gslumts"};
const QStringList results = {"sg1", "sg2", "eg1", "eg2", "mg1", "mg2", "dg1", "dg2",
                             "sd1", "sd2", "ed1", "ed2", "md1", "md2", "dd1", "dd2",
                             "su1", "su2", "eu1", "eu2", "mu1", "mu2", "du1", "du2"};
const QStringList distances = {"dp1", "dp2"};
const QStringList indices = {"depps1", "depps2", "depps3", "depps4"};

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

QStringList namesOf(const auto& boxes) {
    QStringList names;
    for (const char* box : boxes)
        names << QString::fromLatin1(box);
    return names;
}

} // namespace

class BandBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void theNamesAreTheWindowsOwn() {
        QStringList sourceChecks, sourceInputs, sourceResults;
        for (const eeae::BandBoxes& band : eeae::bandBoxes) {
            sourceChecks << QString::fromLatin1(band.check);
            sourceInputs << namesOf(std::array{band.power, band.mainGain, band.sideGain});
            sourceResults << namesOf(band.results);
        }
        QCOMPARE(sourceChecks, checks);
        QCOMPARE(sourceInputs, inputs);
        QCOMPARE(sourceResults, results);
        QCOMPARE(namesOf(eeae::distanceBoxes), distances);
        QCOMPARE(namesOf(eeae::indexBoxes), indices);
    }

    // Every text box and check box of the window, and no other.
    void theWindowBuildsThoseBoxes() {
        testsupport::Session session;
        QWidget* window = forms::get(QStringLiteral("Form1"));
        QStringList boxes, ticks;
        for (const QLineEdit* box : window->findChildren<QLineEdit*>())
            boxes << box->objectName();
        for (const QCheckBox* tick : window->findChildren<QCheckBox*>())
            ticks << tick->objectName();
        QCOMPARE(sorted(boxes), sorted(inputs + results + distances + indices));
        QCOMPARE(sorted(ticks), checks);
    }

    void theReportReadsThoseBoxes() {
        QStringList read;
        for (const report_word::ReportCell& cell : report_word::reportCells())
            if (QString::fromLatin1(cell.window) == QStringLiteral("Form1"))
                read << cell.box;
        QCOMPARE(sorted(read), sorted(results + indices));
    }

    void theExportReadsThoseBoxes() {
        QStringList read;
        for (const report_excel::StudyCell& cell : report_excel::studyCells)
            read << QString::fromLatin1(cell.box);
        QCOMPARE(sorted(read), sorted(inputs + distances + results + indices));
    }
};

QTEST_MAIN(BandBoxesTest)
#include "test_band_boxes.moc"
