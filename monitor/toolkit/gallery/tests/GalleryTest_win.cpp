// The gallery on the (Xvfb) screen, driven with real mouse input: the
// picture a skinned button shows through a whole rollover sequence, read
// back from the window's pixels; the knob's drag; a hint; the timer; the
// child windows following their controls; the tray icon; the shaped badge.
// Screenshots of the gallery in its states go to $VANTOR_SCREENS_DIR.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "DemoSkin.h"
#include "GalleryForm.h"
#include "WineMouse.h"
#include "WineScreen.h"
#include "toolkit/KnobLogic.h"
#include "toolkit/TImage.h"
#include "toolkit/TListBox.h"
#include "toolkit/TPanel.h"
#include "toolkit/TTimer.h"
#include "toolkit/TTreeView.h"

namespace vantor::gallery {
namespace {

using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::PixelAt;
using toolkit::test::Pump;
using toolkit::test::ScreenPoint;

class Gallery : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_gallery.Build(60, 60));
        m_gallery.Show();
        m_gallery.Badge().Show();
        SetForegroundWindow(m_gallery.Handle());
        Pump(300);
        m_window = m_gallery.Handle();
        // Start with the pointer on the panel below the buttons, away from them.
        m_away = ScreenPoint(m_window, 300, 212);
        MouseTo(m_away);
    }

    // The face colour the APPLY button shows (left of its caption).
    COLORREF GoFace() const { return PixelAt(m_window, kGoButton.left + 6, kGoButton.top + 15); }
    POINT GoInside() const { return ScreenPoint(m_window, kGoButton.left + 50, kGoButton.top + 14); }
    POINT GoOutside() const { return ScreenPoint(m_window, kGoButton.left + 50, kGoButton.bottom + 30); }

    GalleryForm m_gallery;
    HWND m_window = nullptr;
    POINT m_away{};
};

TEST_F(Gallery, SkinnedButtonShowsEachStateThroughARolloverSequence)
{
    EXPECT_EQ(GoFace(), kFaceUp);
    toolkit::test::SaveScreenshot("toolkit-gallery");

    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceOver) << "pointer in";
    toolkit::test::SaveScreenshot("toolkit-gallery-over");

    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GoFace(), kFaceDown) << "pressed";
    EXPECT_EQ(m_gallery.Pressed(), 1);
    toolkit::test::SaveScreenshot("toolkit-gallery-down");

    MouseTo(GoOutside());
    EXPECT_EQ(GoFace(), kFaceUp) << "dragged out";
    EXPECT_EQ(GetCapture(), m_window) << "the press keeps the mouse";
    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceDown) << "back in";

    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GoFace(), kFaceUp) << "released inside";
    EXPECT_EQ(m_gallery.Clicks(), 1);
    EXPECT_EQ(m_gallery.Released(), 1);

    // A click without leaving: the pointer that stays keeps "Up" until it
    // has left the button and come back.
    MouseTo(GoOutside());
    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceOver);
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GoFace(), kFaceUp);
    EXPECT_EQ(m_gallery.Clicks(), 2);
    MouseTo(ScreenPoint(m_window, kGoButton.left + 52, kGoButton.top + 14));
    EXPECT_EQ(GoFace(), kFaceUp) << "no rollover again until the pointer has left";

    // Leave and come back, press, release outside: no click, Up stays.
    MouseTo(GoOutside());
    MouseTo(GoInside());
    EXPECT_EQ(GoFace(), kFaceOver);
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(GoFace(), kFaceDown);
    MouseTo(GoOutside());
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(GoFace(), kFaceUp);
    EXPECT_EQ(m_gallery.Clicks(), 2);
    EXPECT_EQ(m_gallery.Pressed(), 3);
    EXPECT_EQ(m_gallery.Released(), 3);
    EXPECT_NE(GetCapture(), m_window);

    // The disabled RESET button shows its disabled picture and takes no press.
    const int resetLeft = kGoButton.right + 12;
    EXPECT_EQ(PixelAt(m_window, resetLeft + 6, kGoButton.top + 15), kFaceDisabled);
    MouseTo(ScreenPoint(m_window, resetLeft + 50, kGoButton.top + 14));
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(PixelAt(m_window, resetLeft + 6, kGoButton.top + 15), kFaceDisabled);
    EXPECT_EQ(m_gallery.Pressed(), 3);
}

