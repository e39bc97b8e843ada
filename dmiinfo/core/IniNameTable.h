// SmBIOS.ini read into memory, for hosts without the Windows profile
// functions (native tests, fuzzing, benchmarks). Reads the way
// GetPrivateProfileStringA does for this file: section and key names without
// regard to case, blanks around names and values dropped, ';' lines ignored,
// the first of duplicate sections and keys wins.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/SmbiosNames.h"

namespace vantor::dmi {

class IniNameTable final : public SmbiosNames {
public:
    static IniNameTable Parse(std::string_view text);
    // nullopt when the file cannot be read.
    static std::optional<IniNameTable> Load(const std::string& path);

    std::string Read(std::string_view section, std::string_view key) const override;
    std::size_t SectionCount() const { return m_sections.size(); }

private:
    // Orders names without regard to case; looks up by string_view without a copy.
    struct CaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using Section = std::map<std::string, std::string, CaseLess>;

    std::map<std::string, Section, CaseLess> m_sections;
};

}  // namespace vantor::dmi
