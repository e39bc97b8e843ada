#include "report/ReportFiles.h"

#include <gtest/gtest.h>

#include <string>

#include "alertlog/tests/FakeAlertFiles.h"

namespace vantor::views {
namespace {

TEST(ReportFilesTest, FilesAreNamedAfterTheProgram)
{
    const ReportPaths paths = ReportPathsFor("C:\\Vantor\\Vantor.exe");
    EXPECT_EQ(paths.alert.log, "C:\\Vantor\\Vantor.vlg");
    EXPECT_EQ(paths.alert.report, "C:\\Vantor\\Vantor.tmp");
    EXPECT_EQ(paths.systemReport, "C:\\Vantor\\Vantor.ifo");
    EXPECT_EQ(ReportPathsFor("C:\\v.1\\Vantor").systemReport, "C:\\v.1\\Vantor.ifo");
}

TEST(ReportFilesTest, SavedNamesGetTheTabsExtension)
{
    const std::tuple<const char*, ReportTab, const char*> cases[] = {
            {"my", ReportTab::AlertLog, "my.log"},
            {"MY.LOG", ReportTab::AlertLog, "MY.LOG"},
            {"my.txt", ReportTab::AlertLog, "my.txt.log"},
            {"C:\\logs.d\\my", ReportTab::AlertLog, "C:\\logs.d\\my.log"},
            {"report", ReportTab::SystemInformation, "report.txt"},
            {"Report.TXT", ReportTab::SystemInformation, "Report.TXT"},
            {"my.log", ReportTab::SystemInformation, "my.log.txt"},
            {"a.txt.bak", ReportTab::SystemInformation, "a.txt.bak.txt"},
    };
    for (const auto& [chosen, tab, saved] : cases)
        EXPECT_EQ(SavedReportPath(chosen, tab), saved) << chosen;
    EXPECT_EQ(SaveTargetFor(ReportTab::AlertLog).filter, "vantor log file|*.log");
    EXPECT_EQ(SaveTargetFor(ReportTab::SystemInformation).filter, "vantor sysinfo file|*.txt");
}

TEST(ReportFilesTest, SavedLinesEndWithCarriageReturnAndLineFeed)
{
    const std::pair<const char*, const char*> cases[] = {
            {"", ""},
            {"a", "a\r\n"},
            {"a\nb", "a\r\nb\r\n"},
            {"a\r\nb\r\n", "a\r\nb\r\n"},
            {"\n\n", "\r\n\r\n"},
            {"a\n\nb", "a\r\n\r\nb\r\n"},
    };
    for (const auto& [view, bytes] : cases)
        EXPECT_EQ(SavedReportBytes(view), bytes) << view;
}

// The edit control breaks lines only at CR LF: a file written with bare
// line feeds must not show as one long line.
TEST(ReportFilesTest, TheViewTakesEveryLineEndAsCarriageReturnAndLineFeed)
{
    const std::pair<const char*, const char*> cases[] = {
            {"", ""},
            {"a\nb\n", "a\r\nb\r\n"},
            {"a\r\nb", "a\r\nb"},
            {"\n\n\tx", "\r\n\r\n\tx"},
    };
    for (const auto& [file, view] : cases)
        EXPECT_EQ(ViewTextOf(file), view) << file;
}

TEST(ReportFilesTest, WaitingTextIsAWindowsTextFile)
{
    monitor::test::FakeAlertFiles files;
    ASSERT_TRUE(WriteWaitingText(files, "V.ifo"));
    EXPECT_EQ(files.files["V.ifo"].bytes, "\r\n\r\n\r\n\tInformation is not ready, yet.\r\n\tPlease wait a while.");

    monitor::test::FakeAlertFiles readOnly;
    readOnly.folderReadOnly = true;
    EXPECT_FALSE(WriteWaitingText(readOnly, "V.ifo"));
}

}  // namespace
}  // namespace vantor::views
