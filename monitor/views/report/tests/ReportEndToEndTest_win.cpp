// Vantor.exe's report window opened with a real click on the cover's report
// button after an alarm raised and ended through the simulated device: its
// alert log tab lists the lines the run logged.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "testing/EndToEnd_win.h"

namespace vantor::views {
namespace {

using testing::ClickWindowAt;
using testing::CoverOf;
using testing::EndsWith;
using testing::kClassicSensors;
using testing::kListCaption;
using testing::kMainPanelCaption;
using testing::kReportCaption;
using testing::kSkinnedClass;
using testing::kStartTimeoutMs;
using testing::Lines;
using testing::ProgramFolder;
using testing::VantorProcess;
using testing::VisibleGadgets;
using testing::WaitUntil;

constexpr std::uint32_t kProcessorTemperature = 0x06030000;
// From the cover's top-left corner: the report button; from the message
// window's: its OK button; from the report window's: its close button.
constexpr POINT kReportButton{135, 150};
constexpr POINT kMessageOk{329, 127};
constexpr POINT kReportClose{556, 30};

BOOL CALLBACK FindEdit(HWND child, LPARAM found)
{
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Edit") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The text of the report window's text view (an edit control among its
// child windows).
std::string ViewText(HWND report)
{
    HWND view = nullptr;
    EnumChildWindows(report, &FindEdit, reinterpret_cast<LPARAM>(&view));
    if (view == nullptr)
        return "(no text view)";
    // Another process's control answers WM_GETTEXT; GetWindowText would
    // only read its (empty) caption.
    const LRESULT length = SendMessageA(view, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(
            SendMessageA(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

bool HasLineEndingIn(const std::string& text, const std::string& end)
{
    for (const std::string& line : Lines(text))
        if (EndsWith(line, end))
            return true;
    return false;
}

class ReportRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
        ASSERT_EQ(testing::RestoreServiceBoard(), 0u);
    }
    void TearDown() override { testing::RestoreServiceBoard(); }

    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(ReportRun, TheCoversReportButtonListsTheAlarmsTheRunLogged)
{
    // Read every second, so the alarm follows the board within a few seconds.
    ASSERT_TRUE(m_folder.Write("vantor.dat", "[OPTION_SETTING]\r\ntmrGetSensorAll=1000\r\n"));
    ASSERT_EQ(testing::SetBoardReading("RTMP", kProcessorTemperature, 450), 0u);
    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(m_folder));
    ASSERT_NE(vantor.WaitForVisibleWindow(kSkinnedClass, kMainPanelCaption, kStartTimeoutMs), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return VisibleGadgets(vantor).size() == kClassicSensors; }, kStartTimeoutMs));
    HWND cover = CoverOf(vantor);
    ASSERT_NE(cover, nullptr);

    // 95.0 degrees, then 45.0 again: an onset and a recovery in the log.
    ASSERT_EQ(testing::SetBoardReading("RTMP", kProcessorTemperature, 950), 0u);
    HWND message = vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 15000);
    ASSERT_NE(message, nullptr) << "the alarm opens the message window";
    testing::PointerAway();
    testing::SaveScreenshot("e2e-message");
    ClickWindowAt(message, kMessageOk.x, kMessageOk.y);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(message); }, 5000));
    ASSERT_EQ(testing::SetBoardReading("RTMP", kProcessorTemperature, 450), 0u);
    ASSERT_TRUE(WaitUntil([&] { return Lines(m_folder.Read("Vantor.vlg")).size() == 2; }, 15000))
            << m_folder.Read("Vantor.vlg");
    const std::vector<std::string> logged = Lines(m_folder.Read("Vantor.vlg"));

    ClickWindowAt(cover, kReportButton.x, kReportButton.y);
    HWND report = vantor.WaitForVisibleWindow(kSkinnedClass, kReportCaption, 10000);
    ASSERT_NE(report, nullptr) << "the report button opens the report window";
    std::string shown;
    EXPECT_TRUE(WaitUntil(
            [&] {
                shown = ViewText(report);
                return HasLineEndingIn(shown, "] CPU Temperature Abnormal, 95 degrees centigrade") &&
                       HasLineEndingIn(shown, "] CPU Temperature become normal, 45 degrees centigrade");
            },
            5000))
            << shown;
    for (const std::string& line : logged)
        EXPECT_NE(shown.find(line), std::string::npos) << "the view has the logged line " << line;
    testing::PointerAway();
    testing::SaveScreenshot("e2e-report-alert-log");

    ClickWindowAt(report, kReportClose.x, kReportClose.y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(report); }, 5000)) << "the close button closes it";
    EXPECT_EQ(ViewText(report), "") << "a closed report keeps no text";
    EXPECT_TRUE(vantor.End());
    EXPECT_EQ(Lines(m_folder.Read("Vantor.vlg")), logged) << "showing the report changes no logged line";
}

}  // namespace
}  // namespace vantor::views
