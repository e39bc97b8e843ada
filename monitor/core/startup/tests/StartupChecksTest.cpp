#include "startup/StartupChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "startup/DebugLog.h"

namespace vantor::monitor {
namespace {

class FakeStartupSystem final : public StartupSystem {
public:
    int bits = 32;
    InstanceClaim claim = InstanceClaim::First;
    std::string folder;
    std::vector<std::string> calls;

    void FixDecimalSeparator() override { calls.push_back("separator"); }
    int ScreenBitsPerPixel() override
    {
        calls.push_back("depth");
        return bits;
    }
    void ShowPlainMessage(std::string_view text) override { calls.push_back("message " + std::string(text)); }
    InstanceClaim ClaimSingleInstance() override
    {
        calls.push_back("mutex");
        return claim;
    }
    std::string ProgramFolder() override { return folder; }
};

class StartupChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("vantor-startup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        system.folder = m_folder.string() + "/";
    }
    void TearDown() override
    {
        OpenDebugLog(system.folder, false);
        std::filesystem::remove_all(m_folder);
    }

    std::string LogText() const
    {
        std::ifstream in(m_folder / "DebugMsg.log");
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path m_folder;
    FakeStartupSystem system;
};

TEST_F(StartupChecksTest, ALowColourDisplayStopsWithTheMessageBeforeTheMutex)
{
    system.bits = 4;
    const StartupResult result = RunStartupChecks("1", system);
    EXPECT_FALSE(result.Proceed);
    EXPECT_TRUE(result.Options.StartedAtBoot);
    EXPECT_EQ(system.calls, (std::vector<std::string>{
                                    "separator", "depth",
                                    "message Vantor does not support less than 256 color.\nProgram will terminate!!"}));
}

TEST_F(StartupChecksTest, ASecondInstanceStopsSilentlyAndWritesNoLog)
{
    system.claim = InstanceClaim::AlreadyRunning;
    const StartupResult result = RunStartupChecks("debug", system);
    EXPECT_FALSE(result.Proceed);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"separator", "depth", "mutex"}));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "DebugMsg.log"));
}

TEST_F(StartupChecksTest, AnEightBitDisplayInDebugModeProceedsAndWritesTheFirstLine)
{
    system.bits = 8;
    const StartupResult result = RunStartupChecks("-Debug", system);
    EXPECT_TRUE(result.Proceed);
    EXPECT_TRUE(result.Options.DebugMode);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"separator", "depth", "mutex"}));
    EXPECT_EQ(LogText(), "1: ============ Enter Debug Mode ============\n");

    DebugLog("before pOCAPI_Initialization");  // later callers continue the numbering
    EXPECT_EQ(LogText(), "1: ============ Enter Debug Mode ============\n2: before pOCAPI_Initialization\n");
}

TEST_F(StartupChecksTest, WithoutDebugModeNoLogIsWritten)
{
    const StartupResult result = RunStartupChecks("", system);
    EXPECT_TRUE(result.Proceed);
    DebugLog("anything");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "DebugMsg.log"));
}

}  // namespace
}  // namespace vantor::monitor
