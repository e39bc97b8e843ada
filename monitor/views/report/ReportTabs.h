// The report window's two tabs: which one a click or a show leaves current,
// how the tab controls look on each, and what text the view takes.
#pragma once

#include <cstdint>
#include <string>

#include "alertlog/AlertFiles.h"
#include "alertlog/AlertLog.h"
#include "report/ReportFiles.h"

namespace vantor::views {

// 1 and 2 choose their tab; 0 (a show) keeps the current one, and so does
// any other value, so the window is never left on a tab that shows nothing.
ReportTab SelectTab(ReportTab current, int requested);

// COLORREF values (0x00BBGGRR).
inline constexpr std::uint32_t kChosenTabColour = 0x0000FFFF;  // yellow
inline constexpr std::uint32_t kOtherTabColour = 0x00FFFFFF;   // white

struct ReportTabLook {
    bool alertPicture = true;          // imgMainTab shows imgTabAlert's picture, else imgTabSys's
    bool alertTabImageShown = false;   // imgReport, the button back to the alert log
    bool systemTabImageShown = false;  // imgSysInfo
    bool alertLabelClickable = false;  // lbMainTab1: hand cursor and the tab click
    bool systemLabelClickable = false;
    std::uint32_t alertLabelColour = kChosenTabColour;
    std::uint32_t systemLabelColour = kOtherTabColour;
    bool clearEnabled = false;
    bool alertPageShown = false;       // AlertPageShown
    bool systemInfoPageShown = false;  // SystemInfoPageShown
};

ReportTabLook LookOf(ReportTab tab);

struct TabContent {
    std::string text;
    // The report file exists but could not be read: the view stays empty and
    // the window says so.
    bool unreadable = false;
};

// The alert log tab: the report composed afresh from the log, then read;
// empty when it could not be written.
TabContent AlertTabContent(monitor::AlertLog& log, monitor::AlertFiles& files, const monitor::ReportTexts& texts);

// The system information tab: the report file as the information worker
// left it; the waiting text while there is none yet.
TabContent SystemTabContent(monitor::AlertFiles& files, const std::string& systemReportPath);

}  // namespace vantor::views
