// Skin files on disk: existence checks and loading through BitmapPicture.
#include "toolkit/SkinBitmaps.h"

#include "toolkit/BitmapPicture.h"
#include "toolkit/LanguageState.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"

namespace vantor::toolkit {
namespace {

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool LoadSkinBitmap(TImage* image, const std::string& path)
{
    std::string chosen = path;
    if (const auto translated = LanguageSkinPath(path, CurrentLanguage()); translated && FileExists(*translated))
        chosen = *translated;
    if (!image || !FileExists(chosen))
        return false;
    auto picture = LoadBitmapPicture(chosen);
    if (!picture)
        return false;
    image->SetPicture(std::move(picture));
    return true;
}

void LoadButtonStates(const TGoodForm& form, const std::string& name, const std::string& base,
                      const std::string& folder)
{
    const struct {
        const char* suffix;
        const char* file;
    } states[] = {{"", "_n"}, {"Up", "_n"}, {"Ov", "_o"}, {"Dn", "_d"}, {"Ds", "_un"}};
    for (const auto& state : states) {
        if (TImage* image = form.FindImage(name + state.suffix))
            LoadSkinBitmap(image, folder + base + state.file + ".bmp");
    }
}

void SetImageTransparent(TImage& image, COLORREF colour) { image.SetTransparent(true, colour); }

void SetImageTransparent(TImage& image)
{
    HBITMAP bitmap = BitmapOf(image.GetPicture());
    if (!bitmap)
        return;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF corner = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (corner != CLR_INVALID)
        image.SetTransparent(true, corner);
}

}  // namespace vantor::toolkit
