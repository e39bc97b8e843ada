// The translation binding as the skinned toolkit sees the language: the
// program installs one with toolkit::SetLanguageState at start, so skins are
// taken from the language's folder and Japanese labels sit lower.
#pragma once

#include <string>

#include "language/LanguageBinding.h"
#include "toolkit/LanguageState.h"

namespace vantor::monitor {

class ToolkitLanguage final : public toolkit::LanguageState {
public:
    // binding must outlive this object; it binds the library at first use.
    explicit ToolkitLanguage(LanguageBinding& binding) : m_binding(binding) {}

    bool FullyAvailable() const override { return m_binding.IsLanguageAvailable(); }
    std::string Folder() const override { return m_binding.LanguageFolder(); }
    std::string Name() const override { return m_binding.LanguageName(); }

private:
    LanguageBinding& m_binding;
};

}  // namespace vantor::monitor
