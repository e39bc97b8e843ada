#include "alertlog/AlertLog.h"

#include <gtest/gtest.h>

#include <string>

#include "alertlog/tests/FakeAlertFiles.h"

namespace vantor::monitor {
namespace {

using test::FakeAlertFiles;

const std::string kHeadTop = "===================================================\r\n"
                             "ZYKO Vantor\r\n"
                             "\r\n"
                             "Alert Log Report\r\n"
                             "\r\n";
const std::string kHeadBottom = "===================================================\r\n"
                                "\r\n";

std::string Report(const std::string& numberLine, const std::string& lines)
{
    return kHeadTop + numberLine + "\r\n" + kHeadBottom + lines;
}

TEST(AlertLogPaths, ReplaceOrAddTheExtension)
{
    struct Case {
        const char* program;
        const char* log;
        const char* report;
    };
    const Case cases[] = {
            {"C:\\Program Files\\Vantor\\Vantor.exe", "C:\\Program Files\\Vantor\\Vantor.vlg",
             "C:\\Program Files\\Vantor\\Vantor.tmp"},
            {"C:\\Tools.v2\\Vantor", "C:\\Tools.v2\\Vantor.vlg", "C:\\Tools.v2\\Vantor.tmp"},
            {"/opt/vantor/Vantor.exe", "/opt/vantor/Vantor.vlg", "/opt/vantor/Vantor.tmp"},
    };
    for (const Case& c : cases) {
        const AlertLogPaths paths = AlertLogPathsFor(c.program);
        EXPECT_EQ(paths.log, c.log);
        EXPECT_EQ(paths.report, c.report);
    }
}

TEST(LogLines, AFinalLineEndStartsNoLine)
{
    EXPECT_EQ(CountLogLines(""), 0u);
    EXPECT_EQ(CountLogLines("a\r\n"), 1u);
    EXPECT_EQ(CountLogLines("a\r\nb"), 2u);
    EXPECT_EQ(CountLogLines("\r\n\r\n"), 2u);
}

class AlertLogFixture : public ::testing::Test {
protected:
    FakeAlertFiles m_files;
    AlertLog m_log{m_files, AlertLogPathsFor("C:\\Vantor\\Vantor.exe")};
    ReportTexts m_texts;

    std::string LogBytes() { return m_files.files["C:\\Vantor\\Vantor.vlg"].bytes; }
    std::string ReportBytes() { return m_files.files["C:\\Vantor\\Vantor.tmp"].bytes; }
};

TEST_F(AlertLogFixture, AppendWritesTheLineWithCrLfAndCreatesTheLog)
{
    EXPECT_EQ(m_log.AppendAlertLine("[d] CPU Temperature Abnormal, 93 degrees centigrade", AlertPage::Hidden, m_texts)
                      .lineWritten,
              true);
    m_log.AppendAlertLine("[d] CPU Temperature become normal, 50 degrees centigrade", AlertPage::Hidden, m_texts);
    EXPECT_EQ(LogBytes(), "[d] CPU Temperature Abnormal, 93 degrees centigrade\r\n"
                          "[d] CPU Temperature become normal, 50 degrees centigrade\r\n");
    EXPECT_FALSE(m_files.Exists(m_log.Paths().report)) << "no report while the alert page is hidden";
}

TEST_F(AlertLogFixture, NoLogGivesNumberZeroAndNoLines)
{
    EXPECT_TRUE(m_log.ComposeAlertReport(m_texts));
    EXPECT_EQ(ReportBytes(), Report("Number = 0", ""));
}

TEST_F(AlertLogFixture, ReportListsEveryLineOnceUnderTheirCount)
{
    // Lines from another editor may end in a bare LF or nothing at all.
    m_files.files[m_log.Paths().log] = {"one\r\ntwo\nthree", false};
    m_texts = {"Rapport", "Nombre"};
    EXPECT_TRUE(m_log.ComposeAlertReport(m_texts));
    EXPECT_EQ(ReportBytes(), "===================================================\r\n"
                             "ZYKO Vantor\r\n\r\n"
                             "Rapport\r\n\r\n"
                             "Nombre = 3\r\n"
                             "===================================================\r\n\r\n"
                             "one\r\ntwo\r\nthree\r\n");
}

TEST_F(AlertLogFixture, LongLinesAreCopiedWhole)
{
    const std::string longLine(1000, 'x');
    m_log.AppendAlertLine(longLine, AlertPage::Hidden, m_texts);
    m_log.ComposeAlertReport(m_texts);
    EXPECT_EQ(ReportBytes(), Report("Number = 1", longLine + "\r\n"));
}

TEST_F(AlertLogFixture, ShownAlertPageGetsTheReportWithTheNewLine)
{
    m_log.AppendAlertLine("first", AlertPage::Hidden, m_texts);
    const AppendOutcome outcome = m_log.AppendAlertLine("second", AlertPage::Shown, m_texts);
    EXPECT_TRUE(outcome.reportComposed);
    EXPECT_TRUE(outcome.lineWritten);
    EXPECT_EQ(ReportBytes(), Report("Number = 2", "first\r\nsecond\r\n"));
    EXPECT_EQ(LogBytes(), "first\r\nsecond\r\n");
}

TEST_F(AlertLogFixture, AReadOnlyLogLosesTheLineQuietly)
{
    m_files.files[m_log.Paths().log] = {"old\r\n", true};
    EXPECT_FALSE(m_log.AppendAlertLine("new", AlertPage::Hidden, m_texts).lineWritten);
    EXPECT_EQ(LogBytes(), "old\r\n");

    FakeAlertFiles lockedFolder;
    lockedFolder.folderReadOnly = true;
    AlertLog log(lockedFolder, AlertLogPathsFor("C:\\Vantor\\Vantor.exe"));
    EXPECT_FALSE(log.AppendAlertLine("new", AlertPage::Shown, m_texts).lineWritten);
    EXPECT_FALSE(log.ComposeAlertReport(m_texts));
    EXPECT_TRUE(lockedFolder.files.empty());
}

TEST_F(AlertLogFixture, ClearingRemovesTheLogEvenWhenReadOnly)
{
    for (const bool readOnly : {false, true}) {
        m_files.files[m_log.Paths().log] = {"a\r\nb\r\n", readOnly};
        EXPECT_TRUE(m_log.ClearAlertLog(m_texts)) << readOnly;
        EXPECT_FALSE(m_files.Exists(m_log.Paths().log)) << readOnly;
        EXPECT_EQ(ReportBytes(), Report("Number = 0", "")) << readOnly;
    }
    EXPECT_TRUE(m_log.ClearAlertLog(m_texts)) << "no log to clear";
    EXPECT_EQ(ReportBytes(), Report("Number = 0", ""));
}

}  // namespace
}  // namespace vantor::monitor
