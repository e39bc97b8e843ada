// Vantor.exe's gadgets moved with real mouse input: two hexagons dragged
// within reach dock flush and travel together, a gadget with its magnet off
// drags alone, and the arrangement chooser lines every gadget up along the
// bottom edge.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testing/ClassicBoardRun_win.h"
#include "testing/EndToEnd_win.h"

namespace vantor::views {
namespace {

using testing::ArrangedCorners;
using testing::BoundsOf;
using testing::ClickWindowAt;
using testing::kClassicSensors;
using testing::kListCaption;
using testing::kSkinnedClass;
using testing::SortedCorners;
using testing::TopLeftOf;
using testing::VantorProcess;
using testing::VisibleGadgets;
using testing::WaitUntil;

constexpr int kHexW = 127, kHexH = 111;
// From a hexagon's top-left corner: a point of its body, its magnet switch.
constexpr POINT kBody{63, 24};
constexpr POINT kMagnet{66, 96};
// From the main panel's: the arrangement field's drop-down button.
constexpr POINT kSchemeButton{351, 92};
// From the list window's: the OK button of the list.
constexpr POINT kListOk{55, 128};
// The two gadgets of the docking test: the temperatures.
constexpr int kGadgetA = 8, kGadgetB = 9;

using GadgetRun = testing::ClassicBoardRun;

// The gadget whose window's top-left corner is there.
HWND GadgetAt(const VantorProcess& vantor, int left, int top)
{
    for (HWND g : VisibleGadgets(vantor)) {
        const POINT at = TopLeftOf(g);
        if (at.x == left && at.y == top)
            return g;
    }
    return nullptr;
}

TEST_F(GadgetRun, TwoHexagonsDraggedWithinReachDockFlushMoveTogetherAndAMagnetOffOneDragsAlone)
{
    // Hexagons, the cover out of the way, and every gadget where a previous
    // run left it: eleven in two rows far apart, A and B free below them.
    std::string ini = "[Preference]\r\nbSmall=0\r\n[maincover]\r\nLeft=700\r\nTop=650\r\n";
    int gridSlot = 0;
    for (int i = 0; i < static_cast<int>(kClassicSensors); ++i) {
        int left = 0, top = 0;
        if (i == kGadgetA) {
            left = 300, top = 560;
        } else if (i == kGadgetB) {
            left = 340, top = 560 - kHexH - 40;  // 40 right of A, a 40-pixel gap above it
        } else {
            left = 20 + 200 * (gridSlot % 6), top = 20 + 180 * (gridSlot / 6);
            ++gridSlot;
        }
        ini += "[arcrft" + std::to_string(i) + "]\r\nLeft=" + std::to_string(left) + "\r\nTop=" + std::to_string(top) +
               "\r\n";
    }
    ASSERT_TRUE(m_folder.Write("Vantor.ini", ini));

    VantorProcess vantor;
    StartShown(vantor);
    HWND a = GadgetAt(vantor, 300, 560);
    HWND b = GadgetAt(vantor, 340, 560 - kHexH - 40);
    ASSERT_NE(a, nullptr) << "gadget A where the preference file put it";
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(BoundsOf(a).right - BoundsOf(a).left, kHexW);
    const std::vector<testing::Corner> others = [&] {
        std::vector<HWND> rest;
        for (HWND g : VisibleGadgets(vantor))
            if (g != a && g != b)
                rest.push_back(g);
        return SortedCorners(rest);
    }();

    // A goes 30 up and 30 right: its top midpoint comes within 25 pixels of
    // B's bottom midpoint, and B snaps flush on top of it.
    testing::DragWindowBy(a, kBody.x, kBody.y, 30, -30);
    EXPECT_EQ(TopLeftOf(a).x, 330);
    EXPECT_EQ(TopLeftOf(a).y, 530);
    EXPECT_EQ(TopLeftOf(b).x, 330) << "B's left is A's left";
    EXPECT_EQ(TopLeftOf(b).y, 530 - kHexH) << "B's bottom is A's top";
    // The end of the drag stored every gadget's place and the "User" arrangement.
    EXPECT_TRUE(WaitUntil([&] { return Ini("arcrft8", "Left") == "330"; }, 3000));
    EXPECT_EQ(Ini("arcrft8", "Top"), "530");
    EXPECT_EQ(Ini("arcrft9", "Top"), std::to_string(530 - kHexH));
    EXPECT_EQ(Ini("Preference", "nSchemeIdx"), "-1");

    // The next drag of A takes B along.
    testing::DragWindowBy(a, kBody.x, kBody.y, -120, 90);
    EXPECT_EQ(TopLeftOf(a).x, 210);
    EXPECT_EQ(TopLeftOf(a).y, 620);
    EXPECT_TRUE(WaitUntil([&] { return TopLeftOf(b).x == 210 && TopLeftOf(b).y == 620 - kHexH; }, 2000))
            << "B at " << TopLeftOf(b).x << ", " << TopLeftOf(b).y;
    testing::PointerAway();
    testing::SaveScreenshot("e2e-gadgets-docked");

    // A's magnet off: A drags alone and leaves B behind.
    ClickWindowAt(a, kMagnet.x, kMagnet.y);
    Sleep(300);
    testing::DragWindowBy(a, kBody.x, kBody.y, 0, 150);
    EXPECT_EQ(TopLeftOf(a).x, 210);
    EXPECT_EQ(TopLeftOf(a).y, 770);
    EXPECT_EQ(TopLeftOf(b).x, 210) << "B stays where it was";
    EXPECT_EQ(TopLeftOf(b).y, 620 - kHexH);

    std::vector<HWND> rest;
    for (HWND g : VisibleGadgets(vantor))
        if (g != a && g != b)
            rest.push_back(g);
    EXPECT_EQ(SortedCorners(rest), others) << "no other gadget was pulled";
    EXPECT_TRUE(vantor.End());
}

TEST_F(GadgetRun, TheArrangementChooserOpensBelowTheFieldAndBottomLinesTheGadgetsUpAlongTheBottomEdge)
{
    VantorProcess vantor;
    StartShown(vantor);
    const RECT panel = BoundsOf(m_panel);
    ClickWindowAt(m_panel, kSchemeButton.x, kSchemeButton.y);
    HWND list = vantor.WaitForVisibleWindow(kSkinnedClass, kListCaption, 5000);
    ASSERT_NE(list, nullptr) << "the list window opens";
    EXPECT_EQ(TopLeftOf(list).x, panel.left + 345) << "below the field's button";
    EXPECT_EQ(TopLeftOf(list).y, panel.top + 84 + 16 + 2);
    HWND items = FindWindowExA(list, nullptr, "LISTBOX", nullptr);
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(SendMessageA(items, LB_GETCOUNT, 0, 0), 4) << "Top, Right, Bottom, Left";
    testing::PointerAway();
    testing::SaveScreenshot("e2e-list-arrangements");

    // The user picks "Bottom", the third line, and presses OK.
    const int lineHeight = static_cast<int>(SendMessageA(items, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(lineHeight, 0);
    const RECT itemsBounds = BoundsOf(items);
    testing::ClickAt({itemsBounds.left + 20, itemsBounds.top + 2 + lineHeight * 2 + lineHeight / 2});
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(items, LB_GETCURSEL, 0, 0) == 2; }, 2000));
    ClickWindowAt(list, kListOk.x, kListOk.y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 5000)) << "OK closes the list";

