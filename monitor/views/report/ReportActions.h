// What the report window's Clear and Save As buttons decide, and where its
// confirmation appears.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "alertlog/AlertFiles.h"
#include "alertlog/AlertLog.h"
#include "report/ReportFiles.h"

namespace vantor::views {

// Translated one by one and joined with "\n".
inline constexpr std::string_view kClearQuestion = "This will clear the report.";
inline constexpr std::string_view kSureQuestion = "Are you sure?";

// The list window's modal result for Cancel and for its close box.
inline constexpr int kConfirmCancelled = 2;
constexpr bool IsConfirmed(int modalResult) { return modalResult != kConfirmCancelled; }

struct ConfirmPlace {
    int left = 0;
    int top = 0;
};
// 250 pixels right of the window's left edge, centred on its bottom edge.
ConfirmPlace ConfirmPlaceFor(int windowLeft, int windowTop, int windowHeight, int listHeight);

enum class ClearStatus {
    NotOnThisTab,  // the button only works on the alert log tab
    Declined,      // the question was cancelled: log and view stay
    Cleared,
    LogKept,  // the log could not be removed; the view shows what is still logged
};

struct ClearOutcome {
    ClearStatus status = ClearStatus::NotOnThisTab;
    std::optional<std::string> viewText;  // the view's new text; none: leave it
};

ClearOutcome ClearReport(ReportTab tab, bool confirmed, monitor::AlertLog& log, monitor::AlertFiles& files,
                         const monitor::ReportTexts& texts);

enum class SaveStatus {
    Cancelled,  // the dialog was cancelled
    Saved,
    WriteFailed,
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Cancelled;
    std::string path;     // where it went, or would have gone
    std::string message;  // for WriteFailed
};

// Saves the view's text under the chosen name (none: the dialog was
// cancelled). Nothing here changes the view, whatever happens.
SaveOutcome SaveReport(ReportTab tab, const std::optional<std::string>& chosen, std::string_view viewText,
                       monitor::AlertFiles& files);

}  // namespace vantor::views
