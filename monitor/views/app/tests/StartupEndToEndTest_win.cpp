// Vantor.exe started for real on the simulated classic board, in a program
// folder of its own: what a run leaves on the screen, in its debug log and
// in its settings file, a second start, and a missing hardware library.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testing/EndToEnd_win.h"
#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"

namespace vantor::views {
namespace {

using testing::kApplicationClass;
using testing::kListCaption;
using testing::kSkinnedClass;
using testing::kStartTimeoutMs;
using testing::Lines;
using testing::ProgramFolder;
using testing::VantorProcess;

constexpr const char* kOptionsCaption = "Config";

bool HasLine(const std::string& text, const std::string& wanted)
{
    for (const std::string& line : Lines(text))
        if (line == wanted)
            return true;
    return false;
}

// The texts of a dialog's controls (a message box's text is one of them).
BOOL CALLBACK CollectText(HWND child, LPARAM texts)
{
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    reinterpret_cast<std::vector<std::string>*>(texts)->push_back(text);
    return TRUE;
}

class VantorRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
    }
    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(VantorRun, StartsWithItsWindowsHiddenAndSavesTheSettingsWhenAskedToEnd)
{
    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(m_folder));
    HWND options = vantor.WaitForWindow(kSkinnedClass, kOptionsCaption, kStartTimeoutMs);
    ASSERT_NE(options, nullptr) << "the options window is created at start";
    HWND list = vantor.WaitForWindow(kSkinnedClass, kListCaption, kStartTimeoutMs);
    ASSERT_NE(list, nullptr) << "the list window is created at start";
    EXPECT_FALSE(IsWindowVisible(options)) << "created hidden";
    EXPECT_FALSE(IsWindowVisible(list)) << "created hidden";
    // The owner is set right after the window is made: wait for the run to get there.
    for (int i = 0; i < 200 && GetWindow(list, GW_OWNER) != options; ++i)
        Sleep(50);
    EXPECT_EQ(GetWindow(list, GW_OWNER), options) << "the list window is owned by the options window";
    HWND application = vantor.FindWindowOf(kApplicationClass, "Vantor");
    ASSERT_NE(application, nullptr);
    EXPECT_FALSE(IsWindowVisible(application));
    testing::SaveScreenshot("app-started-classic");

    EXPECT_TRUE(vantor.End()) << "the run ends by itself when its application window is closed";
    EXPECT_EQ(vantor.WaitForExit(0), std::optional<DWORD>(0));

    // The options window wrote the configuration of the classic board on its way out.
    const std::string settings = m_folder.Read("vantor.dat");
    EXPECT_TRUE(HasLine(settings, "[OPTION_SENSOR]")) << settings;
    EXPECT_TRUE(HasLine(settings, "Temp0Enable=1")) << settings;
    EXPECT_TRUE(HasLine(settings, "Volt0Threshold=10") || HasLine(settings, "Volt0Threshold=20")) << settings;
    EXPECT_TRUE(HasLine(settings, "Fan0Threshold=800")) << settings;
    EXPECT_TRUE(HasLine(settings, "[OPTION_SETTING]")) << settings;
    EXPECT_TRUE(HasLine(settings, "tmrGetSensorAll=5000")) << settings;
    EXPECT_FALSE(m_folder.Exists("DebugMsg.log")) << "no debug log without DEBUG";
}

TEST_F(VantorRun, KeepsTheSettingsItLoadedInWholeSeconds)
{
    ASSERT_TRUE(m_folder.Write("vantor.dat", "[OPTION_SENSOR]\r\nTemp0Threshold=700\r\nFan0Enable=0\r\n"
                                             "[OPTION_SETTING]\r\ntmrGetSensorAll=2500\r\nnVolume=33\r\n"));
    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(m_folder));
    ASSERT_NE(vantor.WaitForWindow(kSkinnedClass, kOptionsCaption, kStartTimeoutMs), nullptr);
    ASSERT_TRUE(vantor.End());

    const std::string settings = m_folder.Read("vantor.dat");
    EXPECT_TRUE(HasLine(settings, "Temp0Threshold=700")) << settings;
    EXPECT_TRUE(HasLine(settings, "Fan0Enable=0")) << settings;
    EXPECT_TRUE(HasLine(settings, "tmrGetSensorAll=2000")) << settings;
    EXPECT_TRUE(HasLine(settings, "nVolume=33")) << settings;
}

