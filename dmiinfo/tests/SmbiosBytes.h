// Building SMBIOS structures and tables byte by byte for tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vantor::dmi::test {

using Bytes = std::vector<std::uint8_t>;

// One structure: header (type, length, handle), the fields after the header,
// then the string set closed by an empty string (two NULs when it has none).
inline Bytes Struct(std::uint8_t type, Bytes fields, std::initializer_list<std::string> strings = {},
                    std::uint16_t handle = 0)
{
    Bytes bytes = {type, static_cast<std::uint8_t>(4 + fields.size()), static_cast<std::uint8_t>(handle),
                   static_cast<std::uint8_t>(handle >> 8)};
    bytes.insert(bytes.end(), fields.begin(), fields.end());
    for (const std::string& text : strings) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    if (strings.size() == 0) {
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

inline Bytes Table(std::initializer_list<Bytes> structures)
{
    Bytes table;
    for (const Bytes& s : structures) {
        table.insert(table.end(), s.begin(), s.end());
    }
    return table;
}

inline Bytes EndOfTable() { return Struct(127, {}); }

}  // namespace vantor::dmi::test
