#include "core/ByteReader.h"

#include "core/LittleEndian.h"

namespace vantor::hw {

bool ByteReader::Take(std::size_t count)
{
    if (!m_ok || count > m_bytes.size() - m_offset) {
        m_ok = false;
        m_offset = m_bytes.size();
        return false;
    }
    return true;
}

void ByteReader::Seek(std::size_t offset)
{
    if (offset > m_bytes.size()) {
        m_ok = false;
        m_offset = m_bytes.size();
        return;
    }
    m_offset = offset;
}

void ByteReader::Skip(std::size_t count)
{
    if (Take(count)) {
        m_offset += count;
    }
}

std::uint16_t ByteReader::ReadU16()
{
    if (!Take(2)) {
        return 0;
    }
    const std::uint16_t value = LoadU16(m_bytes, m_offset);
    m_offset += 2;
    return value;
}

std::uint32_t ByteReader::ReadU32()
{
    if (!Take(4)) {
        return 0;
    }
    const std::uint32_t value = LoadU32(m_bytes, m_offset);
    m_offset += 4;
    return value;
}

std::span<const std::uint8_t> ByteReader::ReadBytes(std::size_t count)
{
    if (!Take(count)) {
        return {};
    }
    const auto bytes = m_bytes.subspan(m_offset, count);
    m_offset += count;
    return bytes;
}

}  // namespace vantor::hw
