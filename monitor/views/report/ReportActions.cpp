#include "report/ReportActions.h"

#include <utility>

namespace vantor::views {

ConfirmPlace ConfirmPlaceFor(int windowLeft, int windowTop, int windowHeight, int listHeight)
{
    return {windowLeft + 250, windowTop + windowHeight - listHeight / 2};
}

ClearOutcome ClearReport(ReportTab tab, bool confirmed, monitor::AlertLog& log, monitor::AlertFiles& files,
                         const monitor::ReportTexts& texts)
{
    if (tab != ReportTab::AlertLog)
        return {ClearStatus::NotOnThisTab, std::nullopt};
    if (!confirmed)
        return {ClearStatus::Declined, std::nullopt};
    const bool cleared = log.ClearAlertLog(texts);
    // ClearAlertLog composed the report already; the view shows it.
    const std::string& report = log.Paths().report;
    std::string text = files.Exists(report) ? files.ReadAll(report).value_or(std::string()) : std::string();
    return {cleared ? ClearStatus::Cleared : ClearStatus::LogKept, std::move(text)};
}

SaveOutcome SaveReport(ReportTab tab, const std::optional<std::string>& chosen, std::string_view viewText,
                       monitor::AlertFiles& files)
{
    if (!chosen)
        return {};
    SaveOutcome outcome{SaveStatus::Saved, SavedReportPath(*chosen, tab), {}};
    if (!files.Replace(outcome.path, SavedReportBytes(viewText))) {
        outcome.status = SaveStatus::WriteFailed;
        outcome.message = "Cannot create file \"" + outcome.path + "\".";
    }
    return outcome;
}

}  // namespace vantor::views