    const std::vector<HWND> gadgets = VisibleGadgets(vantor);
    ASSERT_EQ(gadgets.size(), kClassicSensors);
    const RECT first = BoundsOf(gadgets.front());
    const std::vector<testing::Corner> bottom =
            ArrangedCorners(2, kClassicSensors, first.right - first.left, first.bottom - first.top);
    EXPECT_TRUE(WaitUntil([&] { return SortedCorners(VisibleGadgets(vantor)) == bottom; }, 5000));
    // Whatever the pure arrangement says, the lowest row sits on the bottom
    // edge (above a taskbar there) and the gadgets fill rows from the left.
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int lowest = 0, leftmost = screenHeight;
    for (HWND g : gadgets) {
        lowest = std::max<int>(lowest, BoundsOf(g).bottom);
        leftmost = std::min<int>(leftmost, BoundsOf(g).left);
    }
    EXPECT_LE(lowest, screenHeight);
    EXPECT_GE(lowest, screenHeight - 60);
    EXPECT_EQ(leftmost, 0);
    EXPECT_TRUE(WaitUntil([&] { return Ini("Preference", "nSchemeIdx") == "2"; }, 2000));
    testing::PointerAway();
    testing::SaveScreenshot("e2e-gadgets-bottom");
    EXPECT_TRUE(vantor.End());
}

}  // namespace
}  // namespace vantor::views