TEST_F(Gallery, KnobFollowsTheDragWithinItsTrack)
{
    auto* knob = m_gallery.FindImage("imgKnob");
    ASSERT_NE(knob, nullptr);
    ASSERT_EQ(knob->Left(), toolkit::kKnobMinLeft);
    MouseTo(ScreenPoint(m_window, knob->Left() + 7, kKnobTop + 12));
    MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseTo(ScreenPoint(m_window, knob->Left() + 7 + 30, kKnobTop + 12));
    EXPECT_EQ(knob->Left(), toolkit::kKnobMinLeft + 30);
    toolkit::test::SaveScreenshot("toolkit-gallery-knob");
    MouseTo(ScreenPoint(m_window, 640, kKnobTop + 40));  // far right, below the track
    EXPECT_EQ(knob->Left(), toolkit::kKnobMaxLeft);
    const int moves = m_gallery.KnobMoves();
    MouseTo(ScreenPoint(m_window, 650, kKnobTop));  // still clamped: notified all the same
    EXPECT_EQ(knob->Left(), toolkit::kKnobMaxLeft);
    EXPECT_EQ(m_gallery.KnobMoves(), moves + 1);
    MouseTo(ScreenPoint(m_window, 20, kKnobTop));
    EXPECT_EQ(knob->Left(), toolkit::kKnobMinLeft);
    // The knob's pixels moved with it: its light face at its new place.
    EXPECT_EQ(PixelAt(m_window, toolkit::kKnobMinLeft + 4, kKnobTop + 3), RGB(200, 208, 216));
    MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    MouseTo(ScreenPoint(m_window, 600, kKnobTop + 12));
    EXPECT_EQ(knob->Left(), toolkit::kKnobMinLeft) << "released: moves no longer drag it";
}

TEST_F(Gallery, HintOfAHoveredControlAppears)
{
    MouseTo(GoInside());
    HWND tips = m_gallery.HintWindow();
    ASSERT_NE(tips, nullptr);
    for (int i = 0; i < 40 && !IsWindowVisible(tips); ++i)
        Pump(50);
    ASSERT_TRUE(IsWindowVisible(tips)) << "no tooltip after 2 s";
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    char text[80] = {};
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(tips, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_STREQ(text, "Applies the settings");
    toolkit::test::SaveScreenshot("toolkit-gallery-hint");
}

TEST_F(Gallery, TimerFiresWhileEnabledOnly)
{
    toolkit::TTimer* timer = m_gallery.FindTimer("tmrClock");
    ASSERT_NE(timer, nullptr);
    const int before = m_gallery.Ticks();
    Pump(900);
    EXPECT_GE(m_gallery.Ticks(), before + 2);
    timer->SetEnabled(false);
    Pump(10);
    const int stopped = m_gallery.Ticks();
    Pump(600);
    EXPECT_EQ(m_gallery.Ticks(), stopped);
    timer->SetEnabled(true);
    timer->SetInterval(0);  // 0 stops it rather than spinning
    Pump(400);
    EXPECT_EQ(m_gallery.Ticks(), stopped);
}

TEST_F(Gallery, ChildWindowsFollowTheirControls)
{
    auto* list = dynamic_cast<toolkit::TListBox*>(m_gallery.FindControl("lbxSensors"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetParent(list->Handle()), m_window);
    list->SetBounds(190, 280, 100, 60);
    RECT r;
    GetWindowRect(list->Handle(), &r);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 190);
    EXPECT_EQ(r.top, 280);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 60);
    list->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(list->Handle()));
    list->SetVisible(true);
    list->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(list->Handle()));

    // A panel's children live in the panel's window.
    auto* panel = dynamic_cast<toolkit::TPanel*>(m_gallery.FindControl("pnlBrowser"));
    auto* address = dynamic_cast<toolkit::TWinControl*>(m_gallery.FindControl("edtAddress"));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(GetParent(address->Handle()), panel->Handle());

    auto* tree = dynamic_cast<toolkit::TTreeView*>(m_gallery.FindControl("tvInfo"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Count(), 9);
}

TEST_F(Gallery, BadgeIsShapedByItsPicture)
{
    HWND badge = m_gallery.Badge().Handle();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(badge, region), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region, 2, 2)) << "a key-coloured corner is cut away";
    EXPECT_TRUE(PtInRegion(region, 75, 65));
    EXPECT_TRUE(PtInRegion(region, 40, 1)) << "the hexagon's top edge";
    DeleteObject(region);
    // What lies under the cut corner shows through: not the key colour.
    POINT corner{2, 2};
    ClientToScreen(badge, &corner);
    HDC screen = GetDC(nullptr);
    const COLORREF under = GetPixel(screen, corner.x, corner.y);
    ReleaseDC(nullptr, screen);
    EXPECT_NE(under, kKeyColour);
}

TEST_F(Gallery, TrayIconIsAddedAndRemovedAndItsMenuRunsItsHandlers)
{
    toolkit::TTrayIcon& tray = m_gallery.Tray();
    EXPECT_TRUE(tray.Shown()) << "the shell refused the icon";
    EXPECT_TRUE(tray.SetTip("Vantor - 2 sensors in alarm"));
    EXPECT_TRUE(tray.Hide());
    EXPECT_FALSE(tray.Hide()) << "already gone";
    EXPECT_TRUE(tray.Show(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), "Vantor"));
    tray.Choose(2);  // Exit
    Pump(100);
    EXPECT_EQ(m_gallery.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(m_window));
}

}  // namespace
}  // namespace vantor::gallery
