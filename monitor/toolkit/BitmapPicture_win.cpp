// Bitmaps as pictures: the GDI handle, its size, and loading from .bmp files.
#include "toolkit/BitmapPicture.h"

namespace vantor::toolkit {
namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

}  // namespace

BitmapPicture::BitmapPicture(HBITMAP bitmap) : Picture(BitmapSize(bitmap).cx, BitmapSize(bitmap).cy), m_bitmap(bitmap)
{}

BitmapPicture::~BitmapPicture() { DeleteObject(m_bitmap); }

HBITMAP BitmapOf(const PicturePtr& picture)
{
    const auto* bitmap = dynamic_cast<const BitmapPicture*>(picture.get());
    return bitmap ? bitmap->Handle() : nullptr;
}

std::shared_ptr<BitmapPicture> LoadBitmapPicture(const std::string& path)
{
    // A DIB section keeps the file's pixels exactly, whatever the screen's depth.
    HANDLE loaded = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!loaded)
        return nullptr;
    return std::make_shared<BitmapPicture>(static_cast<HBITMAP>(loaded));
}

std::shared_ptr<BitmapPicture> StretchedPicture(const PicturePtr& source, int width, int height)
{
    HBITMAP bitmap = BitmapOf(source);
    if (!bitmap || width <= 0 || height <= 0)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP stretched = CreateCompatibleBitmap(screen, width, height);
    std::shared_ptr<BitmapPicture> picture;
    if (from && to && stretched) {
        const HGDIOBJ oldFrom = SelectObject(from, bitmap);
        const HGDIOBJ oldTo = SelectObject(to, stretched);
        SetStretchBltMode(to, COLORONCOLOR);
        const bool drawn = StretchBlt(to, 0, 0, width, height, from, 0, 0, source->Width(), source->Height(), SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
        if (drawn) {
            picture = std::make_shared<BitmapPicture>(stretched);
            stretched = nullptr;
        }
    }
    if (stretched)
        DeleteObject(stretched);
    if (from)
        DeleteDC(from);
    if (to)
        DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return picture;
}

}  // namespace vantor::toolkit
