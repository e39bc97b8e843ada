// WMIConfig.ini: one section per class, one key per property. A property
// without an entry (or with an empty one) is shown as "NULL"; the entry
// "TRUE" shows its value formatted by the class's rule for it; any other
// entry shows the value as read.
#pragma once

#include <string>
#include <string_view>

namespace vantor::wmi {

inline constexpr std::string_view kConfigFileName = "WMIConfig.ini";
// Entries are read into a buffer of this many characters, the terminator
// included.
inline constexpr std::size_t kConfigEntryBuffer = 64;

class PropertyConfig {
public:
    virtual ~PropertyConfig() = default;
    // The entry of `property` in section `className`; empty when missing.
    virtual std::string Entry(std::string_view className, std::string_view property) const = 0;
};

enum class PropertyMode {
    Hidden,     // no entry: "NULL"
    Plain,      // the value as read
    Formatted,  // the value and the class's rule
};

// Exactly "TRUE": the entry is compared as written, in upper case.
PropertyMode ModeOf(std::string_view entry);

}  // namespace vantor::wmi
