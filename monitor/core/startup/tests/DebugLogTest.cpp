#include "startup/DebugLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vantor::monitor {
namespace {

class DebugLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("vantor-debuglog-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Folder() const { return m_folder.string() + "/"; }

    std::string FileText() const
    {
        std::ifstream in(m_folder / "DebugMsg.log", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path m_folder;
};

TEST_F(DebugLogTest, NumbersLinesFromOneAndEachRunStartsAgainInTheSameFile)
{
    StdioLineAppender file;
    {
        DebugLogger firstRun(file, DebugLogPath(Folder()));
        firstRun.SetEnabled(true);
        firstRun.Write(kFirstDebugLine);
        firstRun.Write("before pOCAPI_Initialization");
    }
    {
        DebugLogger secondRun(file, DebugLogPath(Folder()));
        secondRun.SetEnabled(true);
        secondRun.Write(kFirstDebugLine);
    }
    EXPECT_EQ(FileText(), "1: ============ Enter Debug Mode ============\n"
                          "2: before pOCAPI_Initialization\n"
                          "1: ============ Enter Debug Mode ============\n");
}

TEST_F(DebugLogTest, WritesNothingWhileDebugModeIsOff)
{
    StdioLineAppender file;
    DebugLogger log(file, DebugLogPath(Folder()));
    log.Write("hidden");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "DebugMsg.log"));
    EXPECT_EQ(log.NextNumber(), 1);
}

TEST_F(DebugLogTest, EachLineIsOnDiskBeforeWriteReturns)
{
    StdioLineAppender file;
    DebugLogger log(file, DebugLogPath(Folder()));
    log.SetEnabled(true);
    log.Write("a");
    EXPECT_EQ(FileText(), "1: a\n");
    log.Write("b");
    EXPECT_EQ(FileText(), "1: a\n2: b\n");
}

TEST_F(DebugLogTest, DropsALineThatCannotBeWrittenAndKeepsTheNumber)
{
    StdioLineAppender file;
    DebugLogger log(file, Folder() + "missing-folder/DebugMsg.log");
    log.SetEnabled(true);
    log.Write("lost");
    EXPECT_EQ(log.NextNumber(), 1);
}

TEST_F(DebugLogTest, ProcessLogWritesBesideTheProgramOnlyInDebugMode)
{
    OpenDebugLog(Folder(), false);
    DebugLog("hidden");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "DebugMsg.log"));

    OpenDebugLog(Folder(), true);
    DebugLog(kFirstDebugLine);
    DebugLog("Check Cool and Quiet.");
    EXPECT_EQ(FileText(), "1: ============ Enter Debug Mode ============\n2: Check Cool and Quiet.\n");
    OpenDebugLog(Folder(), false);
}

}  // namespace
}  // namespace vantor::monitor
