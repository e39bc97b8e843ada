// Finding the rendered skins beside the program.
#include "ProductSkin.h"

namespace vantor::gallery {

std::string ProgramResFolder()
{
    char path[MAX_PATH * 2];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return {};
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    folder.erase(slash == std::string::npos ? 0 : slash + 1);
    return folder + "Res\\";
}

bool HasProductSkin(const std::string& resFolder)
{
    if (resFolder.empty())
        return false;
    for (const ProductButton& button : kProductButtons) {
        for (const char* state : {"_n", "_o", "_d", "_un"}) {
            const std::string file = resFolder + "main\\" + button.base + state + ".bmp";
            const DWORD attributes = GetFileAttributesA(file.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
                return false;
        }
    }
    return true;
}

COLORREF TopLeftColour(HBITMAP bitmap)
{
    if (!bitmap)
        return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF corner = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    return corner;
}

}  // namespace vantor::gallery
