#include "toolkit/DibCanvas.h"

namespace vantor::toolkit {

DibCanvas::DibCanvas(int width, int height) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_dc = CreateCompatibleDC(nullptr);
    if (m_bitmap && m_dc)
        m_old = SelectObject(m_dc, m_bitmap);
}

DibCanvas::~DibCanvas()
{
    if (m_old)
        SelectObject(m_dc, m_old);
    if (m_dc)
        DeleteDC(m_dc);
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

void DibCanvas::Fill(const RECT& area, COLORREF colour) const
{
    SetDCBrushColor(m_dc, colour);
    FillRect(m_dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

HBITMAP DibCanvas::Release()
{
    if (!m_bitmap)
        return nullptr;
    GdiFlush();
    if (m_old)
        SelectObject(m_dc, m_old);
    m_old = nullptr;
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    return bitmap;
}

std::shared_ptr<BitmapPicture> DibCanvas::TakePicture()
{
    HBITMAP bitmap = Release();
    return bitmap ? std::make_shared<BitmapPicture>(bitmap) : nullptr;
}

}  // namespace vantor::toolkit
