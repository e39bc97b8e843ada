// The options window made in this process on the simulated device, shown
// modally while a second thread works it with the real mouse and keyboard.
// The list window is a stand-in that answers its questions and records
// them; the restart of Windows is a stand-in that only counts. The settings
// file and the device are read back afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/Views.h"
#include "gadget/GadgetsView.h"
#include "language/layouts/LayoutTables.h"
#include "option/OptionsWindow_win.h"
#include "option/ThresholdKnob.h"
#include "option/tests/OptionsDriver_win.h"
#include "testing/NullViews.h"

namespace vantor::views {
namespace {

using namespace optiontest;

constexpr std::uint32_t kCpuFanMode = 0x04080011;
constexpr POINT kFahrenheit{256, 242};
constexpr int kRowTops[] = {139, 169, 198, 228, 257};
// A normal gadget's close box, client coordinates.
constexpr POINT kGadgetClose{83, 95};
// The second temperature row, where its knob hangs.
constexpr int kSecondKnobTop = 172;

// Answers every show with the next prepared answer (OK when none is left)
// and the prepared selection, and keeps the questions asked.
class AnsweringList final : public testing::NullList {
public:
    void SetItems(std::vector<std::string> items) override { lastItems = std::move(items); }
    void SetMessageText(std::string text) override { questions.push_back(std::move(text)); }
    ListResult ShowListWindow(ListMode mode, ListContent) override
    {
        modes.push_back(mode);
        if (answers.empty())
            return ListResult::Ok;
        const ListResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int SelectedIndex() const override { return selection; }

    std::deque<ListResult> answers;
    int selection = -1;
    std::vector<std::string> questions;
    std::vector<std::string> lastItems;
    std::vector<ListMode> modes;
};

class CountingRestart final : public monitor::SystemRestart {
public:
    void RebootSystem() override { ++restarts; }
    int restarts = 0;
};

class NoDialogs final : public ProfileDialogs {
public:
    std::optional<std::string> ChooseSave(HWND, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> ChooseOpen(HWND, const std::string&, const std::string&) override { return {}; }
};

class OptionsOnBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Complete()) << m_folder.Missing();
        Views& views = TheViews();
        views = Views{};
        views.programFolder = m_folder.Path();
        views.mainPanel = &m_panel;
        views.cover = &m_cover;
        views.list = &m_list;
    }
    void TearDown() override
    {
        m_window.reset();
        TheViews() = Views{};
        testing::RestoreServiceBoard();
    }

    // Makes the window on the board and shows it modally while `drive`
    // works it from another thread; the window is closed with Cancel after.
    void Run(const std::function<void(HWND)>& drive, const std::function<void()>& prepare = {})
    {
        m_window.reset();
        m_window = CreateOptionsWindow(std::make_unique<NoDialogs>(), &m_restart);
        OptionsView* options = TheViews().options;
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->LayoutResult(), static_cast<int>(monitor::kOptionLayout.size()))
                << "every control of the window has its row of the layout table, and only one";
        HWND window = static_cast<HWND>(options->WindowHandle());
        if (prepare)
            prepare();
        std::thread driver([&] {
            WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 10000);
            Sleep(300);
            drive(window);
            ClickClient(window, kCancelButton);
            // Cancel of an unchanged window closes it at once; a second one
            // closes a window the drive left changed.
            if (!WaitUntil([&] { return !IsWindowVisible(window); }, 3000))
                ClickClient(window, kCancelButton);
        });
        options->ShowModal();
        driver.join();
    }

    std::string SettingsFile() const { return m_folder.Read("vantor.dat"); }

    ProgramFolder m_folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    testing::NullMainPanel m_panel;
    testing::NullCover m_cover;
    AnsweringList m_list;
    CountingRestart m_restart;
    std::unique_ptr<ProgramWindow> m_window;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Lit pixels of a row's check mark (cyan strokes) on the screen.
int CheckMarkPixels(HWND window, int row)
{
    RECT r{};
    GetWindowRect(window, &r);
    const int left = r.left + 46, top = r.top + kRowTops[row] + 4;
    HDC screen = GetDC(nullptr);
    int lit = 0;
    for (int y = top; y < top + 13; ++y)
        for (int x = left; x < left + 13; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            if (GetBValue(c) > 150 && GetGValue(c) > 150 && GetRValue(c) < 120)
                ++lit;
        }
    ReleaseDC(nullptr, screen);
    return lit;
}

// The gadget windows of this process that are shown.
std::vector<HWND> ShownGadgets()
{
    std::vector<HWND> gadgets;
    EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                char caption[32] = {};
                GetWindowTextA(window, caption, sizeof caption);
                if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                    std::string(caption) == "Vantor sensor")
                    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&gadgets));
    return gadgets;
}

