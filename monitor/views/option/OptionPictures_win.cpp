#include "option/OptionPictures_win.h"

#include "toolkit/BitmapPicture.h"
#include "toolkit/TImage.h"

namespace vantor::views {
namespace {

toolkit::PicturePtr Draw(int width, int height, COLORREF fill, COLORREF edge, bool bordered)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!bitmap)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(bordered ? edge : fill);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    if (bordered && width > 2 && height > 2) {
        RECT inside{1, 1, width - 1, height - 1};
        brush = CreateSolidBrush(fill);
        FillRect(dc, &inside, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return std::make_shared<toolkit::BitmapPicture>(bitmap);
}

}  // namespace

toolkit::PicturePtr FilledPicture(int width, int height, COLORREF fill, COLORREF edge)
{
    return Draw(width, height, fill, edge, true);
}

toolkit::PicturePtr FilledPicture(int width, int height, COLORREF fill)
{
    return Draw(width, height, fill, fill, false);
}

toolkit::PicturePtr FramePicture(int width, int height, COLORREF edge)
{
    return Draw(width, height, kHollowKey, edge, true);
}

COLORREF PictureColourAt(const toolkit::TImage& image, int x, int y, COLORREF otherwise)
{
    HBITMAP bitmap = toolkit::BitmapOf(image.GetPicture());
    if (!bitmap)
        return otherwise;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour == CLR_INVALID ? otherwise : colour;
}

}  // namespace vantor::views
