// The binding of the translation library, made at the first use of any of
// its operations and kept for the run (the library is never unloaded).
// TranslateText is what every user-visible text passes through at display
// time; the layout tables ask IsLanguageAvailable and IsJapanese.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "language/LanguageLibrary.h"
#include "language/LayoutSnapshot.h"

namespace vantor::monitor {

// It is also the language the layout tables ask.
class LanguageBinding final : public LayoutLanguage {
public:
    // library must outlive the binding.
    explicit LanguageBinding(LanguageLibrary& library) : m_library(library) {}

    // Loads the library from the program's folder and resolves the four
    // functions once; later calls return the same bits.
    std::uint32_t BindLanguageLibrary();

    bool IsLanguageAvailable();
    std::string TranslateText(std::string_view text);
    // The library's three-argument translation, or its second argument when
    // the library lacks it.
    std::string TranslateTextF(std::string_view key, std::string_view text, std::string_view argument);
    // Empty when the function is missing or answers nothing.
    std::string LanguageFolder();
    std::string LanguageName();
    // Fully available and the active language is Japanese: the layout tables'
    // character set and label shift.
    bool IsJapanese() override;
    // The language name alone decides (controls placed at run time).
    bool IsJapaneseName() { return LanguageName() == kJapaneseLanguageName; }

    bool CanTranslate() override { return IsLanguageAvailable(); }
    std::string Translate(std::string_view text) override { return TranslateText(text); }

private:
    bool Has(LanguageExport which);

    LanguageLibrary& m_library;
    bool m_bound = false;
    std::uint32_t m_bits = 0;
};

}  // namespace vantor::monitor
