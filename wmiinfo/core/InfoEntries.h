// The texts of ZyWmi.ini: Root and class-list entries "0|<section>", property
// entries "1|<name>|<value>", and the names of the instance sections. The
// file is written with the profile functions, which store a text as it is: a
// line break inside one would start a line of its own in the file, so control
// characters are written as blanks.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vantor::wmi {

inline constexpr std::string_view kIniFileName = "ZyWmi.ini";
inline constexpr std::string_view kRootSection = "Root";
inline constexpr std::string_view kCountKey = "Count";

// One entry's text is built in a buffer of 128 characters, the terminator
// included.
inline constexpr std::size_t kMaxEntryChars = 127;
// The INI path is held in a buffer of 128 characters.
inline constexpr std::size_t kMaxIniPathChars = 127;

// Tells whether a byte starts a two-byte character of the ANSI code page, so
// that a text is never cut between the two bytes.
using LeadByteTest = std::function<bool(unsigned char)>;

// "0|<section>".
std::string ChildEntry(std::string_view section);

// "1|" and the property entry (name, "|", value text), cut to kMaxEntryChars
// at a character boundary.
std::string PropertyEntry(std::string_view name, std::string_view value, const LeadByteTest& isLeadByte);

// The section of instance `number` of two or more: "%s%d" of the instance's
// "__Class" value and the number.
std::string InstanceSection(std::string_view instanceClass, int number);

// Control characters as blanks.
std::string ProfileText(std::string_view text);

// The longest start of `text` of at most `limit` bytes that does not end
// inside a two-byte character.
std::string_view CutText(std::string_view text, std::size_t limit, const LeadByteTest& isLeadByte);

}  // namespace vantor::wmi
