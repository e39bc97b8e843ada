#include "core/StructureIndex.h"

#include "core/Structure.h"

namespace vantor::dmi {
namespace {

// Offset just past the two NULs that close the string set starting at
// `offset`; 0 when the table ends first.
std::size_t EndOfStringSet(std::span<const std::uint8_t> table, std::size_t offset)
{
    for (std::size_t i = offset; i + 1 < table.size(); ++i) {
        if (table[i] == 0 && table[i + 1] == 0) {
            return i + 2;
        }
    }
    return 0;
}

}  // namespace

StructureIndex StructureIndex::Walk(std::span<const std::uint8_t> table)
{
    StructureIndex index;
    std::size_t offset = 0;
    while (offset < table.size()) {
        const std::size_t length = Structure::FormattedLength(table, offset);
        if (length == 0) {
            break;
        }
        index.Add(table[offset], static_cast<std::uint32_t>(offset));
        const std::size_t next = EndOfStringSet(table, offset + length);
        if (next == 0) {
            break;
        }
        offset = next;
    }
    return index;
}

bool StructureIndex::Add(std::uint8_t type, std::uint32_t offset)
{
    if (type >= kTypes || m_positions[type].size() >= kMaxPerType) {
        return false;
    }
    m_positions[type].push_back(offset);
    return true;
}

int StructureIndex::Count(int type) const
{
    if (type < 0 || type >= kTypes) {
        return 0;
    }
    return static_cast<int>(m_positions[type].size());
}

std::uint32_t StructureIndex::Position(int type, int number) const
{
    return m_positions[static_cast<std::size_t>(type)][static_cast<std::size_t>(number - 1)];
}

}  // namespace vantor::dmi
