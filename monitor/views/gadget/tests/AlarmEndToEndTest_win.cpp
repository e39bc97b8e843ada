// Vantor.exe started for real on the simulated classic board: its windows at
// start, then the processor temperature pushed over its threshold through the
// device's test control, the message window, the red digits and the alert
// log, and the way back to normal.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "testing/BoardControl_win.h"
#include "testing/EndToEnd_win.h"
#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"

namespace vantor::views {
namespace {

using testing::EndsWith;
using testing::FoundWindow;
using testing::kGadgetCaption;
using testing::kListCaption;
using testing::kMainPanelCaption;
using testing::kSkinnedClass;
using testing::kStartTimeoutMs;
using testing::Lines;
using testing::ProgramFolder;
using testing::ScreenCopy;
using testing::VantorProcess;
using testing::VisibleGadgets;
using testing::WaitUntil;

constexpr std::uint32_t kProcessorTemperature = 0x06030000;
// The gadget's reading screen, client coordinates of its digit slots: the
// hexagon's, or the small gadget's (many sensors make the gadgets small).
constexpr int kDigitsWidth = 55, kDigitsHeight = 18;
constexpr POINT kDigitsAt{30, 36}, kSmallDigitsAt{21, 26};
constexpr int kSmallGadgetHeight = 50;
// The message window's OK button, from the window's top left corner.
constexpr POINT kMessageOk{329, 127};

struct DigitColours {
    int green = 0;
    int red = 0;
};

// Lit green and red segments in a gadget's digit slots.
DigitColours Digits(const ScreenCopy& screen, HWND gadget)
{
    RECT client{};
    GetClientRect(gadget, &client);
    POINT origin = client.bottom <= kSmallGadgetHeight ? kSmallDigitsAt : kDigitsAt;
    ClientToScreen(gadget, &origin);
    DigitColours count;
    for (int y = origin.y; y < origin.y + kDigitsHeight; ++y) {
        for (int x = origin.x; x < origin.x + kDigitsWidth; ++x) {
            const COLORREF c = screen.At(x, y);
            const int r = GetRValue(c), g = GetGValue(c);
            if (g > 150 && r < 130)
                ++count.green;
            else if (r > 150 && g < 130)
                ++count.red;
        }
    }
    return count;
}

class AlarmRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
        ASSERT_EQ(testing::RestoreServiceBoard(), 0u);
    }
    void TearDown() override { testing::RestoreServiceBoard(); }

    std::string AlertLog() const { return m_folder.Read("Vantor.vlg"); }

    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(AlarmRun, HotProcessorOpensTheMessageTurnsItsDigitsRedAndLogsOnsetAndRecovery)
{
    // Read every second, so the alarm follows the board within a few seconds.
    ASSERT_TRUE(m_folder.Write("vantor.dat", "[OPTION_SETTING]\r\ntmrGetSensorAll=1000\r\n"));
    ASSERT_EQ(testing::SetBoardReading("RTMP", kProcessorTemperature, 450), 0u);

    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(m_folder));
    HWND panel = vantor.WaitForVisibleWindow(kSkinnedClass, kMainPanelCaption, kStartTimeoutMs);
    ASSERT_NE(panel, nullptr) << "the main panel is shown at start";
    std::vector<HWND> gadgets;
    ASSERT_TRUE(WaitUntil([&] { return (gadgets = VisibleGadgets(vantor)).size() == 13; }, kStartTimeoutMs))
            << gadgets.size() << " gadgets shown, the classic board has 13 sensors";
    // The cover: the one skinned window without a caption, shown with the panel.
    const std::vector<FoundWindow> windows = vantor.Windows();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](const FoundWindow& w) {
                                return w.className == kSkinnedClass && w.caption.empty() && w.visible;
                            }),
              1)
            << "the cover is shown";
    // Every gadget shows a reading in green, none in red.
    std::vector<DigitColours> before;
    EXPECT_TRUE(WaitUntil(
            [&] {
                const ScreenCopy screen;
                before.clear();
                for (HWND g : gadgets)
                    before.push_back(Digits(screen, g));
                return std::all_of(before.begin(), before.end(),
                                   [](const DigitColours& d) { return d.green > 40 && d.red == 0; });
            },
            10000));
    testing::SaveScreenshot("e2e-start");
    EXPECT_EQ(AlertLog(), "") << "nothing abnormal at start";

    // 95.0 degrees: over the processor's default threshold.
    ASSERT_EQ(testing::SetBoardReading("RTMP", kProcessorTemperature, 950), 0u);
    HWND message = vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 15000);
    ASSERT_NE(message, nullptr) << "the message window opens";
    EXPECT_TRUE(GetWindowLongA(message, GWL_EXSTYLE) & WS_EX_TOPMOST) << "above every other window";
    EXPECT_TRUE(WaitUntil([&] { return Lines(AlertLog()).size() == 1; }, 10000)) << AlertLog();
    std::vector<std::string> log = Lines(AlertLog());
    ASSERT_EQ(log.size(), 1u) << AlertLog();
    EXPECT_TRUE(EndsWith(log[0], "] CPU Temperature Abnormal, 95 degrees centigrade")) << log[0];

    // Exactly one gadget turns red: the processor temperature's, the ninth
    // from the top (voltages, then temperatures, then fans).
    std::vector<HWND> byTop = gadgets;
    std::sort(byTop.begin(), byTop.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top < rb.top;
    });
    HWND processor = byTop.at(8);
    DigitColours hot;
    std::vector<HWND> red;
    EXPECT_TRUE(WaitUntil(
            [&] {
                const ScreenCopy screen;
                red.clear();
                for (HWND g : gadgets)
                    if (Digits(screen, g).red > 40)
                        red.push_back(g);
                hot = Digits(screen, processor);
                return red.size() == 1 && red[0] == processor && hot.green == 0;
            },
            10000))
            << red.size() << " gadgets red; processor's digits green " << hot.green << " red " << hot.red;
    testing::SaveScreenshot("e2e-alarm");

    // The user presses OK with the real mouse; the window goes.
    RECT messageBounds{};
    GetWindowRect(message, &messageBounds);
    testing::ClickAt({messageBounds.left + kMessageOk.x, messageBounds.top + kMessageOk.y});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(message); }, 5000)) << "OK closes the message window";

    // 45.0 degrees: normal again.
    ASSERT_EQ(testing::SetBoardReading("RTMP", kProcessorTemperature, 450), 0u);
    EXPECT_TRUE(WaitUntil([&] { return Lines(AlertLog()).size() == 2; }, 10000)) << AlertLog();
    log = Lines(AlertLog());
    ASSERT_EQ(log.size(), 2u) << AlertLog();
    EXPECT_TRUE(EndsWith(log[1], "] CPU Temperature become normal, 45 degrees centigrade")) << log[1];
    DigitColours cool;
    EXPECT_TRUE(WaitUntil(
            [&] {
                cool = Digits(ScreenCopy(), processor);
                return cool.green > 40 && cool.red == 0;
            },
            10000))
            << "processor's digits green " << cool.green << " red " << cool.red;
    EXPECT_FALSE(IsWindowVisible(message)) << "recovery opens no message";

    EXPECT_TRUE(vantor.End()) << "the run ends by itself when asked";
    EXPECT_EQ(vantor.WaitForExit(0), std::optional<DWORD>(0));
    EXPECT_EQ(Lines(AlertLog()).size(), 2u) << "nothing more logged on the way out";
}

}  // namespace
}  // namespace vantor::views
