// Vantor.exe on the simulated board with the options window driven as a
// user drives it: opened from the cover, thresholds typed and applied,
// Cancel and Default, the fan control switched, the restart question on the
// group board declined, and profiles saved and loaded through the real file
// dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option/tests/OptionsDriver_win.h"

namespace vantor::views {
namespace {

using namespace optiontest;

constexpr std::uint32_t kProcessorFanSwitch = 0x04060003;
constexpr std::uint32_t kCpuFanMode = 0x04080011;
constexpr const char* kGadgetCaption = "Vantor sensor";
// A normal gadget's threshold digits, client coordinates.
constexpr RECT kGadgetThresholdDigits{41, 65, 69, 76};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<HWND> GadgetsOf(const VantorProcess& vantor)
{
    std::vector<HWND> gadgets;
    for (const testing::FoundWindow& w : vantor.Windows())
        if (w.className == kSkinnedClass && w.caption == kGadgetCaption && w.visible)
            gadgets.push_back(w.window);
    return gadgets;
}

std::vector<COLORREF> PixelsOf(HWND window, RECT area)
{
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            POINT p{x, y};
            ClientToScreen(window, &p);
            pixels.push_back(GetPixel(screen, p.x, p.y));
        }
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A top-level window of the test that counts the fan-settings broadcasts.
class BroadcastListener {
public:
    BroadcastListener()
    {
        s_message = RegisterWindowMessageA("WM_ZYKO_BROADCAST_MESSAGE");
        s_count = 0;
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OptionsTestListener";
        RegisterClassA(&wc);
        m_window = CreateWindowExA(0, wc.lpszClassName, "listener", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    }
    ~BroadcastListener() { DestroyWindow(m_window); }
    int Count() const { return s_count; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == s_message && s_message != 0 && wParam == 5717)
            ++s_count;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static inline UINT s_message = 0;
    static inline int s_count = 0;
    HWND m_window = nullptr;
};

// Waits while pumping this thread's messages.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (condition())
            return true;
        testing::Pump(100);
    }
    return condition();
}

class OptionsRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << "missing from the build folder: " << m_folder.Missing();
        ASSERT_EQ(testing::RestoreServiceBoard(), 0u);
        // Gadgets of the normal size, which show their thresholds.
        ASSERT_TRUE(m_folder.Write("Vantor.ini", "[Preference]\r\nbSmall=0\r\n"));
    }
    void TearDown() override { testing::RestoreServiceBoard(); }

    std::string SettingsFile() const { return m_folder.Read("vantor.dat"); }

    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(OptionsRun, TypedThresholdReachesTheSettingsFileAndTheGadgetARefusedOneNothing)
{
    VantorProcess vantor;
    HWND options = StartAndOpenOptions(vantor, m_folder);
    ASSERT_NE(options, nullptr) << "the cover's Option button opens the options window";
    testing::SaveScreenshot("options-sensor-temperature-classic");
    const std::vector<HWND> gadgets = GadgetsOf(vantor);
    ASSERT_EQ(gadgets.size(), 13u);
    std::vector<std::vector<COLORREF>> before;
    for (HWND gadget : gadgets)
        before.push_back(PixelsOf(gadget, kGadgetThresholdDigits));

    // 300 degrees is beyond the processor's limit (95): refused, said why,
    // nothing asked and nothing written; the field shows its old value.
    ReplaceFieldText(options, kThresholdEdit1, "300");
    ClickClient(options, kApplyButton);
    EXPECT_EQ(vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 2000), nullptr) << "no confirmation";
    EXPECT_EQ(WindowTextOf(EditAt(options, kThresholdEdit1)), "60");
    testing::SaveScreenshot("options-threshold-refused");
    EXPECT_FALSE(m_folder.Exists("vantor.dat"));

    ReplaceFieldText(options, kThresholdEdit1, "85");
    ClickClient(options, kApplyButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, true, "options-confirm-apply"));
    EXPECT_TRUE(WaitUntil(
            [&] {
                const std::string file = SettingsFile();
                return Contains(file, "Temp0Threshold=850") && Contains(file, "nChKelvaneTargetIdx=");
            },
            10000))
            << SettingsFile();
    EXPECT_TRUE(Contains(SettingsFile(), "Temp1Threshold=450")) << "the other sensor keeps its threshold";
    // Exactly one gadget's threshold digits change: the processor's.
    std::vector<std::size_t> changed;
    EXPECT_TRUE(WaitUntil(
            [&] {
                changed.clear();
                for (std::size_t i = 0; i < gadgets.size(); ++i)
                    if (PixelsOf(gadgets[i], kGadgetThresholdDigits) != before[i])
                        changed.push_back(i);
                return changed.size() == 1;
            },
            5000))
            << changed.size() << " gadgets show another threshold";
    testing::SaveScreenshot("options-threshold-applied");
    EXPECT_TRUE(vantor.End());
}

