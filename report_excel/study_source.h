#pragma once
// Where the export reads the study: the check boxes and text boxes of the
// band-calculation and sectorisation windows, by window and box name.
#include <QString>

namespace report_excel {

class StudySource {
public:
    virtual ~StudySource() = default;
    // A check box's value: 0 unticked, 1 ticked, 2 grayed.
    virtual int value(const QString& window, const QString& box) = 0;
    // A text box's text, exactly as it stands.
    virtual QString text(const QString& window, const QString& box) = 0;
};

// The windows themselves, through the registry: a window not loaded yet is
// created by the read, with its start contents.
class StudyWindows : public StudySource {
public:
    int value(const QString& window, const QString& box) override;
    QString text(const QString& window, const QString& box) override;
};

} // namespace report_excel
