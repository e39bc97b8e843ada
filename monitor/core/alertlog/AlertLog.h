// The alert log beside the program (one line per change between normal and
// abnormal) and the alert report composed from it for the report window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "alertlog/AlertFiles.h"

namespace vantor::monitor {

struct AlertLogPaths {
    std::string log;     // program path with ".vlg"
    std::string report;  // program path with ".tmp"
};

// The program file's full path with its extension replaced (added when the
// file name has none).
AlertLogPaths AlertLogPathsFor(std::string_view programPath);

// Already translated by the shell.
struct ReportTexts {
    std::string title = "Alert Log Report";
    std::string number = "Number";
};

// Lines of a log text; a final line end does not start another line.
std::size_t CountLogLines(std::string_view log);

// The report: a header whose "Number" is the count of logged lines, then
// every line of the log, each ending in CR LF. A missing log gives the count
// 0 and no lines.
std::string ComposeReportText(const std::optional<std::string>& log, const ReportTexts& texts);

enum class AlertPage {
    Hidden,
    Shown
};

struct AppendOutcome {
    bool reportComposed = false;  // the shown alert page must reload the report
    bool lineWritten = false;
};

class AlertLog {
public:
    AlertLog(AlertFiles& files, AlertLogPaths paths);

    // AppendAlertLine: the line and CR LF are appended; with the alert page
    // shown, the report is then composed from the log (the page reloads it).
    // A log that cannot be opened loses the line silently.
    AppendOutcome AppendAlertLine(std::string_view line, AlertPage page, const ReportTexts& texts);

    // ComposeAlertReport: rewrites the report from the log; false when the
    // report cannot be written.
    bool ComposeAlertReport(const ReportTexts& texts);

    // The clear button after its confirmation: removes the log, read-only or
    // not, then composes the report. False when the log is still there.
    bool ClearAlertLog(const ReportTexts& texts);

    const AlertLogPaths& Paths() const { return m_paths; }

private:
    AlertFiles& m_files;
    AlertLogPaths m_paths;
};

}  // namespace vantor::monitor
