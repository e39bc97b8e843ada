#include <gtest/gtest.h>

#include <string>

#include "alertlog/tests/FakeAlertFiles.h"
#include "report/ReportActions.h"
#include "report/ReportTabs.h"

namespace vantor::views {
namespace {

using monitor::test::FakeAlertFiles;

// Files that exist but cannot be read, or cannot be removed.
class UnreadableOrUndeletableFiles : public FakeAlertFiles {
public:
    std::string unreadable;
    bool removable = true;

    std::optional<std::string> ReadAll(const std::string& path) override
    {
        return path == unreadable ? std::nullopt : FakeAlertFiles::ReadAll(path);
    }
    bool Remove(const std::string& path) override { return removable && FakeAlertFiles::Remove(path); }
};

class ReportTabsTest : public ::testing::Test {
protected:
    ReportPaths paths = ReportPathsFor("C:\\Vantor\\Vantor.exe");
    UnreadableOrUndeletableFiles files;
    monitor::AlertLog log{files, paths.alert};
    monitor::ReportTexts texts;

    void LogTwoAlerts() { files.files[paths.alert.log].bytes = "CPU Temp 91 C abnormal\r\nCPU Temp 80 C normal\r\n"; }
};

TEST_F(ReportTabsTest, OnlyTheTwoTabsCanBeChosen)
{
    const std::tuple<ReportTab, int, ReportTab> cases[] = {
            {ReportTab::AlertLog, 0, ReportTab::AlertLog},
            {ReportTab::SystemInformation, 0, ReportTab::SystemInformation},
            {ReportTab::AlertLog, 2, ReportTab::SystemInformation},
            {ReportTab::SystemInformation, 1, ReportTab::AlertLog},
            {ReportTab::SystemInformation, 3, ReportTab::SystemInformation},
            {ReportTab::AlertLog, -1, ReportTab::AlertLog},
    };
    for (const auto& [current, requested, chosen] : cases)
        EXPECT_EQ(SelectTab(current, requested), chosen) << requested;
}

TEST_F(ReportTabsTest, EachTabLooksChosenAndOffersOnlyTheOther)
{
    const ReportTabLook alert = LookOf(ReportTab::AlertLog);
    EXPECT_TRUE(alert.alertPicture);
    EXPECT_FALSE(alert.alertTabImageShown);
    EXPECT_TRUE(alert.systemTabImageShown);
    EXPECT_FALSE(alert.alertLabelClickable);  // clicking the shown tab's label does nothing
    EXPECT_TRUE(alert.systemLabelClickable);
    EXPECT_EQ(alert.alertLabelColour, kChosenTabColour);
    EXPECT_EQ(alert.systemLabelColour, kOtherTabColour);
    EXPECT_TRUE(alert.clearEnabled);
    EXPECT_TRUE(alert.alertPageShown);
    EXPECT_FALSE(alert.systemInfoPageShown);

    const ReportTabLook system = LookOf(ReportTab::SystemInformation);
    EXPECT_FALSE(system.alertPicture);
    EXPECT_TRUE(system.alertTabImageShown);
    EXPECT_FALSE(system.systemTabImageShown);
    EXPECT_TRUE(system.alertLabelClickable);
    EXPECT_FALSE(system.systemLabelClickable);
    EXPECT_EQ(system.alertLabelColour, kOtherTabColour);
    EXPECT_EQ(system.systemLabelColour, kChosenTabColour);
    EXPECT_FALSE(system.clearEnabled);
    EXPECT_FALSE(system.alertPageShown);
    EXPECT_TRUE(system.systemInfoPageShown);
}

TEST_F(ReportTabsTest, SystemTabWaitsUntilTheWorkerHasWrittenTheReport)
{
    EXPECT_EQ(SystemTabContent(files, paths.systemReport).text, kWaitingText);

    ASSERT_TRUE(WriteWaitingText(files, paths.systemReport));
    const TabContent waiting = SystemTabContent(files, paths.systemReport);
    EXPECT_NE(waiting.text.find("Information is not ready, yet."), std::string::npos);
    EXPECT_FALSE(waiting.unreadable);

    files.files[paths.systemReport].bytes = "[Processor]\r\nVendor: simulated\r\n";
    EXPECT_EQ(SystemTabContent(files, paths.systemReport).text, "[Processor]\r\nVendor: simulated\r\n");

    files.unreadable = paths.systemReport;
    const TabContent unreadable = SystemTabContent(files, paths.systemReport);
    EXPECT_TRUE(unreadable.unreadable);
    EXPECT_EQ(unreadable.text, "");
}

TEST_F(ReportTabsTest, AlertTabComposesTheReportAfresh)
{
    LogTwoAlerts();
    files.files[paths.alert.report].bytes = "stale";
    const TabContent content = AlertTabContent(log, files, texts);
    EXPECT_NE(content.text.find("Number = 2"), std::string::npos) << content.text;
    EXPECT_NE(content.text.find("CPU Temp 80 C normal\r\n"), std::string::npos);

    // A report that cannot be written: the view stays empty.
    files.files.erase(paths.alert.report);
    files.folderReadOnly = true;
    EXPECT_EQ(AlertTabContent(log, files, texts).text, "");
}

TEST_F(ReportTabsTest, ClearAsksFirstAndWorksOnlyOnTheAlertLogTab)
{
    LogTwoAlerts();
    const auto before = files.files;

    const ClearOutcome otherTab = ClearReport(ReportTab::SystemInformation, true, log, files, texts);
    EXPECT_EQ(otherTab.status, ClearStatus::NotOnThisTab);
    EXPECT_FALSE(otherTab.viewText.has_value());

    const ClearOutcome declined = ClearReport(ReportTab::AlertLog, IsConfirmed(kConfirmCancelled), log, files, texts);
    EXPECT_EQ(declined.status, ClearStatus::Declined);
    EXPECT_FALSE(declined.viewText.has_value());
    EXPECT_EQ(files.files.size(), before.size());
    EXPECT_EQ(files.files[paths.alert.log].bytes, before.at(paths.alert.log).bytes);

    files.files[paths.alert.log].readOnly = true;
    const ClearOutcome cleared = ClearReport(ReportTab::AlertLog, IsConfirmed(1), log, files, texts);
    EXPECT_EQ(cleared.status, ClearStatus::Cleared);
    EXPECT_FALSE(files.Exists(paths.alert.log));
    ASSERT_TRUE(cleared.viewText.has_value());
    EXPECT_NE(cleared.viewText->find("Number = 0"), std::string::npos) << *cleared.viewText;
}

TEST_F(ReportTabsTest, ClearThatCannotRemoveTheLogSaysSoAndShowsWhatIsLogged)
{
    LogTwoAlerts();
    files.removable = false;
    const ClearOutcome kept = ClearReport(ReportTab::AlertLog, true, log, files, texts);
    EXPECT_EQ(kept.status, ClearStatus::LogKept);
    ASSERT_TRUE(kept.viewText.has_value());
    EXPECT_NE(kept.viewText->find("Number = 2"), std::string::npos) << *kept.viewText;
}

TEST_F(ReportTabsTest, SaveWritesTheViewUnderTheTabsName)
{
    EXPECT_EQ(SaveReport(ReportTab::AlertLog, std::nullopt, "text", files).status, SaveStatus::Cancelled);
    EXPECT_TRUE(files.files.empty());

    const SaveOutcome log1 = SaveReport(ReportTab::AlertLog, "C:\\out\\my", "line 1\nline 2", files);
    EXPECT_EQ(log1.status, SaveStatus::Saved);
    EXPECT_EQ(log1.path, "C:\\out\\my.log");
    EXPECT_EQ(files.files["C:\\out\\my.log"].bytes, "line 1\r\nline 2\r\n");

    const SaveOutcome info = SaveReport(ReportTab::SystemInformation, "C:\\out\\report", "info", files);
    EXPECT_EQ(info.path, "C:\\out\\report.txt");
    EXPECT_EQ(files.files["C:\\out\\report.txt"].bytes, "info\r\n");
}

TEST_F(ReportTabsTest, SaveThatCannotWriteReportsItAndKeepsTheOldFile)
{
    files.files["C:\\out\\MY.LOG"] = {"old", true};
    const SaveOutcome readOnly = SaveReport(ReportTab::AlertLog, "C:\\out\\MY.LOG", "new", files);
    EXPECT_EQ(readOnly.status, SaveStatus::WriteFailed);
    EXPECT_NE(readOnly.message.find("C:\\out\\MY.LOG"), std::string::npos) << readOnly.message;
    EXPECT_EQ(files.files["C:\\out\\MY.LOG"].bytes, "old");

    files.folderReadOnly = true;
    const SaveOutcome folder = SaveReport(ReportTab::SystemInformation, "C:\\out\\new", "x", files);
    EXPECT_EQ(folder.status, SaveStatus::WriteFailed);
    EXPECT_FALSE(files.Exists("C:\\out\\new.txt"));
}

TEST_F(ReportTabsTest, ConfirmationCentredOnTheBottomEdge)
{
    const ConfirmPlace place = ConfirmPlaceFor(100, 50, 300, 121);
    EXPECT_EQ(place.left, 350);
    EXPECT_EQ(place.top, 290);  // 50 + 300 - 60
}

}  // namespace
}  // namespace vantor::views
