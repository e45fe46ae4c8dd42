#pragma once
// What stood at the report path before a report is written there: kept aside
// (a second name for the same file) until the new report is complete, and put
// back if it never is. A report that failed half way is removed.
#include <QString>

namespace report_word {

class PreviousReport {
public:
    // Throws word::Error when a file stands at the path and cannot be kept.
    explicit PreviousReport(const QString& reportPath);
    // Unless release() came first: the path gets back what stood there, or
    // nothing when nothing did.
    ~PreviousReport();
    PreviousReport(const PreviousReport&) = delete;
    PreviousReport& operator=(const PreviousReport&) = delete;
    // The new report is complete: it stays and the old one goes.
    void release();

private:
    QString reportPath;
    bool existed = false;
    QString aside;
    bool released = false;
};

} // namespace report_word
