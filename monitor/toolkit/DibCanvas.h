// A 32-bit top-down DIB section selected into a memory device context: a
// picture drawn with GDI whose pixels are exactly the colours drawn.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/BitmapPicture.h"

namespace vantor::toolkit {

class DibCanvas {
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // False when the bitmap could not be made (or has been handed over).
    bool Valid() const { return m_bitmap != nullptr; }

    void Fill(const RECT& area, COLORREF colour) const;
    void Fill(COLORREF colour) const { Fill(RECT{0, 0, m_width, m_height}, colour); }

    // The bitmap leaves the canvas, drawing finished; null when there is none.
    HBITMAP Release();
    std::shared_ptr<BitmapPicture> TakePicture();

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};

}  // namespace vantor::toolkit
