// Display names of enumerated SMBIOS byte values, kept in SmBIOS.ini beside
// the program: one section per field, keys are the byte as two lower-case hex
// digits. The shell reads the file with the profile functions; natively
// IniNameTable reads the same file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::dmi {

class SmbiosNames {
public:
    virtual ~SmbiosNames() = default;
    // The value of `key` in `section`, or an empty text when either is missing.
    virtual std::string Read(std::string_view section, std::string_view key) const = 0;
};

// At most this many characters of a name are used (the profile read's
// 64-character buffer).
inline constexpr std::size_t kMaxNameLength = 63;

// The name of `value` in `section`, "Unknown" when the file has none.
std::string SmbiosName(const SmbiosNames& names, std::string_view section, std::uint8_t value);

// The key of a byte value: "%.2x" (10 is "0a", 179 is "b3").
std::string NameKey(std::uint8_t value);

}  // namespace vantor::dmi
