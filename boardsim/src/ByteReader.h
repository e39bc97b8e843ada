// A bounds-checked little-endian reader over request bytes. Reading past the
// end yields 0 and clears ok(); callers check once after a group of reads.
#ifndef BOARDSIM_BYTEREADER_H
#define BOARDSIM_BYTEREADER_H

#include <cstddef>
#include <cstdint>
#include <span>

namespace boardsim {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool ok() const { return m_ok; }
    std::size_t Position() const { return m_position; }
    std::size_t Remaining() const { return m_bytes.size() - m_position; }

    std::uint16_t U16()
    {
        if (!Need(2)) {
            return 0;
        }
        std::uint16_t value = static_cast<std::uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
        m_position += 2;
        return value;
    }

    std::uint32_t U32()
    {
        if (!Need(4)) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value |= static_cast<std::uint32_t>(m_bytes[m_position + i]) << (8 * i);
        }
        m_position += 4;
        return value;
    }

    // The next `count` bytes, or an empty span (and !ok()) when they run past
    // the end.
    std::span<const std::uint8_t> Bytes(std::size_t count)
    {
        if (!Need(count)) {
            return {};
        }
        std::span<const std::uint8_t> bytes = m_bytes.subspan(m_position, count);
        m_position += count;
        return bytes;
    }

private:
    bool Need(std::size_t count)
    {
        if (!m_ok || count > Remaining()) {
            m_ok = false;
            return false;
        }
        return true;
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    bool m_ok = true;
};

// Little-endian 32-bit word at the start of `bytes` (which holds at least 4).
inline std::uint32_t LoadU32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

inline void StoreU32(std::uint8_t* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline void StoreU16(std::uint8_t* bytes, std::uint16_t value)
{
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace boardsim

#endif
