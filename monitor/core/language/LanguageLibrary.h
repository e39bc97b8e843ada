// The program's side of the translation library ZyMultiLang.dll: which of its
// four functions exist, and the calls themselves. The library is optional:
// without it, or without one of its functions, the program stays in English
// with its own layout. Windows binds the real DLL (LanguageLibrary_win.cpp);
// tests bind a fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::monitor {

inline constexpr std::string_view kLanguageLibraryName = "ZyMultiLang.dll";
inline constexpr std::string_view kJapaneseLanguageName = "Japanese";

// Availability bits of the binding; the library is fully available when none
// is set.
enum LanguageBits : std::uint32_t {
    kLanguageNotLoaded = 0x00001,
    kTranslateStrMissing = 0x00010,
    kTranslateStrFMissing = 0x00100,
    kLangPathNameMissing = 0x01000,
    kLangNameMissing = 0x10000,
};

enum class LanguageExport {
    TranslateStr,
    TranslateStrF,
    GetLangPathName,
    GetLangName
};

// Export names exactly as the library spells them.
std::string_view LanguageExportName(LanguageExport which);

// The loaded library. Every call is made only for a function that Resolve
// found. A null result from the library comes back as an empty optional so
// the caller can fall back instead of copying from a null pointer.
class LanguageLibrary {
public:
    virtual ~LanguageLibrary() = default;

    // Folder of the program file, with its trailing separator.
    virtual std::string ProgramFolder() = 0;
    // False when the library cannot be loaded from path.
    virtual bool Load(const std::string& path) = 0;
    // False when the loaded library lacks the function.
    virtual bool Resolve(LanguageExport which) = 0;

    virtual const char* TranslateStr(const char* text) = 0;
    virtual const char* TranslateStrF(const char* key, const char* text, const char* argument) = 0;
    virtual const char* GetLangPathName() = 0;
    virtual const char* GetLangName() = 0;
};

}  // namespace vantor::monitor
