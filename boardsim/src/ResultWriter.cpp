#include "ResultWriter.h"

#include "ByteReader.h"

#include <cstring>

namespace boardsim {

ResultWriter::ResultWriter(std::span<std::uint8_t> out) : m_out(out) {}

std::uint8_t* ResultWriter::Element(std::uint16_t type, std::size_t dataLength)
{
    bool fittedSoFar = Fits();
    std::size_t start = m_needed;
    std::size_t padded = dataLength < 4 ? 4 : dataLength;
    m_needed += 4 + padded;
    ++m_count;
    if (!fittedSoFar || !Fits()) {
        return nullptr;
    }
    std::uint8_t* element = m_out.data() + start;
    StoreU16(element, type);
    StoreU16(element + 2, static_cast<std::uint16_t>(dataLength));
    std::memset(element + 4, 0, padded);
    return element + 4;
}

void ResultWriter::Integer(std::uint32_t value)
{
    if (std::uint8_t* data = Element(0, 4)) {
        StoreU32(data, value);
    }
}

void ResultWriter::String(std::string_view text)
{
    // DataLength is 16 bits; board texts are far shorter (the board file
    // limits them), so the cut only guards the field.
    std::size_t length = text.size() < 0xFFFE ? text.size() : 0xFFFE;
    if (std::uint8_t* data = Element(1, length + 1)) {
        std::memcpy(data, text.data(), length);
    }
}

void ResultWriter::Buffer(std::span<const std::uint32_t> words)
{
    // Firmware buffers here are a few words; the cut only guards the field.
    std::size_t count = words.size() < 0x3FFF ? words.size() : 0x3FFF;
    if (std::uint8_t* data = Element(2, count * 4)) {
        for (std::size_t i = 0; i < count; ++i) {
            StoreU32(data + 4 * i, words[i]);
        }
    }
}

BsStatus ResultWriter::Finish(std::size_t* length)
{
    *length = m_needed;
    if (!Fits()) {
        return BS_RESULT_TOO_LARGE;
    }
    StoreU32(m_out.data(), kResultSignature);
    StoreU32(m_out.data() + 4, static_cast<std::uint32_t>(m_needed));
    StoreU32(m_out.data() + 8, m_count);
    return BS_OK;
}

}  // namespace boardsim
