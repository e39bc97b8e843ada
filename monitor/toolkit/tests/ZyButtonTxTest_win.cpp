// The bitmap button as a real window on the (Xvfb) screen, driven with real
// input (SetCursorPos and SendInput): the bitmap it draws, read back from
// its window, and the clicks it makes.
#include <windows.h>

#include <gtest/gtest.h>

#include "WineMouse.h"
#include "WineScreen.h"
#include "toolkit/ZyButtonTx.h"

namespace vantor::toolkit {
namespace {

using test::MouseTo;
using test::Pump;

constexpr int kWidth = 48, kHeight = 32;
constexpr COLORREF kRaised = RGB(200, 60, 60), kSunken = RGB(60, 200, 60), kFocused = RGB(60, 60, 200),
                   kDisabled = RGB(128, 128, 128);

HBITMAP SolidBitmap(COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(window, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeParent()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VantorButtonTestParent";
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered)
        return nullptr;
    HWND parent = CreateWindowExA(0, "VantorButtonTestParent", "", WS_POPUP | WS_VISIBLE, 400, 300, 260, 140, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(parent);
    Pump();
    return parent;
}

void Key(WORD key, bool down)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
    Pump();
}

class ZyButtonTxWindow : public testing::Test {
protected:
    void SetUp() override
    {
        m_parent = MakeParent();
        ASSERT_NE(m_parent, nullptr);
        ZyFourStateAppearance look{SolidBitmap(kRaised), SolidBitmap(kSunken), SolidBitmap(kFocused),
                                   SolidBitmap(kDisabled)};
        ASSERT_TRUE(m_button.Create(m_parent, 7, 40, 40, look));
        m_button.SetText("GO");
        m_button.SetFontColour(RGB(255, 255, 255));
        m_button.OnClick = [this] { ++m_clicks; };
        Pump();
        POINT origin{0, 0};
        ClientToScreen(m_button.Handle(), &origin);
        m_inside = POINT{origin.x + kWidth / 2, origin.y + kHeight / 2};
        m_outside = POINT{origin.x + kWidth + 40, origin.y + kHeight / 2};
        MouseTo(POINT{origin.x + kWidth + 100, origin.y + 80});  // start away from it
    }
    void TearDown() override
    {
        DestroyWindow(m_parent);
        Pump();
    }

    // The colour the button's window shows at a corner (the caption sits in
    // the middle).
    COLORREF Drawn() const
    {
        HDC dc = GetDC(m_button.Handle());
        const COLORREF c = GetPixel(dc, 2, 2);
        ReleaseDC(m_button.Handle(), dc);
        return c;
    }

    HWND m_parent = nullptr;
    ZyButtonTx m_button;
    int m_clicks = 0;
    POINT m_inside{}, m_outside{};
};

TEST_F(ZyButtonTxWindow, PressDragOutDragInReleaseWithRealMouseInput)
{
    EXPECT_EQ(Drawn(), kRaised);
    test::SaveScreenshot("toolkit-zybutton-raised");

    MouseTo(m_inside);
    EXPECT_EQ(m_button.Slot(), ZySlot::Focused);
    EXPECT_EQ(Drawn(), kFocused);
    test::SaveScreenshot("toolkit-zybutton-over");

    test::MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(Drawn(), kSunken);
    EXPECT_EQ(GetFocus(), m_button.Handle());
    test::SaveScreenshot("toolkit-zybutton-sunken");

    MouseTo(m_outside);
    EXPECT_EQ(Drawn(), kRaised);
    EXPECT_EQ(GetCapture(), m_button.Handle()) << "the drag keeps the capture";
    MouseTo(m_inside);
    EXPECT_EQ(Drawn(), kSunken);
    test::MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Drawn(), kFocused);
    EXPECT_EQ(m_clicks, 1);

    // Released outside: no click.
    test::MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    MouseTo(m_outside);
    test::MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Drawn(), kRaised);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_NE(GetCapture(), m_button.Handle());
}

TEST_F(ZyButtonTxWindow, SpaceClicksEnterOnlyPresses)
{
    int modalResult = 0;
    m_button.ModalResult = 2;
    m_button.OnModalResult = [&](int result) { modalResult = result; };
    SetFocus(m_button.Handle());
    Pump();
    ASSERT_EQ(GetFocus(), m_button.Handle());
    EXPECT_EQ(Drawn(), kFocused);

    Key(VK_SPACE, true);
    EXPECT_EQ(Drawn(), kSunken);
    Key(VK_SPACE, false);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(modalResult, 2);  // handed to the owning window before OnClick
    EXPECT_EQ(Drawn(), kRaised);

    Key(VK_RETURN, true);
    Key(VK_RETURN, true);  // held: repeats
    EXPECT_EQ(Drawn(), kSunken);
    Key(VK_RETURN, false);
    EXPECT_EQ(m_clicks, 1);
}

TEST_F(ZyButtonTxWindow, DisabledWhilePressedShowsItsBitmapAndNeverClicks)
{
    MouseTo(m_inside);
    test::MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(Drawn(), kSunken);
    m_button.SetEnabled(false);
    Pump();
    EXPECT_EQ(Drawn(), kDisabled);
    test::SaveScreenshot("toolkit-zybutton-disabled");
    test::MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(m_clicks, 0);
    EXPECT_EQ(Drawn(), kDisabled);
    EXPECT_NE(GetCapture(), m_button.Handle());

    m_button.SetEnabled(true);
    Pump();
    EXPECT_EQ(Drawn(), kRaised);
}

TEST(ZyButtonTxFallback, MissingFocusedAndDisabledBitmapsDrawTheRaisedOne)
{
    HWND parent = MakeParent();
    ASSERT_NE(parent, nullptr);
    {
        ZyButtonTx button;
        ASSERT_TRUE(
                button.Create(parent, 8, 10, 10, ZyFourStateAppearance{SolidBitmap(kRaised), SolidBitmap(kSunken)}));
        RECT r{};
        GetWindowRect(button.Handle(), &r);
        EXPECT_EQ(r.right - r.left, kWidth);  // sized like the raised bitmap
        EXPECT_EQ(r.bottom - r.top, kHeight);
        MouseTo(POINT{r.left + 5, r.top + 5});
        EXPECT_EQ(button.Slot(), ZySlot::Focused);
        HDC dc = GetDC(button.Handle());
        EXPECT_EQ(GetPixel(dc, 2, 2), kRaised);
        button.SetEnabled(false);
        Pump();
        EXPECT_EQ(button.Slot(), ZySlot::Disabled);
        EXPECT_EQ(GetPixel(dc, 2, 2), kRaised);
        ReleaseDC(button.Handle(), dc);
        MouseTo(POINT{r.right + 100, r.bottom + 100});
    }
    DestroyWindow(parent);
    Pump();
}

}  // namespace
}  // namespace vantor::toolkit
