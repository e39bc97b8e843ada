// Where the structures of each type 0 to 63 stand in the table, in table
// order. A type holds at most 127 structures; types 64 and above (the OEM
// range and the end-of-table marker) are not indexed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantor::dmi {

class StructureIndex {
public:
    static constexpr int kTypes = 64;
    static constexpr int kMaxPerType = 127;

    // Walks the table once. The walk ends at the table's end, at a structure
    // whose length byte is below 4 or whose formatted area runs past the end,
    // and after a string set that has no closing empty string.
    static StructureIndex Walk(std::span<const std::uint8_t> table);

    // Records a structure; false (nothing recorded) for a type of 64 or above
    // or a type that already holds kMaxPerType structures.
    bool Add(std::uint8_t type, std::uint32_t offset);
    int Count(int type) const;
    // Offset of structure `number` (1 to Count) of the type.
    std::uint32_t Position(int type, int number) const;

private:
    std::array<std::vector<std::uint32_t>, kTypes> m_positions;
};

}  // namespace vantor::dmi
