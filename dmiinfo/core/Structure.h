// One SMBIOS structure: its formatted area (type, length, handle and the
// fields) and its string set. Fields are read only inside the formatted area:
// a field that the structure's length does not cover reads as absent, which
// is how tables of older SMBIOS versions decode partially.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/StringSet.h"

namespace vantor::dmi {

class Structure {
public:
    // The structure at `offset` of `table`, or nullopt when its header is
    // malformed (length below 4) or its formatted area runs past the table.
    static std::optional<Structure> At(std::span<const std::uint8_t> table, std::size_t offset);
    // The length of the formatted area at `offset`, 0 when At would fail.
    static std::size_t FormattedLength(std::span<const std::uint8_t> table, std::size_t offset);

    std::uint8_t Type() const { return m_formatted[0]; }
    std::size_t Length() const { return m_formatted.size(); }

    std::optional<std::uint8_t> Byte(std::size_t offset) const;
    std::optional<std::uint16_t> Word(std::size_t offset) const;
    std::optional<std::uint32_t> Dword(std::size_t offset) const;

    // The string that the byte at `offset` selects; empty when the byte is 0,
    // outside the formatted area, or past the last string.
    std::string_view FindString(std::size_t offset) const;
    // As FindString, with "None" for a missing string.
    std::string String(std::size_t offset) const;
    // String number `number` of the set, "None" when there is none.
    std::string StringNumber(std::size_t number) const;

private:
    Structure(std::span<const std::uint8_t> formatted, StringSet strings) : m_formatted(formatted), m_strings(strings)
    {}

    bool Covers(std::size_t offset, std::size_t width) const
    {
        return offset <= m_formatted.size() && width <= m_formatted.size() - offset;
    }

    std::span<const std::uint8_t> m_formatted;
    StringSet m_strings;
};

}  // namespace vantor::dmi
