// The information INI form that the DMI, WMI and PCI libraries write and the
// information browser and the HTML generator read:
//
//   [Root]            Count=n, 1..n = "0|<section>"  (the top sections)
//   [<list section>]  Count=n, 1..n = "0|<section>"  (child sections)
//   [<value section>] Count=n, 1..n = "1|<key>|<value>",
//                     FileName=<name of the section's HTML page, no extension>,
//                     DisplayName=<the page's title>
//
// FileName and DisplayName are written by ZyIni for the DMI file; the other
// writers may leave them out, and readers fall back to the section name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor::infoini {

inline constexpr std::string_view kRootSection = "Root";
inline constexpr std::string_view kCountKey = "Count";
inline constexpr std::string_view kFileNameKey = "FileName";
inline constexpr std::string_view kDisplayNameKey = "DisplayName";

// Longest text written for one entry; longer texts are cut there, so one
// runaway firmware string cannot make an entry no reader's buffer can hold.
inline constexpr std::size_t kMaxEntryLength = 1023;

// "0|<section>" and "1|<key>|<value>".
std::string ChildEntry(std::string_view section);
std::string ValueEntry(std::string_view key, std::string_view value);

// One numbered entry read back. A text that is neither form is Broken.
struct Entry {
    enum class Kind {
        Child,
        Value,
        Broken
    };
    Kind kind = Kind::Broken;
    std::string first;   // Child: the section; Value: the key
    std::string second;  // Value: the value (may hold further "|")
};
Entry ParseEntry(std::string_view text);

}  // namespace vantor::infoini
