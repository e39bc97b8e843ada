// Skin files on disk: existence checks and loading through BitmapPicture.
#include "toolkit/SkinBitmaps.h"

#include "toolkit/BitmapPicture.h"
#include "toolkit/LanguageState.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"

#include <map>
#include <mutex>
#include <tuple>

namespace vantor::toolkit {
namespace {

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A skin file as it is on disk now: a file rewritten since it was loaded is
// a different picture.
struct SkinFileKey {
    std::string path;
    DWORD writtenLow = 0;
    DWORD writtenHigh = 0;
    DWORD size = 0;
    bool operator<(const SkinFileKey& other) const
    {
        return std::tie(path, writtenLow, writtenHigh, size) <
               std::tie(other.path, other.writtenLow, other.writtenHigh, other.size);
    }
};

// Pictures never change once loaded and are only read from (drawn, their
// shape scanned), so every image showing the same skin file shares one
// bitmap: thirteen gadgets hold one set of digit pictures, not thirteen.
// The cache keeps no picture alive by itself.
PicturePtr SharedSkinPicture(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    const SkinFileKey key{path, data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime,
                          data.nFileSizeLow};
    static std::mutex guard;
    static std::map<SkinFileKey, std::weak_ptr<const Picture>> loaded;
    const std::lock_guard<std::mutex> lock(guard);
    if (PicturePtr shared = loaded[key].lock())
        return shared;
    PicturePtr picture = LoadBitmapPicture(path);
    if (!picture) {
        loaded.erase(key);
        return nullptr;
    }
    loaded[key] = picture;
    // Entries of pictures no image shows any more go when the cache grows.
    if (loaded.size() > 512)
        std::erase_if(loaded, [](const auto& entry) { return entry.second.expired(); });
    return picture;
}

}  // namespace

bool LoadSkinBitmap(TImage* image, const std::string& path)
{
    std::string chosen = path;
    if (const auto translated = LanguageSkinPath(path, CurrentLanguage()); translated && FileExists(*translated))
        chosen = *translated;
    if (!image || !FileExists(chosen))
        return false;
    PicturePtr picture = SharedSkinPicture(chosen);
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
