// Real mouse input for the Wine tests: the cursor is put on a screen point
// and the move or button is sent as a hardware event (SendInput), so the
// window under the pointer hears it as it would from a user.
#pragma once

#include <windows.h>

#include "WineScreen.h"

namespace vantor::toolkit::test {

inline void MouseTo(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    Pump();
}

inline void MouseButtonEvent(DWORD flags)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    Pump();
}

inline POINT ScreenPoint(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

// The colour the screen shows at a client point of the window.
inline COLORREF PixelAt(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

}  // namespace vantor::toolkit::test