TEST_F(OptionsRun, CancelThrowsTheChangeAwayAndDefaultAsksThenResets)
{
    ASSERT_TRUE(m_folder.Write("vantor.dat", "[OPTION_SENSOR]\r\nTemp0Threshold=700\r\n"));
    VantorProcess vantor;
    HWND options = StartAndOpenOptions(vantor, m_folder);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(WindowTextOf(EditAt(options, kThresholdEdit1)), "70");

    ReplaceFieldText(options, kThresholdEdit1, "80");
    ClickClient(options, kCancelButton);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(options); }, 5000)) << "Cancel closes the window";
    EXPECT_EQ(vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 1000), nullptr) << "Cancel asks nothing";
    HWND cover = CoverOf(vantor);
    ASSERT_NE(cover, nullptr);
    ClickClient(cover, kCoverOption);
    ASSERT_NE(vantor.WaitForVisibleWindow(kSkinnedClass, kOptionsCaption, 10000), nullptr);
    EXPECT_EQ(WindowTextOf(EditAt(options, kThresholdEdit1)), "70") << "the old threshold is back";

    // Default asks first; Cancel in the question changes nothing.
    ClickClient(options, kDefaultButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, false));
    EXPECT_EQ(WindowTextOf(EditAt(options, kThresholdEdit1)), "70");
    ClickClient(options, kDefaultButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, true, "options-confirm-default"));
    EXPECT_TRUE(WaitUntil([&] { return Contains(SettingsFile(), "Temp0Threshold=600"); }, 10000)) << SettingsFile();
    EXPECT_EQ(WindowTextOf(EditAt(options, kThresholdEdit1)), "60") << "the processor's default threshold";
    EXPECT_TRUE(vantor.End());
}

TEST_F(OptionsRun, ProcessorFanControlSwitchedOffReachesTheDeviceAndIsAnnouncedOnce)
{
    const DeviceLibrary device;
    ASSERT_TRUE(device.Open());
    ASSERT_EQ(device.KelvaneInfo(kProcessorFanSwitch), 2) << "the classic board starts with it on";
    BroadcastListener listener;

    VantorProcess vantor;
    HWND options = StartAndOpenOptions(vantor, m_folder);
    ASSERT_NE(options, nullptr);
    ClickClient(options, kSensorTab2);
    testing::SaveScreenshot("options-sensor-voltage-classic");
    ClickClient(options, kSensorTab3);
    testing::SaveScreenshot("options-sensor-fan-classic");
    ClickClient(options, kMainTab2);
    testing::SaveScreenshot("options-preference-classic");
    ClickClient(options, kProcessorSwitch);
    testing::Pump(300);
    EXPECT_EQ(device.KelvaneInfo(kProcessorFanSwitch), 2) << "nothing is written before Apply";
    ClickClient(options, kApplyButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, true));
    EXPECT_TRUE(PumpUntil([&] { return device.KelvaneInfo(kProcessorFanSwitch) == 1; }, 10000));
    EXPECT_TRUE(PumpUntil([&] { return listener.Count() >= 1; }, 10000));
    testing::Pump(1500);
    EXPECT_EQ(listener.Count(), 1) << "announced once";
    EXPECT_TRUE(WaitUntil([&] { return Contains(SettingsFile(), "bEnableKelvane=0"); }, 5000)) << SettingsFile();
    EXPECT_TRUE(vantor.End());
}

