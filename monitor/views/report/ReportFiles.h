// The report window's files, all named after the program file: the alert
// log (".vlg"), the alert report composed from it (".tmp") and the system
// information report (".ifo"); and the names reports are saved under.
#pragma once

#include <string>
#include <string_view>

#include "alertlog/AlertFiles.h"
#include "alertlog/AlertLog.h"

namespace vantor::views {

enum class ReportTab {
    AlertLog = 1,
    SystemInformation = 2
};

struct ReportPaths {
    monitor::AlertLogPaths alert;  // ".vlg" and ".tmp"
    std::string systemReport;      // ".ifo"
};

ReportPaths ReportPathsFor(std::string_view programPath);

// Shown on the system information tab until the information worker has
// written its report over it.
inline constexpr std::string_view kWaitingText = "\n\n\n\tInformation is not ready, yet.\n\tPlease wait a while.";

// Writes the waiting text into the system information report, with the
// CR LF line ends of a Windows text file; false when it cannot be written.
bool WriteWaitingText(monitor::AlertFiles& files, const std::string& systemReportPath);

struct SaveTarget {
    std::string_view extension;
    std::string_view filter;
};

// Tab 1 saves ".log" files, tab 2 ".txt" files.
SaveTarget SaveTargetFor(ReportTab tab);

// The chosen name with the tab's extension appended unless its own
// extension, lower-cased, already is that: my gives my.log, MY.LOG stays,
// my.txt gives my.txt.log on the alert log tab.
std::string SavedReportPath(std::string_view chosen, ReportTab tab);

// A report file's text as the text view takes it: lines joined with CR LF,
// whatever line ends the file had.
std::string ViewTextOf(std::string_view fileText);

// The view's text as the saved file holds it: every line ended with CR LF.
std::string SavedReportBytes(std::string_view viewText);

}  // namespace vantor::views