TEST_F(VantorRun, DebugRunsNumberTheirLinesFromOneAndAppend)
{
    for (const char* arguments : {"DEBUG", "--debug-me"}) {
        VantorProcess vantor;
        ASSERT_TRUE(vantor.Start(m_folder, arguments));
        ASSERT_NE(vantor.WaitForWindow(kSkinnedClass, kOptionsCaption, kStartTimeoutMs), nullptr) << arguments;
        ASSERT_TRUE(vantor.End()) << arguments;
    }
    const std::vector<std::string> lines = Lines(m_folder.Read("DebugMsg.log"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "1: ============ Enter Debug Mode ============");
    EXPECT_EQ(lines.at(1), "2: before pOCAPI_Initialization") << "the binding logs right after";
    std::vector<std::size_t> firstLines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "1: ============ Enter Debug Mode ============")
            firstLines.push_back(i);
    ASSERT_EQ(firstLines.size(), 2u) << "two runs, each numbered from 1, in one file";
    EXPECT_EQ(lines.at(firstLines[1] + 1), "2: before pOCAPI_Initialization");
}

TEST_F(VantorRun, SecondStartEndsAtOnceAndLeavesTheFirstAlone)
{
    VantorProcess first;
    ASSERT_TRUE(first.Start(m_folder));
    HWND options = first.WaitForWindow(kSkinnedClass, kOptionsCaption, kStartTimeoutMs);
    ASSERT_NE(options, nullptr);

    ProgramFolder elsewhere("second-start");
    VantorProcess second;
    ASSERT_TRUE(second.Start(elsewhere, "DEBUG"));
    EXPECT_EQ(second.WaitForExit(kStartTimeoutMs), std::optional<DWORD>(0));
    EXPECT_TRUE(second.Windows().empty());
    EXPECT_FALSE(elsewhere.Exists("DebugMsg.log")) << "it stopped before debug mode";
    EXPECT_FALSE(elsewhere.Exists("vantor.dat")) << "it made no options window";

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(options));
    EXPECT_TRUE(first.End());
}

TEST_F(VantorRun, WithoutTheHardwareLibraryItSaysSoAndRunsOn)
{
    m_folder.Remove("VantorHw.dll");
    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(m_folder));
    HWND box = vantor.WaitForVisibleWindow("#32770", "Vantor", kStartTimeoutMs);
    ASSERT_NE(box, nullptr) << "an information box";
    std::vector<std::string> texts;
    EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "VantorHw.dll Loaded Failure"), texts.end());
    testing::SaveScreenshot("app-without-vantorhw");
    // The user presses OK.
    HWND ok = FindWindowExA(box, nullptr, "Button", nullptr);
    ASSERT_NE(ok, nullptr);
    RECT r{};
    GetWindowRect(ok, &r);
    testing::ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    for (int i = 0; i < 200 && IsWindow(box); ++i)
        Sleep(50);
    EXPECT_FALSE(IsWindow(box));

    ASSERT_NE(vantor.WaitForWindow(kSkinnedClass, kListCaption, kStartTimeoutMs), nullptr) << "it runs on";
    EXPECT_TRUE(vantor.Running());
    ASSERT_TRUE(vantor.End());
    const std::string settings = m_folder.Read("vantor.dat");
    EXPECT_TRUE(HasLine(settings, "tmrGetSensorAll=5000")) << "the global settings without sensors:\n" << settings;
    EXPECT_EQ(settings.find("Temp0"), std::string::npos) << settings;
}

}  // namespace
}  // namespace vantor::views
