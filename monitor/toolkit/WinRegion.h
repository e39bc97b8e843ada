// A region that owns its one GDI handle for its whole life, and the simple
// builder the skinned controls shape themselves with: the full rectangle
// minus every run of exact key colour.
#pragma once

#include <windows.h>

#include <stdexcept>

namespace vantor::toolkit {

// A GDI region call failed: an internal error, named by the condition that
// did not hold ("hrgn != NULL", "combineResult != ERROR", "result != 0").
class RegionError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class WinRegion {
public:
    WinRegion();  // empty: the rectangle 0, 0, 0, 0
    ~WinRegion();
    WinRegion(const WinRegion&) = delete;
    WinRegion& operator=(const WinRegion&) = delete;

    void SetRect(int left, int top, int right, int bottom);
    void Subtract(const WinRegion& other);
    // A new handle equal to this region; the caller owns it.
    HRGN Copy() const;
    // The bitmap's rectangle without its pixels that equal `key` exactly.
    // False, leaving the region as it was, when the bitmap cannot be read.
    // The bitmap itself is only read.
    bool RegionFromBitmapRuns(HBITMAP bitmap, COLORREF key);
    // Shapes the window with a copy, so this object keeps its handle.
    bool ApplyToWindow(HWND window, bool redraw) const;

    HRGN Handle() const { return m_region; }

private:
    HRGN m_region;
};

}  // namespace vantor::toolkit
