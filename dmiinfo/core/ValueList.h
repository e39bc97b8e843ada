// The values one structure decodes to, in writing order. Each Add* reads its
// field from the structure; a numeric field that the structure's length does
// not cover is left out, a string field outside it is written "None" like any
// other missing string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/SmbiosNames.h"
#include "core/Structure.h"

namespace vantor::dmi {

struct DecodedValue {
    std::string key;
    std::string text;

    bool operator==(const DecodedValue&) const = default;
};

using DecodedValues = std::vector<DecodedValue>;

class ValueList {
public:
    ValueList(const Structure& structure, const SmbiosNames& names) : m_structure(structure), m_names(names) {}

    void Add(std::string key, std::string text) { m_values.push_back({std::move(key), std::move(text)}); }

    void AddString(std::string key, std::size_t offset) { Add(std::move(key), m_structure.String(offset)); }

    // The name of the byte at `offset` in SmBIOS.ini's `section`.
    void AddName(std::string key, std::size_t offset, std::string_view section, std::uint8_t mask = 0xFF)
    {
        if (const auto value = m_structure.Byte(offset)) {
            Add(std::move(key), SmbiosName(m_names, section, static_cast<std::uint8_t>(*value & mask)));
        }
    }

    template <typename Format>
    void AddByte(std::string key, std::size_t offset, Format format)
    {
        if (const auto value = m_structure.Byte(offset)) {
            Add(std::move(key), format(*value));
        }
    }

    template <typename Format>
    void AddWord(std::string key, std::size_t offset, Format format)
    {
        if (const auto value = m_structure.Word(offset)) {
            Add(std::move(key), format(*value));
        }
    }

    template <typename Format>
    void AddDword(std::string key, std::size_t offset, Format format)
    {
        if (const auto value = m_structure.Dword(offset)) {
            Add(std::move(key), format(*value));
        }
    }

    const Structure& Source() const { return m_structure; }
    DecodedValues Take() { return std::move(m_values); }

private:
    const Structure& m_structure;
    const SmbiosNames& m_names;
    DecodedValues m_values;
};

}  // namespace vantor::dmi
