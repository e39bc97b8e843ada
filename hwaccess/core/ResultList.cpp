#include "core/ResultList.h"

#include <algorithm>

#include "core/ByteReader.h"
#include "core/LittleEndian.h"

namespace vantor::hw {

ResultList::ResultList(std::span<const std::uint8_t> result)
    : m_bytes(result.first(std::min(result.size(), kResultSize)))
{
    ByteReader reader(m_bytes);
    reader.Seek(kResultCountOffset);
    m_count = reader.ReadU32();

    std::size_t offset = kResultElementsOffset;
    while (reader.Ok() && m_size < m_count && m_size < kMaxResultElements) {
        reader.Seek(offset);
        reader.Skip(2);  // Type, read by the accessors
        const std::uint16_t dataLength = reader.ReadU16();
        reader.Skip(ArgumentSize(dataLength) - kArgumentHeaderSize);
        if (!reader.Ok()) {
            break;
        }
        m_offsets[m_size++] = static_cast<std::uint16_t>(offset);
        offset = reader.Offset();
    }
}

std::optional<ArgumentType> ResultList::TypeAt(std::size_t index) const
{
    if (index >= m_size) {
        return std::nullopt;
    }
    return static_cast<ArgumentType>(LoadU16(m_bytes, m_offsets[index]));
}

std::uint32_t ResultList::IntegerAt(std::size_t index) const
{
    if (TypeAt(index) != ArgumentType::Integer) {
        return 0;
    }
    // Every present element has at least 4 data bytes, whatever DataLength says.
    return LoadU32(m_bytes, m_offsets[index] + kArgumentHeaderSize);
}

std::string_view ResultList::StringAt(std::size_t index) const
{
    if (TypeAt(index) != ArgumentType::String) {
        return {};
    }
    const auto data = DataAt(index);
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    return {reinterpret_cast<const char*>(data.data()), static_cast<std::size_t>(end - data.begin())};
}

std::span<const std::uint8_t> ResultList::DataAt(std::size_t index) const
{
    if (index >= m_size) {
        return {};
    }
    const std::size_t offset = m_offsets[index];
    const std::uint16_t dataLength = LoadU16(m_bytes, offset + 2);
    return m_bytes.subspan(offset + kArgumentHeaderSize, dataLength);
}

}  // namespace vantor::hw
