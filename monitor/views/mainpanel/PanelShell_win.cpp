// Window moves, regions, icons and text measuring for the main panel and
// the cover.
#include "mainpanel/PanelShell_win.h"

#include <vector>

#include "app/Views.h"
#include "language/LanguageLibrary_win.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/TLabel.h"

namespace vantor::views {

std::string ProgramFolderPath()
{
    if (!TheViews().programFolder.empty())
        return TheViews().programFolder;
    char path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return {};
    std::string folder(path, length);
    const auto slash = folder.find_last_of('\\');
    folder.erase(slash == std::string::npos ? 0 : slash + 1);
    return folder;
}

std::string SkinFolder(std::string_view family) { return ProgramFolderPath() + "Res\\" + std::string(family) + "\\"; }

RECT WindowRectOf(HWND window)
{
    RECT r{};
    if (window)
        GetWindowRect(window, &r);
    return r;
}

void MoveWindowBy(HWND window, int dx, int dy)
{
    if (!window)
        return;
    const RECT r = WindowRectOf(window);
    MoveWindow(window, r.left + dx, r.top + dy, r.right - r.left, r.bottom - r.top, TRUE);
}

void MoveWindowTo(HWND window, int left, int top)
{
    if (!window)
        return;
    const RECT r = WindowRectOf(window);
    MoveWindow(window, left, top, r.right - r.left, r.bottom - r.top, TRUE);
}

COLORREF PictureColourAt(const toolkit::PicturePtr& picture, int x, int y)
{
    HBITMAP bitmap = toolkit::BitmapOf(picture);
    if (!bitmap || x < 0 || y < 0 || x >= picture->Width() || y >= picture->Height())
        return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

HRGN OutlineOf(const toolkit::PicturePtr& picture)
{
    HBITMAP bitmap = toolkit::BitmapOf(picture);
    if (!bitmap)
        return nullptr;
    return toolkit::CreateRegionFromBitmap(bitmap, PictureColourAt(picture, 0, 0), RGB(255, 0, 0));
}

HICON IconFromBitmapFile(const std::string& path)
{
    constexpr int kSize = 16;
    HBITMAP loaded = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, kSize, kSize, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!loaded)
        return nullptr;
    // The colour image with black where the icon is see-through, and the
    // mask white there: the two an icon is drawn from.
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC colourDc = CreateCompatibleDC(screen);
    HDC maskDc = CreateCompatibleDC(screen);
    HBITMAP colour = CreateCompatibleBitmap(screen, kSize, kSize);
    HBITMAP mask = CreateBitmap(kSize, kSize, 1, 1, nullptr);
    const HGDIOBJ oldSource = SelectObject(source, loaded);
    const HGDIOBJ oldColour = SelectObject(colourDc, colour);
    const HGDIOBJ oldMask = SelectObject(maskDc, mask);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const COLORREF c = GetPixel(source, x, y);
            const bool clear = c == RGB(255, 0, 255);
            SetPixel(colourDc, x, y, clear ? RGB(0, 0, 0) : c);
            SetPixel(maskDc, x, y, clear ? RGB(255, 255, 255) : RGB(0, 0, 0));
        }
    }
    SelectObject(source, oldSource);
    SelectObject(colourDc, oldColour);
    SelectObject(maskDc, oldMask);
    DeleteDC(source);
    DeleteDC(colourDc);
    DeleteDC(maskDc);
    ReleaseDC(nullptr, screen);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    DeleteObject(loaded);
    return icon;
}

void FitLabelWidth(toolkit::TLabel& label)
{
    const toolkit::FontSpec& spec = label.Font();
    HDC dc = GetDC(nullptr);
    HFONT font =
            CreateFontA(spec.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, static_cast<BYTE>(spec.charset),
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, spec.face.c_str());
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    const std::string& caption = label.Caption();
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    // A pixel to spare: the text is drawn with word breaks, and a width
    // measured to the pixel may wrap its last letter.
    label.SetWidth(static_cast<int>(size.cx) + 1);
}

std::string Translate(std::string_view text) { return monitor::ProgramLanguage().TranslateText(text); }

}  // namespace vantor::views
