// Real input and the screen for the end-to-end tests: the toolkit tests'
// mouse (SendInput), pixel and screenshot helpers, and a click at a screen
// point. Windows only.
#pragma once

#include <windows.h>

#include "WineMouse.h"
#include "WineScreen.h"

namespace vantor::views::testing {

using toolkit::test::MouseTo;
using toolkit::test::Pump;
using toolkit::test::SaveScreenshot;

// Moves the pointer there and presses and releases the left button.
inline void ClickAt(POINT screen)
{
    MouseTo(screen);
    toolkit::test::MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    toolkit::test::MouseButtonEvent(MOUSEEVENTF_LEFTUP);
}

// The colour the screen shows at a screen point.
inline COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace vantor::views::testing
