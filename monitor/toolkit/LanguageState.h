// What the skinned toolkit needs to know of the active language: whether the
// translation library is fully available, its folder for translated skin
// bitmaps, and its name (labels sit lower in Japanese). The translation
// binding provides it; until one is installed the program runs in English.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor::toolkit {

class LanguageState {
public:
    virtual ~LanguageState() = default;
    virtual bool FullyAvailable() const = 0;
    // The active language's folder, without a trailing backslash; empty when none.
    virtual std::string Folder() const = 0;
    virtual std::string Name() const = 0;
};

// The state the helpers consult. Null restores English (not available).
void SetLanguageState(const LanguageState* state);
const LanguageState& CurrentLanguage();

// The language is fully available and named exactly "Japanese".
bool IsJapanese(const LanguageState& language);

// Where a translated copy of the skin file at `path` would lie: the language
// folder, the name of the folder holding the file, and the file name, joined
// with backslashes. Nothing when the path holds no "Res" (letter case as
// written), the language is not fully available or has no folder, or the
// path has no folder and file name to take.
std::optional<std::string> LanguageSkinPath(std::string_view path, const LanguageState& language);

}  // namespace vantor::toolkit
