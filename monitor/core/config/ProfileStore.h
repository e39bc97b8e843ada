// The seam in front of the Windows profile (INI) functions. Every call opens
// the file, does one read or write and closes it again, as
// GetPrivateProfileStringA and WritePrivateProfileStringA do.
#pragma once

#include <string>
#include <string_view>

namespace vantor::monitor {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // The value of key in section, trimmed of surrounding blanks; fallback
    // when the file, the section or the key is missing. Names match without
    // regard to letter case.
    virtual std::string ReadString(std::string_view path, std::string_view section, std::string_view key,
                                   std::string_view fallback) = 0;

    // Replaces the key's value in place or appends the key to its section
    // (the section to the file, the file to the folder). False when refused.
    virtual bool WriteString(std::string_view path, std::string_view section, std::string_view key,
                             std::string_view value) = 0;

    // True when the section holds at least one key.
    virtual bool HasSection(std::string_view path, std::string_view section) = 0;
};

// The error raised when a profile write is refused.
std::string WriteErrorText(std::string_view path);

}  // namespace vantor::monitor
