// Vantor.exe started for real on the simulated classic board, driven with
// real mouse input: the main panel, the cover and the gadgets as a run shows
// them, the ways a run ends, the slide, the small gadgets and a start at boot
// that goes to the tray.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "testing/ClassicBoardRun_win.h"
#include "testing/EndToEnd_win.h"

namespace vantor::views {
namespace {

using testing::AllSized;
using testing::ArrangedCorners;
using testing::BoundsOf;
using testing::ClickWindowAt;
using testing::CoverOf;
using testing::kClassicSensors;
using testing::kMainPanelCaption;
using testing::kSkinnedClass;
using testing::kStartTimeoutMs;
using testing::SortedCorners;
using testing::TopLeftOf;
using testing::VantorProcess;
using testing::VisibleGadgets;
using testing::WaitUntil;

// Points of the main panel and the cover, from their top-left corners.
constexpr POINT kSlideButton{518, 104};
constexpr POINT kSmallLabel{240, 107};
constexpr POINT kCoverDragSurface{30, 100};
constexpr POINT kCoverCloseBox{185, 14};
constexpr int kMainPanelWidth = 558, kCoverHeight = 325;
constexpr int kSlideDistance = 270;

COLORREF ScreenPixelAt(POINT at) { return testing::ScreenPixel(at.x, at.y); }

class PanelRun : public testing::ClassicBoardRun {
protected:
    // The run's windows on the screen, and the cover under the panel.
    void StartShown(VantorProcess& vantor)
    {
        ClassicBoardRun::StartShown(vantor);
        if (HasFatalFailure())
            return;
        m_cover = CoverOf(vantor);
        ASSERT_NE(m_cover, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(m_cover) && IsWindowEnabled(m_panel); }, 5000));
    }

    HWND m_cover = nullptr;
};

TEST_F(PanelRun, StartsWithThePanelOnTheCoverAndTheGadgetsArrangedAndEndsOnWmUser)
{
    VantorProcess vantor;
    StartShown(vantor);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // No preference file: the cover centred by the panel's width and its own height.
    const RECT cover = BoundsOf(m_cover);
    EXPECT_EQ(cover.left, screenWidth / 2 - kMainPanelWidth / 2);
    EXPECT_EQ(cover.top, screenHeight / 2 - kCoverHeight / 2);
    EXPECT_EQ(TopLeftOf(m_panel).x, cover.left) << "the panel sits on the cover";
    EXPECT_EQ(TopLeftOf(m_panel).y, cover.top);
    EXPECT_EQ(GetWindow(m_cover, GW_OWNER), m_panel) << "the cover stays above the panel";

    // A first start has small gadgets, lined up along the right edge.
    const std::vector<HWND> gadgets = VisibleGadgets(vantor);
    const RECT first = BoundsOf(gadgets.front());
    const int width = first.right - first.left, height = first.bottom - first.top;
    EXPECT_EQ(width, 115);
    EXPECT_EQ(height, 50);
    EXPECT_TRUE(AllSized(gadgets, width, height));
    EXPECT_EQ(SortedCorners(gadgets), ArrangedCorners(1, kClassicSensors, width, height));
    for (HWND g : gadgets)
        EXPECT_EQ(GetWindow(g, GW_OWNER), m_cover) << "gadgets stay above the cover";
    testing::PointerAway();
    testing::SaveScreenshot("e2e-panel-start");

    PostMessageA(m_panel, WM_USER, 0, 0);
    EXPECT_EQ(vantor.WaitForExit(15000), std::optional<DWORD>(0)) << "WM_USER ends the run";
    EXPECT_EQ(Ini("maincover", "Left"), "(none)") << "ending this way keeps no cover position";
    EXPECT_EQ(Ini("Preference", "bSmall"), "1") << "the first start stored its flags";
}

TEST_F(PanelRun, TheCoversExitSavesWhereTheUserLeftItAndTheNextRunPutsItThere)
{
    RECT moved{};
    {
        VantorProcess vantor;
        StartShown(vantor);
        const POINT cover = TopLeftOf(m_cover), panel = TopLeftOf(m_panel);
        testing::DragWindowBy(m_cover, kCoverDragSurface.x, kCoverDragSurface.y, -200, -150);
        moved = BoundsOf(m_cover);
        EXPECT_EQ(moved.left, cover.x - 200);
        EXPECT_EQ(moved.top, cover.y - 150);
        EXPECT_TRUE(WaitUntil([&] { return TopLeftOf(m_panel).x == panel.x - 200; }, 3000)) << "the panel goes along";
        EXPECT_EQ(TopLeftOf(m_panel).y, panel.y - 150);

        ClickWindowAt(m_cover, kCoverCloseBox.x, kCoverCloseBox.y);
        EXPECT_EQ(vantor.WaitForExit(15000), std::optional<DWORD>(0)) << "the close box ends the run";
    }
    EXPECT_EQ(Ini("maincover", "Left"), std::to_string(moved.left));
    EXPECT_EQ(Ini("maincover", "Top"), std::to_string(moved.top));
    EXPECT_EQ(Ini("maincover", "MainPanelClosed"), "0");

    VantorProcess again;
    StartShown(again);
    EXPECT_EQ(TopLeftOf(m_cover).x, moved.left);
    EXPECT_EQ(TopLeftOf(m_cover).y, moved.top);
    EXPECT_EQ(TopLeftOf(m_panel).x, moved.left);
    EXPECT_EQ(TopLeftOf(m_panel).y, moved.top);
    EXPECT_TRUE(again.End());
}

