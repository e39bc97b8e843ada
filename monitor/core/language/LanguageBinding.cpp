#include "language/LanguageBinding.h"

#include <array>

namespace vantor::monitor {

namespace {

struct ExportBit {
    LanguageExport which;
    std::uint32_t bit;
};

constexpr std::array<ExportBit, 4> kExportBits{{
        {LanguageExport::TranslateStr, kTranslateStrMissing},
        {LanguageExport::TranslateStrF, kTranslateStrFMissing},
        {LanguageExport::GetLangPathName, kLangPathNameMissing},
        {LanguageExport::GetLangName, kLangNameMissing},
}};

std::uint32_t BitOf(LanguageExport which)
{
    for (const ExportBit& entry : kExportBits)
        if (entry.which == which)
            return entry.bit;
    return kLanguageNotLoaded;
}

}  // namespace

std::string_view LanguageExportName(LanguageExport which)
{
    switch (which) {
    case LanguageExport::TranslateStr:
        return "ZyTranslateStr";
    case LanguageExport::TranslateStrF:
        return "ZyTranslateStrF";
    case LanguageExport::GetLangPathName:
        return "ZyGetLangPathName";
    case LanguageExport::GetLangName:
        return "ZyGetLangName";
    }
    return {};
}

std::uint32_t LanguageBinding::BindLanguageLibrary()
{
    if (m_bound)
        return m_bits;
    m_bound = true;
    const std::string path = m_library.ProgramFolder() + std::string(kLanguageLibraryName);
    if (!m_library.Load(path)) {
        // Nothing of the library can be used; the replacements answer every call.
        m_bits = kLanguageNotLoaded | kTranslateStrMissing | kTranslateStrFMissing | kLangPathNameMissing |
                 kLangNameMissing;
        return m_bits;
    }
    m_bits = 0;
    for (const ExportBit& entry : kExportBits)
        if (!m_library.Resolve(entry.which))
            m_bits |= entry.bit;
    return m_bits;
}

bool LanguageBinding::Has(LanguageExport which) { return (BindLanguageLibrary() & BitOf(which)) == 0; }

bool LanguageBinding::IsLanguageAvailable() { return BindLanguageLibrary() == 0; }

std::string LanguageBinding::TranslateText(std::string_view text)
{
    const std::string english(text);
    if (!Has(LanguageExport::TranslateStr))
        return english;
    const char* translated = m_library.TranslateStr(english.c_str());
    return translated != nullptr ? std::string(translated) : english;
}

std::string LanguageBinding::TranslateTextF(std::string_view key, std::string_view text, std::string_view argument)
{
    const std::string keyText(key), english(text), argumentText(argument);
    if (!Has(LanguageExport::TranslateStrF))
        return english;
    const char* translated = m_library.TranslateStrF(keyText.c_str(), english.c_str(), argumentText.c_str());
    return translated != nullptr ? std::string(translated) : english;
}

std::string LanguageBinding::LanguageFolder()
{
    if (!Has(LanguageExport::GetLangPathName))
        return {};
    const char* folder = m_library.GetLangPathName();
    return folder != nullptr ? std::string(folder) : std::string();
}

std::string LanguageBinding::LanguageName()
{
    if (!Has(LanguageExport::GetLangName))
        return {};
    const char* name = m_library.GetLangName();
    return name != nullptr ? std::string(name) : std::string();
}

bool LanguageBinding::IsJapanese() { return IsLanguageAvailable() && IsJapaneseName(); }

}  // namespace vantor::monitor
