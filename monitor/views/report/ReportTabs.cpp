#include "report/ReportTabs.h"

namespace vantor::views {

ReportTab SelectTab(ReportTab current, int requested)
{
    if (requested == static_cast<int>(ReportTab::AlertLog))
        return ReportTab::AlertLog;
    if (requested == static_cast<int>(ReportTab::SystemInformation))
        return ReportTab::SystemInformation;
    return current;
}

ReportTabLook LookOf(ReportTab tab)
{
    const bool alert = tab == ReportTab::AlertLog;
    return {.alertPicture = alert,
            .alertTabImageShown = !alert,
            .systemTabImageShown = alert,
            .alertLabelClickable = !alert,
            .systemLabelClickable = alert,
            .alertLabelColour = alert ? kChosenTabColour : kOtherTabColour,
            .systemLabelColour = alert ? kOtherTabColour : kChosenTabColour,
            .clearEnabled = alert,
            .alertPageShown = alert,
            .systemInfoPageShown = !alert};
}

TabContent AlertTabContent(monitor::AlertLog& log, monitor::AlertFiles& files, const monitor::ReportTexts& texts)
{
    log.ComposeAlertReport(texts);
    const std::string& report = log.Paths().report;
    if (!files.Exists(report))
        return {};
    const std::optional<std::string> text = files.ReadAll(report);
    return {text.value_or(std::string()), !text.has_value()};
}

TabContent SystemTabContent(monitor::AlertFiles& files, const std::string& systemReportPath)
{
    if (!files.Exists(systemReportPath))
        return {std::string(kWaitingText), false};
    const std::optional<std::string> text = files.ReadAll(systemReportPath);
    return {text.value_or(std::string()), !text.has_value()};
}

}  // namespace vantor::views
