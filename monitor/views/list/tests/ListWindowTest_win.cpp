// The list and message window on the screen, in this process, with the
// rendered skins beside the test: its layout table, the message mode centred
// with its text and only OK, a confirmation pulled back from the screen's
// right edge, and the arrangement list; answered with real clicks.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "testing/NullViews.h"
#include "app/Views.h"
#include "gadget/GadgetsView.h"
#include "list/ListWindow_win.h"
#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"

namespace vantor::views {
namespace {

using testing::ClickAt;
using testing::Pump;
using testing::SaveScreenshot;
using testing::ScreenPixel;

// What runs while the modal window is shown, from a timer of the modal loop;
// a second timer ends a show that nobody answered, so a failure cannot hang.
std::function<void()> g_whileShown;

void CALLBACK RunWhileShown(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto action = std::exchange(g_whileShown, nullptr);
    if (action)
        action();
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PostQuitMessage(0);
}

ListResult ShowAnd(ListWindow& window, ListMode mode, ListContent content, std::function<void()> action)
{
    g_whileShown = std::move(action);
    SetTimer(nullptr, 0, 400, &RunWhileShown);
    const UINT_PTR guard = SetTimer(nullptr, 0, 20000, &GiveUp);
    const ListResult result = window.ShowListWindow(mode, content);
    KillTimer(nullptr, guard);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return result;
}

POINT OnScreen(HWND window, int x, int y)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left + x, r.top + y};
}

bool Bright(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) > 150 && GetBValue(c) > 150; }

int BrightPixels(HWND window, RECT area)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; y += 1)
        for (int x = area.left; x < area.right; x += 2) {
            const POINT p = OnScreen(window, x, y);
            count += Bright(ScreenPixel(p.x, p.y));
        }
    return count;
}

class FakeGadgets final : public ::vantor::views::testing::NullGadgets {
public:
    std::vector<std::pair<int, GadgetSelection>> arranged;
    void ShowEnabledGadgets() override {}
    void HideAllGadgets() override {}
    void RelayoutGadgets() override {}
    void ArrangeGadgets(int index, GadgetSelection which) override { arranged.emplace_back(index, which); }
    int ArrangementIndex() const override { return -1; }
    void EvaluateAll() override {}
    void AfterCommit() override {}
    std::uint32_t ShownGadgetMask() const override { return 0; }
    std::uint32_t CreatedGadgetMask() const override { return 0; }
    bool GadgetShown(std::size_t) const override { return false; }
    std::size_t GadgetCount() const override { return 0; }
};

class ListWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_applied = m_window.Create(testing::BuildFolder() + "Res\\", nullptr);
        ASSERT_NE(m_window.Handle(), nullptr);
    }
    void TearDown() override { TheViews().gadgets = nullptr; }

    ListWindow m_window;
    int m_applied = 0;
};

TEST_F(ListWindowTest, LayoutTableNamesEveryControlOfTheWindow)
{
    EXPECT_EQ(m_applied, 24) << "23 controls and the window itself";
    RECT r{};
    GetWindowRect(m_window.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 267);
    EXPECT_EQ(r.bottom - r.top, 282);
    EXPECT_FALSE(IsWindowVisible(m_window.Handle()));
    EXPECT_FALSE(m_window.MessageWindowShown());
}

