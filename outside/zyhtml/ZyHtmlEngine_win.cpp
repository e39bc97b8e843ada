// ZyHtmlEngine.dll: reads the INI file and writes the pages HtmlEngine.h
// makes of it. Needs Windows for the files only.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "HtmlEngine.h"
#include "IniDocument.h"
#include "ReadWholeFile_win.h"
#include "ZyHtmlEngine.h"

namespace {

// An information INI file larger than this is not one.
constexpr LONGLONG kMaxIniFile = 64 * 1024 * 1024;

std::optional<std::string> ReadFile(const std::string& path)
{
    return vantor::infoini::ReadWholeFile(path, kMaxIniFile);
}

bool WriteFile(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    CloseHandle(file);
    return ok;
}

std::string InFolder(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += '\\';
    path += name;
    return path;
}

}  // namespace

extern "C" __declspec(dllexport) std::uint8_t
        __cdecl HTML_ENGINE_GO(std::int32_t kind, const char* iniFolder, const char* htmlFolder)
try {
    const auto info = vantor::zyhtml::KindOf(kind);
    if (!info || iniFolder == nullptr || htmlFolder == nullptr || *htmlFolder == '\0')
        return 0;
    CreateDirectoryA(htmlFolder, nullptr);  // usually there already

    const auto text = ReadFile(InFolder(iniFolder, info->iniFile));
    std::optional<vantor::infoini::IniDocument> ini;
    if (text)
        ini = vantor::infoini::IniDocument::Parse(*text);

    bool written = true;
    for (const auto& file : vantor::zyhtml::GenerateSite(*info, ini ? &*ini : nullptr)) {
        if (!WriteFile(InFolder(htmlFolder, file.name), file.text)) {
            OutputDebugStringA(("ZyHtmlEngine: cannot write " + InFolder(htmlFolder, file.name) + "\n").c_str());
            written = false;
        }
    }
    return text && written ? 1 : 0;
} catch (...) {  // out of memory: no pages, or not all of them
    OutputDebugStringA("ZyHtmlEngine: out of memory\n");
    return 0;
}
