// GDI side of the fast region builder: a 32-bit copy of the bitmap to scan,
// and one ExtCreateRegion per batch of runs, united into the result.
#include "toolkit/CreateRegionFromBitmap.h"

#include "toolkit/RegionBatches.h"

namespace vantor::toolkit {
namespace {

// A memory device context holding a 32 bits-per-pixel bottom-up copy of a
// bitmap; everything is released when it goes.
class Working32BitCopy {
public:
    explicit Working32BitCopy(HBITMAP source)
    {
        BITMAP info{};
        if (GetObjectW(source, sizeof info, &info) == 0)
            return;
        m_dc = CreateCompatibleDC(nullptr);
        if (!m_dc)
            return;
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = info.bmWidth;
        bi.bmiHeader.biHeight = info.bmHeight;  // positive: bottom-up
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_dib = CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!m_dib || !bits)
            return;
        m_old = SelectObject(m_dc, m_dib);

        HDC sourceDc = CreateCompatibleDC(m_dc);
        if (!sourceDc)
            return;
        const HGDIOBJ oldSource = SelectObject(sourceDc, source);
        const BOOL copied = BitBlt(m_dc, 0, 0, info.bmWidth, info.bmHeight, sourceDc, 0, 0, SRCCOPY);
        SelectObject(sourceDc, oldSource);
        DeleteDC(sourceDc);
        GdiFlush();
        if (copied)
            m_view = PixelView{static_cast<const std::uint8_t*>(bits),
                               info.bmWidth,
                               info.bmHeight,
                               DibStride(info.bmWidth, 4),
                               4,
                               RowOrder::BottomUp};
    }
    ~Working32BitCopy()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
        if (m_dib)
            DeleteObject(m_dib);
        if (m_dc)
            DeleteDC(m_dc);
    }
    Working32BitCopy(const Working32BitCopy&) = delete;
    Working32BitCopy& operator=(const Working32BitCopy&) = delete;

    bool Ok() const { return m_view.bits != nullptr; }
    const PixelView& View() const { return m_view; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_dib = nullptr;
    HGDIOBJ m_old = nullptr;
    PixelView m_view;
};

}  // namespace

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key, COLORREF tolerance)
{
    if (!bitmap)
        return nullptr;
    const Working32BitCopy copy(bitmap);
    if (!copy.Ok())
        return nullptr;
    return RegionFromPixels(copy.View(), key, tolerance);
}

HRGN RegionFromPixels(const PixelView& pixels, COLORREF key, COLORREF tolerance)
{
    HRGN result = nullptr;
    const bool built = BuildRegionBatches(pixels, KeyRange(key, tolerance), [&](const RegionDataList& list) {
        HRGN piece = ExtCreateRegion(nullptr, static_cast<DWORD>(list.AllocatedBytes()),
                                     static_cast<const RGNDATA*>(list.Data()));
        if (!piece)
            return false;
        if (!result) {
            result = piece;
            return true;
        }
        const int combined = CombineRgn(result, result, piece, RGN_OR);
        DeleteObject(piece);
        return combined != ERROR;
    });
    if (!built && result) {
        DeleteObject(result);
        result = nullptr;
    }
    return result;
}

}  // namespace vantor::toolkit