TEST_F(ListWindowTest, MessageIsCentredOnTopWithItsTextAndOnlyOk)
{
    const std::string text = "Vantor Message:\n\nThere are some warnings: \nCPU Temperature";
    m_window.SetMessageText(text);
    m_window.PlaceAt(5, 5);  // the message mode places itself
    const COLORREF beyondBefore = ScreenPixel(390 + 440, 412 + 60);
    RECT shownAt{};
    bool shownFlag = false, topmost = false;
    int textPixels = 0, cancelPixels = 0;
    COLORREF beyond = 0;
    const ListResult result = ShowAnd(m_window, ListMode::Message, ListContent::Prepared, [&] {
        HWND w = m_window.Handle();
        Pump(200);
        GetWindowRect(w, &shownAt);
        shownFlag = m_window.MessageWindowShown();
        topmost = (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        textPixels = BrightPixels(w, {20, 30, 360, 110});
        cancelPixels = BrightPixels(w, {370, 118, 425, 138});  // right of OK, where Cancel would stand
        const POINT out = OnScreen(w, 440, 60);
        beyond = ScreenPixel(out.x, out.y);
        SaveScreenshot("list-message");
        m_window.SetMessageText(text + ", CPU Fan");  // an onset while it is open
        ClickAt(OnScreen(w, 300 + 30, 118 + 10));     // OK
    });
    EXPECT_EQ(result, ListResult::Ok);
    EXPECT_EQ(shownAt.left, (1280 - 500) / 2);
    EXPECT_EQ(shownAt.top, (1024 - 200) / 2);
    EXPECT_EQ(shownAt.right - shownAt.left, 500);
    EXPECT_EQ(shownAt.bottom - shownAt.top, 200);
    EXPECT_TRUE(shownFlag);
    EXPECT_TRUE(topmost);
    EXPECT_GT(textPixels, 40) << "the message is drawn in light text";
    EXPECT_EQ(cancelPixels, 0) << "no Cancel button in message mode";
    EXPECT_EQ(beyond, beyondBefore) << "the window's part beyond the frame is cut away";
    EXPECT_EQ(m_window.MessageText(), text + ", CPU Fan");
    EXPECT_FALSE(m_window.MessageWindowShown());
    EXPECT_FALSE(IsWindowVisible(m_window.Handle()));
}

TEST_F(ListWindowTest, MessageCloseBoxAnswersCancel)
{
    m_window.SetMessageText("Vantor Message:\n\nThere are some warnings: \nVcore Voltage");
    const ListResult result = ShowAnd(m_window, ListMode::Message, ListContent::Prepared,
                                      [&] { ClickAt(OnScreen(m_window.Handle(), 359 + 5, 5 + 5)); });
    EXPECT_EQ(result, ListResult::Cancel);
}

TEST_F(ListWindowTest, ConfirmationNearTheRightEdgeIsPulledBackAndCancelAnswersTwo)
{
    m_window.SetMessageText("Do you want to apply current setting?");
    m_window.PlaceAt(1200, 300);
    RECT shownAt{};
    int cancelPixels = 0;
    const ListResult result = ShowAnd(m_window, ListMode::Confirm, ListContent::Prepared, [&] {
        HWND w = m_window.Handle();
        Pump(200);
        GetWindowRect(w, &shownAt);
        cancelPixels = BrightPixels(w, {305, 98, 365, 118});
        SaveScreenshot("list-confirm");
        ClickAt(OnScreen(w, 305 + 30, 98 + 10));  // Cancel
    });
    EXPECT_EQ(result, ListResult::Cancel);
    EXPECT_EQ(shownAt.left, 1280 - 500 + 110);
    EXPECT_EQ(shownAt.top, 300);
    EXPECT_EQ(shownAt.bottom - shownAt.top, 180);
    EXPECT_GT(cancelPixels, 0) << "the Cancel button's caption";
}

TEST_F(ListWindowTest, ArrangementListArrangesOnlyWithASelection)
{
    FakeGadgets gadgets;
    TheViews().gadgets = &gadgets;
    m_window.PlaceAt(300, 200);
    int items = 0;
    EXPECT_EQ(ShowAnd(m_window, ListMode::List, ListContent::Arrangements,
                      [&] {
                          HWND list = FindWindowExA(m_window.Handle(), nullptr, "LISTBOX", nullptr);
                          items = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
                          ClickAt(OnScreen(m_window.Handle(), 25 + 30, 118 + 10));  // OK
                      }),
              ListResult::Cancel);
    EXPECT_EQ(items, 4) << "Top, Right, Bottom, Left";
    EXPECT_TRUE(gadgets.arranged.empty());

    m_window.SelectIndex(2);
    EXPECT_EQ(ShowAnd(m_window, ListMode::List, ListContent::Arrangements,
                      [&] {
                          SaveScreenshot("list-arrangements");
                          ClickAt(OnScreen(m_window.Handle(), 25 + 30, 118 + 10));
                      }),
              ListResult::Ok);
    ASSERT_EQ(gadgets.arranged.size(), 1u);
    EXPECT_EQ(gadgets.arranged[0].first, 2);
    EXPECT_EQ(gadgets.arranged[0].second, GadgetSelection::Shown);
    EXPECT_EQ(m_window.SelectedIndex(), 2);
}

}  // namespace
}  // namespace vantor::views