TEST_F(OptionsOnBoard, GroupFanModeAppliedAfterTheRestartQuestionReachesTheBoard)
{
    ASSERT_EQ(testing::LoadBoard("group"), 0u);
    const DeviceLibrary device;
    ASSERT_TRUE(device.Open());
    ASSERT_EQ(device.GroupItemValue(kCpuFanMode), 0);
    m_list.selection = 1;  // Manual
    Run([](HWND window) {
        ClickClient(window, kMainTab2);
        ClickClient(window, kFirstGroupChooser);
        ClickClient(window, kApplyButton);
    });
    EXPECT_EQ(m_list.lastItems, (std::vector<std::string>{"Smart", "Manual"})) << "the mode's options";
    ASSERT_EQ(m_list.questions.size(), 2u);
    EXPECT_EQ(m_list.questions[0], "Do you want to apply current setting?");
    EXPECT_EQ(m_list.questions[1], "Kelvane setting need to restart system!!\nAre you sure??");
    EXPECT_EQ(m_restart.restarts, 1) << "the stand-in took the restart";
    EXPECT_EQ(device.GroupItemValue(kCpuFanMode), 1) << "the board holds Manual";
    EXPECT_TRUE(Contains(SettingsFile(), "[OPTION_SENSOR]")) << "the rest of Apply ran";
}

TEST_F(OptionsOnBoard, SecondPageOfFansTypesIntoTheSixthFan)
{
    ASSERT_EQ(testing::LoadBoard("many"), 0u);
    Run([](HWND window) {
        ClickClient(window, kSensorTab3);
        testing::SaveScreenshot("options-fans-page1-many");
        ClickClient(window, kNextPage);
        testing::SaveScreenshot("options-fans-page2-many");
        ReplaceFieldText(window, kThresholdEdit1, "1500");
        ClickClient(window, kApplyButton);
    });
    const std::string file = SettingsFile();
    EXPECT_TRUE(Contains(file, "Fan5Threshold=1500")) << file;
    EXPECT_TRUE(Contains(file, "Fan0Threshold=800")) << "the first fan keeps its threshold";
}

TEST_F(OptionsOnBoard, FahrenheitEntryStoresCelsiusAndTheKnobsEndIsTheMaximum)
{
    Run([](HWND window) {
        ClickClient(window, kMainTab2);
        ClickClient(window, kFahrenheit);
        ClickClient(window, kApplyButton);
        ClickClient(window, kMainTab1);
        ReplaceFieldText(window, kThresholdEdit1, "194");
        ClickClient(window, kApplyButton);
        testing::SaveScreenshot("options-fahrenheit");
    });
    std::string file = SettingsFile();
    EXPECT_TRUE(Contains(file, "nrTempScale=2")) << file;
    EXPECT_TRUE(Contains(file, "Temp0Threshold=900")) << "194 F is 90 C";

    // The system temperature's knob (threshold 45.0 of 20.0 .. 70.0 degrees)
    // dragged past its right end.
    const int knobLeft = KnobLeftFor(450, {.MaxThreshold = 700, .MinThreshold = 200});
    Run([knobLeft](HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        const int y = r.top + kSecondKnobTop + 6;
        testing::MouseTo({r.left + knobLeft + 4, y});
        toolkit::test::MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        for (int x = knobLeft + 4; x <= 520; x += 10)
            testing::MouseTo({r.left + x, y});
        toolkit::test::MouseButtonEvent(MOUSEEVENTF_LEFTUP);
        testing::Pump(200);
        ClickClient(window, kApplyButton);
    });
    file = SettingsFile();
    EXPECT_TRUE(Contains(file, "Temp1Threshold=700")) << "the system temperature's maximum: " << file;
}

// Hidden all run long, the window takes its pictures and shape at its first
// show: no outline before, its background's outline after (the row check
// marks drawn with those pictures are the next test's).
TEST_F(OptionsOnBoard, TheWindowTakesItsSkinAtTheFirstShow)
{
    auto regionKind = [](HWND window) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetWindowRgn(window, region);
        DeleteObject(region);
        return kind;
    };
    int before = -1, shown = -1;
    Run([&](HWND window) { shown = regionKind(window); },
        [&] { before = regionKind(static_cast<HWND>(TheViews().options->WindowHandle())); });
    EXPECT_EQ(before, ERROR);
    EXPECT_EQ(shown, COMPLEXREGION);
}

// Gadgets closed while the window is open: the sensors' rows show them off.
TEST_F(OptionsOnBoard, ClosingTheGadgetsClearsTheRowsCheckMarks)
{
    int before = 0, after = 0;
    std::size_t closed = 0;
    Run(
            [&](HWND window) {
                before = CheckMarkPixels(window, 0);
                const std::vector<HWND> gadgets = ShownGadgets();
                closed = gadgets.size();
                for (HWND gadget : gadgets) {
                    RECT g{};
                    GetWindowRect(gadget, &g);
                    testing::ClickAt({g.left + kGadgetClose.x, g.top + kGadgetClose.y});
                    testing::Pump(100);
                }
                Sleep(300);
                after = CheckMarkPixels(window, 0) + CheckMarkPixels(window, 1);
                testing::SaveScreenshot("options-gadgets-closed");
            },
            [] {
                // As the main panel's first show does.
                TheViews().gadgets->ShowEnabledGadgets();
                testing::Pump(300);
            });
    EXPECT_EQ(closed, 13u) << "the classic board's gadgets were shown";
    EXPECT_GT(before, 5) << "the processor's row was checked";
    EXPECT_EQ(after, 0) << "both temperature rows show their sensors off";
}

}  // namespace
}  // namespace vantor::views
