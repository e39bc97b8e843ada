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
    // Lower-cased section name -> lower-cased key -> value.
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};

}  // namespace vantor::dmi
