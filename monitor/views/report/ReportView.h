// The report window as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::views {

class ReportView {
public:
    virtual ~ReportView() = default;

    // Shows the window modally (the cover's report button); returns when it closes.
    virtual void ShowModal() = 0;
    // The alert log page is the one shown (the alert log then refreshes it).
    virtual bool AlertPageShown() const = 0;
};

// Creates the report window (hidden) and fills in TheViews().report.
std::unique_ptr<ProgramWindow> CreateReportWindow();

}  // namespace vantor::views