TEST_F(PanelRun, TheSlideButtonHidesThePanelBehindTheCoverAndSmallResizesEveryGadget)
{
    VantorProcess vantor;
    StartShown(vantor);
    const RECT cover = BoundsOf(m_cover);
    const COLORREF desktop = testing::ScreenPixel(2, GetSystemMetrics(SM_CYSCREEN) - 2);
    const POINT panelArt{cover.left + 300, cover.top + 100};
    testing::PointerAway();
    ASSERT_NE(ScreenPixelAt(panelArt), desktop) << "the panel shows right of the cover";

    ClickWindowAt(m_panel, kSlideButton.x, kSlideButton.y);
    EXPECT_TRUE(WaitUntil(
            [&] { return TopLeftOf(m_panel).x == cover.left - kSlideDistance && IsWindowEnabled(m_panel); }, 5000))
            << "panel left " << TopLeftOf(m_panel).x;
    EXPECT_EQ(TopLeftOf(m_cover).x, cover.left) << "the cover stays";
    testing::PointerAway();
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixelAt(panelArt) == desktop; }, 2000))
            << "nothing of the panel shows beside the cover";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(m_panel, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, kSlideDistance + 50, 100)) << "the region hides what lies under the cover";
    EXPECT_TRUE(PtInRegion(region, kSlideButton.x, kSlideButton.y)) << "the slide button stays out";
    DeleteObject(region);
    testing::SaveScreenshot("e2e-panel-slid-in");

    ClickWindowAt(m_panel, kSlideButton.x, kSlideButton.y);
    EXPECT_TRUE(WaitUntil([&] { return TopLeftOf(m_panel).x == cover.left && IsWindowEnabled(m_panel); }, 5000))
            << "panel left " << TopLeftOf(m_panel).x;
    testing::PointerAway();
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixelAt(panelArt) != desktop; }, 2000)) << "the panel is out again";

    // "Small" is on after a first start: a click gives every gadget the
    // hexagon, a second one the small skin again.
    std::vector<HWND> gadgets = VisibleGadgets(vantor);
    ASSERT_EQ(gadgets.size(), kClassicSensors);
    ASSERT_TRUE(AllSized(gadgets, 115, 50));
    ClickWindowAt(m_panel, kSmallLabel.x, kSmallLabel.y);
    EXPECT_TRUE(WaitUntil([&] { return AllSized(gadgets, 127, 111); }, 5000)) << "hexagons";
    EXPECT_TRUE(WaitUntil([&] { return Ini("Preference", "bSmall") == "0"; }, 2000));
    testing::PointerAway();
    testing::SaveScreenshot("e2e-gadgets-hexagon");
    ClickWindowAt(m_panel, kSmallLabel.x, kSmallLabel.y);
    EXPECT_TRUE(WaitUntil([&] { return AllSized(gadgets, 115, 50); }, 5000)) << "small again";
    EXPECT_TRUE(WaitUntil([&] { return Ini("Preference", "bSmall") == "1"; }, 2000));
    testing::PointerAway();
    testing::SaveScreenshot("e2e-gadgets-small");
    EXPECT_EQ(VisibleGadgets(vantor).size(), kClassicSensors) << "no gadget closed on the way";

    EXPECT_TRUE(vantor.End());
}

// The icon of this program in the notification area: Wine's own tray
// window when X has no tray (its icons sit in a row of squares as high as
// the window), the taskbar's otherwise. Nothing when there is neither.
std::optional<POINT> TrayIconPoint()
{
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    if (tray == nullptr || !IsWindowVisible(tray))
        return std::nullopt;
    RECT client{};
    GetClientRect(tray, &client);
    POINT icon{client.bottom / 2, client.bottom / 2};
    ClientToScreen(tray, &icon);
    return icon;
}

TEST_F(PanelRun, AStartAtBootHidesPanelAndCoverLeavesTheGadgetsAndTheTrayRestores)
{
    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(m_folder, "1"));
    // The gadgets come up at the panel's first show, so once they are all
    // there the panel has been shown.
    ASSERT_TRUE(WaitUntil([&] { return VisibleGadgets(vantor).size() == kClassicSensors; }, kStartTimeoutMs));
    m_panel = vantor.FindWindowOf(kSkinnedClass, kMainPanelCaption);
    m_cover = CoverOf(vantor);
    ASSERT_NE(m_panel, nullptr);
    ASSERT_NE(m_cover, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(m_panel) && !IsWindowVisible(m_cover); }, 5000))
            << "panel and cover go to the tray";
    EXPECT_EQ(VisibleGadgets(vantor).size(), kClassicSensors) << "the gadgets stay";
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(m_panel)) << "and stay hidden";
    testing::PointerAway();
    testing::SaveScreenshot("e2e-started-at-boot");

    // A left click on the tray icon restores them.
    const std::optional<POINT> icon = TrayIconPoint();
    ASSERT_TRUE(icon.has_value()) << "Wine's tray window is on the screen";
    testing::ClickAt(*icon);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(m_panel) && IsWindowVisible(m_cover); }, 5000))
            << "Restore shows panel and cover";
    EXPECT_EQ(TopLeftOf(m_panel).x, TopLeftOf(m_cover).x);
    EXPECT_EQ(VisibleGadgets(vantor).size(), kClassicSensors);

    EXPECT_TRUE(vantor.End());
}

}  // namespace
}  // namespace vantor::views
