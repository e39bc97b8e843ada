// GDI region handles: creation, rectangle, difference and copy, and the
// 24-bit read of a bitmap for the run builder.
#include "toolkit/WinRegion.h"

#include <cstdint>
#include <vector>

#include "toolkit/PixelRuns.h"

namespace vantor::toolkit {
namespace {

void Check(bool condition, const char* text)
{
    if (!condition)
        throw RegionError(text);
}

// The bitmap's pixels as 24-bit bottom-up rows, read with GetDIBits so the
// bitmap keeps its own format.
bool Read24Bit(HBITMAP bitmap, int& width, int& height, std::vector<std::uint8_t>& bytes)
{
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;
    width = info.bmWidth;
    height = info.bmHeight;
    bytes.assign(static_cast<std::size_t>(DibStride(width, 3) * height), 0);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bytes.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return lines == height;
}

}  // namespace

WinRegion::WinRegion() : m_region(CreateRectRgn(0, 0, 0, 0)) { Check(m_region != nullptr, "hrgn != NULL"); }

WinRegion::~WinRegion() { DeleteObject(m_region); }

void WinRegion::SetRect(int left, int top, int right, int bottom)
{
    const BOOL result = SetRectRgn(m_region, left, top, right, bottom);
    Check(result != 0, "result != 0");
}

void WinRegion::Subtract(const WinRegion& other)
{
    const int combineResult = CombineRgn(m_region, m_region, other.m_region, RGN_DIFF);
    Check(combineResult != ERROR, "combineResult != ERROR");
}

HRGN WinRegion::Copy() const
{
    HRGN hrgn = CreateRectRgn(0, 0, 0, 0);
    Check(hrgn != nullptr, "hrgn != NULL");
    const int combineResult = CombineRgn(hrgn, m_region, nullptr, RGN_COPY);
    if (combineResult == ERROR)
        DeleteObject(hrgn);
    Check(combineResult != ERROR, "combineResult != ERROR");
    return hrgn;
}

bool WinRegion::RegionFromBitmapRuns(HBITMAP bitmap, COLORREF key)
{
    int width = 0, height = 0;
    std::vector<std::uint8_t> bytes;
    if (!Read24Bit(bitmap, width, height, bytes))
        return false;
    SetRect(0, 0, width, height);
    const PixelView view{bytes.data(), width, height, DibStride(width, 3), 3, RowOrder::BottomUp};
    WinRegion run;
    ForEachKeyRun(view, key, [&](const PixelRect& r) {
        run.SetRect(r.left, r.top, r.right, r.bottom);
        Subtract(run);
    });
    return true;
}

bool WinRegion::ApplyToWindow(HWND window, bool redraw) const
{
    HRGN copy = Copy();
    if (SetWindowRgn(window, copy, redraw ? TRUE : FALSE) != 0)
        return true;  // the window owns the copy now
    DeleteObject(copy);
    return false;
}

}  // namespace vantor::toolkit
