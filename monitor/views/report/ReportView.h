// The report window as the other windows use it.
#pragma once

#include <memory>

#include "alertlog/AlertLog.h"
#include "app/ProgramWindow.h"

namespace vantor::views {

class ReportView {
public:
    virtual ~ReportView() = default;

    // Shows the window modally (the cover's report button); returns when it closes.
    virtual void ShowModal() = 0;
    // The alert log page is the one shown (the alert log then refreshes it).
    virtual bool AlertPageShown() const = 0;
    // The system information page is the one shown.
    virtual bool SystemInfoPageShown() const = 0;

    // An alert was logged while the alert page is shown and the alert report
    // was composed for it: the view loads that report again.
    virtual void ReloadAlertPage() = 0;
    // The alert report's title and count label in the program's language.
    virtual monitor::ReportTexts AlertReportTexts() const = 0;
    // The information worker has written the system information report. Any
    // thread: the reload runs on the window's thread, and only while the
    // system information page is shown.
    virtual void SystemReportWritten() = 0;
};

// Creates the report window (hidden), writes the waiting text into the
// system information report and fills in TheViews().report.
std::unique_ptr<ProgramWindow> CreateReportWindow();

}  // namespace vantor::views
