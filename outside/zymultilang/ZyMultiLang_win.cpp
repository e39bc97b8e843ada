// ZyMultiLang.dll, the program's translations: Windows is needed for the
// module's own path, the profile functions that read its setting, and the
// __stdcall exports.
//
// Layout beside the DLL:
//     ZyMultiLang.ini                 [Language] Name=German
//     Language\<Name>\Vantor.lng      the translations (see Dictionary.h),
//                                     in the language's ANSI code page
//     Language\<Name>\<skin folder>\  optional replacement bitmaps
// The setting is read once, at the first call. Without a setting, with the
// name "English", or when the language file cannot be read, the active
// language is English and every text comes back as it went in.
#include <windows.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "Dictionary.h"

namespace {

using vantor::zymultilang::Dictionary;
using vantor::zymultilang::ExpandFormat;

constexpr const char* kEnglish = "English";

HMODULE g_self = nullptr;

struct Language {
    std::string name = kEnglish;
    std::string folder;
    Dictionary dictionary;
};

std::string OwnFolder()
{
    std::array<char, MAX_PATH + 1> path{};
    const DWORD length = GetModuleFileNameA(g_self, path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string folder(path.data(), length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

// A language name names a folder: nothing that could leave Language\.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

Language LoadLanguage()
{
    Language language;
    const std::string base = OwnFolder();
    std::array<char, 64> name{};
    GetPrivateProfileStringA("Language", "Name", kEnglish, name.data(), static_cast<DWORD>(name.size()),
                             (base + "\\ZyMultiLang.ini").c_str());
    std::string wanted(name.data());
    if (!IsPlainName(wanted))
        wanted = kEnglish;
    const std::string folder = base + "\\Language\\" + wanted;
    std::string text;
    if (wanted != kEnglish && ReadFile(folder + "\\Vantor.lng", text)) {
        language.name = wanted;
        language.dictionary = Dictionary::Parse(text);
    }
    language.folder = base + "\\Language\\" + language.name;
    return language;
}

const Language& Active()
{
    static const Language language = LoadLanguage();
    return language;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_self = instance;
    }
    return TRUE;
}

// The translation of text, or text itself when it has none. The returned
// text belongs to the library.
const char* WINAPI ZyTranslateStr(const char* text)
{
    if (text == nullptr)
        return "";
    const char* translated = Active().dictionary.Find(text);
    return translated != nullptr ? translated : text;
}

// The translation of key (when given and known) or else of text, with each
// "%s" replaced by argument. The result stays valid until the calling thread
// calls this again.
const char* WINAPI ZyTranslateStrF(const char* key, const char* text, const char* argument)
{
    thread_local std::string result;
    const Dictionary& dictionary = Active().dictionary;
    const char* format = key != nullptr && *key != '\0' ? dictionary.Find(key) : nullptr;
    if (format == nullptr && text != nullptr) {
        format = dictionary.Find(text);
        if (format == nullptr)
            format = text;
    }
    result = ExpandFormat(format != nullptr ? format : "", argument != nullptr ? argument : "");
    return result.c_str();
}

// The active language's folder, without a trailing backslash.
const char* WINAPI ZyGetLangPathName() { return Active().folder.c_str(); }

const char* WINAPI ZyGetLangName() { return Active().name.c_str(); }

}  // extern "C"