TEST_F(OptionsRun, GroupBoardFanModeWithItsRestartDeclinedWritesNothing)
{
    ASSERT_EQ(testing::LoadBoard("group"), 0u);
    const DeviceLibrary device;
    ASSERT_TRUE(device.Open());
    ASSERT_EQ(device.GroupItemValue(kCpuFanMode), 0) << "Smart";

    VantorProcess vantor;
    HWND options = StartAndOpenOptions(vantor, m_folder);
    ASSERT_NE(options, nullptr);
    testing::SaveScreenshot("options-sensor-temperature-group");
    ClickClient(options, kMainTab2);
    testing::SaveScreenshot("options-preference-group");

    // The mode row's chooser lists Smart and Manual; Manual is chosen.
    ClickClient(options, kFirstGroupChooser);
    HWND list = vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 10000);
    ASSERT_NE(list, nullptr) << "the chooser opens the list";
    testing::Pump(300);
    testing::SaveScreenshot("options-group-chooser");
    ASSERT_TRUE(ChooseListItem(list, 1));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 5000));

    ClickClient(options, kApplyButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, true));
    ASSERT_TRUE(AnswerConfirmation(vantor, false, "options-confirm-restart")) << "the restart question";
    testing::Pump(500);
    EXPECT_EQ(device.GroupItemValue(kCpuFanMode), 0) << "declined: nothing written";
    EXPECT_FALSE(m_folder.Exists("vantor.dat")) << "nothing committed or saved";
    EXPECT_TRUE(vantor.End());
}

TEST_F(OptionsRun, ProfileSavedAndLoadedThroughTheFileDialogs)
{
    VantorProcess vantor;
    HWND options = StartAndOpenOptions(vantor, m_folder);
    ASSERT_NE(options, nullptr);
    ReplaceFieldText(options, kThresholdEdit1, "75");
    ClickClient(options, kApplyButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, true));

    const std::string profile = m_folder.Path() + "evening";
    ClickClient(options, kSaveAsButton);
    ASSERT_TRUE(TypeIntoFileDialog(vantor, profile, "options-save-dialog"));
    // The file is written key by key: its last key tells it is whole.
    ASSERT_TRUE(WaitUntil([&] { return Contains(m_folder.Read("evening.vtp"), "nChKelvaneTargetIdx="); }, 10000));
    EXPECT_TRUE(Contains(m_folder.Read("evening.vtp"), "Temp0Threshold=750")) << m_folder.Read("evening.vtp");

    ReplaceFieldText(options, kThresholdEdit1, "65");
    ClickClient(options, kApplyButton);
    ASSERT_TRUE(AnswerConfirmation(vantor, true));
    EXPECT_TRUE(WaitUntil([&] { return Contains(SettingsFile(), "Temp0Threshold=650"); }, 10000));

    ClickClient(options, kLoadButton);
    ASSERT_TRUE(TypeIntoFileDialog(vantor, profile + ".vtp", "options-load-dialog"));
    EXPECT_TRUE(WaitUntil([&] { return WindowTextOf(EditAt(options, kThresholdEdit1)) == "75"; }, 10000))
            << "the profile's threshold is shown";
    EXPECT_TRUE(vantor.End());
    EXPECT_TRUE(Contains(SettingsFile(), "Temp0Threshold=750")) << "and committed: the exit saves it";
}

}  // namespace
}  // namespace vantor::views
