// A forward reader over a byte span with a sticky ok flag: a read past the end
// yields 0 (or an empty span) and clears ok, so a decoder reads a whole record
// and checks once at the end instead of after every field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vantor::hw {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Ok() const { return m_ok; }
    std::size_t Offset() const { return m_offset; }

    // Moves to an absolute offset; one past the end of the span is allowed.
    void Seek(std::size_t offset);
    void Skip(std::size_t count);

    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::span<const std::uint8_t> ReadBytes(std::size_t count);

private:
    // True when count bytes remain; otherwise clears ok and parks at the end.
    bool Take(std::size_t count);

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
    bool m_ok = true;
};

}  // namespace vantor::hw
