// What the end-to-end tests share once Vantor.exe runs: waiting for a state
// the program reaches by itself, its windows picked out by what a user sees
// of them, real clicks and drags at points of another process's windows,
// and the screen copied once for many pixel reads. Windows only.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gadget/Arrangement.h"
#include "testing/BoardControl_win.h"
#include "testing/ScreenInput_win.h"
#include "testing/VantorProcess_win.h"

namespace vantor::views::testing {

inline constexpr DWORD kStartTimeoutMs = 30000;
inline constexpr const char* kGadgetCaption = "Vantor sensor";
inline constexpr const char* kListCaption = "Vantor List";
inline constexpr const char* kUsageCaption = "Usage";
inline constexpr const char* kReportCaption = "Report";
// The classic board: 8 voltages, 2 temperatures, 3 fans.
inline constexpr std::size_t kClassicSensors = 13;

// Polls the condition every 50 ms until it holds or about timeoutMs passed;
// its last answer.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        Sleep(50);
    }
    return true;
}

inline RECT BoundsOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

inline POINT TopLeftOf(HWND window)
{
    const RECT r = BoundsOf(window);
    return {r.left, r.top};
}

// A point given from a window's top-left corner, on the screen (the
// program's windows are borderless, so this is the client point too).
inline POINT PointOf(HWND window, int x, int y)
{
    const RECT r = BoundsOf(window);
    return {r.left + x, r.top + y};
}

inline void ClickWindowAt(HWND window, int x, int y) { ClickAt(PointOf(window, x, y)); }

// The pointer parked in the screen's far corner, so no hint or hover picture
// is in a screenshot or a pixel read.
inline void PointerAway() { MouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5}); }

// A left-button drag from a window point by (dx, dy) in steps; after each
// step it waits until the window has followed (the program runs in another
// process and takes the moves in its own time).
inline void DragWindowBy(HWND window, int x, int y, int dx, int dy, int steps = 6)
{
    const POINT from = PointOf(window, x, y);
    const POINT origin = TopLeftOf(window);
    MouseTo(from);
    toolkit::test::MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
    for (int k = 1; k <= steps; ++k) {
        MouseTo(POINT{from.x + dx * k / steps, from.y + dy * k / steps});
        const POINT wanted{origin.x + dx * k / steps, origin.y + dy * k / steps};
        WaitUntil(
                [&] {
                    const POINT now = TopLeftOf(window);
                    return now.x == wanted.x && now.y == wanted.y;
                },
                2000);
    }
    toolkit::test::MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    Sleep(200);
}

inline std::vector<HWND> VisibleWindowsCaptioned(const VantorProcess& vantor, const std::string& caption)
{
    std::vector<HWND> found;
    for (const FoundWindow& w : vantor.Windows())
        if (w.className == kSkinnedClass && w.caption == caption && w.visible)
            found.push_back(w.window);
    return found;
}

inline std::vector<HWND> VisibleGadgets(const VantorProcess& vantor)
{
    return VisibleWindowsCaptioned(vantor, kGadgetCaption);
}

// The cover: the one skinned window without a caption.
inline HWND CoverOf(const VantorProcess& vantor)
{
    for (const FoundWindow& w : vantor.Windows())
        if (w.className == kSkinnedClass && w.caption.empty())
            return w.window;
    return nullptr;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

inline bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

using Corner = std::pair<int, int>;

inline std::vector<Corner> SortedCorners(const std::vector<HWND>& windows)
{
    std::vector<Corner> corners;
    for (HWND w : windows) {
        const POINT at = TopLeftOf(w);
        corners.emplace_back(at.x, at.y);
    }
    std::sort(corners.begin(), corners.end());
    return corners;
}

// Where the arrangement puts `count` gadgets of the given size on this
// screen, as the program sees it (the same screen and taskbar).
inline std::vector<Corner> ArrangedCorners(int index, std::size_t count, int width, int height)
{
    ArrangementScreen screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), std::nullopt};
    if (HWND tray = FindWindowA("Shell_TrayWnd", "")) {
        const RECT r = BoundsOf(tray);
        screen.taskbar = GadgetRect{r.left, r.top, r.right, r.bottom};
    }
    std::vector<Corner> corners;
    for (std::size_t n = 0; n < count; ++n) {
        const GadgetPoint at = ArrangedPosition(index, static_cast<int>(n), screen, width, height);
        corners.emplace_back(at.x, at.y);
    }
    std::sort(corners.begin(), corners.end());
    return corners;
}

inline bool AllSized(const std::vector<HWND>& windows, int width, int height)
{
    return std::all_of(windows.begin(), windows.end(), [&](HWND w) {
        const RECT r = BoundsOf(w);
        return r.right - r.left == width && r.bottom - r.top == height;
    });
}

// The whole screen copied once, so that thousands of pixel reads cost no
// round trips to the X server.
class ScreenCopy {
public:
    ScreenCopy()
    {
        m_width = GetSystemMetrics(SM_CXSCREEN);
        m_height = GetSystemMetrics(SM_CYSCREEN);
        m_pixels.resize(static_cast<std::size_t>(m_width) * m_height);
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, m_width, m_height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, m_width, m_height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        GetDIBits(memory, bitmap, 0, m_height, m_pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // As COLORREF; black outside the screen.
    COLORREF At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return 0;
        const DWORD bgra = m_pixels[static_cast<std::size_t>(y) * m_width + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};

}  // namespace vantor::views::testing
