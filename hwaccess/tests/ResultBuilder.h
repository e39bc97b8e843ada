// Builds device results in the ACPI_EVAL_OUTPUT_BUFFER layout for tests:
// elements are appended back to back from offset 12 and Count is the number
// appended unless a test sets another. Writes past the buffer are dropped, so
// a builder can also make results that run off the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/LittleEndian.h"
#include "core/MethodArgument.h"
#include "core/MethodChannel.h"
#include "core/ResultList.h"

namespace vantor::hw::test {

class ResultBuilder {
public:
    ResultBuilder& Integer(std::uint32_t value)
    {
        Header(ArgumentType::Integer, 4);
        Word(value);
        return *this;
    }

    // A string with its NUL inside DataLength, padded to the 4-byte minimum.
    ResultBuilder& String(std::string_view text)
    {
        const std::size_t dataLength = text.size() + 1;
        Header(ArgumentType::String, static_cast<std::uint16_t>(dataLength));
        for (char c : text) {
            Byte(static_cast<std::uint8_t>(c));
        }
        Pad(ArgumentSize(dataLength) - kArgumentHeaderSize - text.size());
        return *this;
    }

    // A buffer element holding the bytes, padded to the 4-byte minimum.
    ResultBuilder& Buffer(std::span<const std::uint8_t> bytes)
    {
        Header(ArgumentType::Buffer, static_cast<std::uint16_t>(bytes.size()));
        for (std::uint8_t b : bytes) {
            Byte(b);
        }
        Pad(ArgumentSize(bytes.size()) - kArgumentHeaderSize - bytes.size());
        return *this;
    }

    // An element header as given; the data that follows is up to the test.
    ResultBuilder& Header(ArgumentType type, std::uint16_t dataLength)
    {
        Word16(static_cast<std::uint16_t>(type));
        Word16(dataLength);
        ++m_elements;
        return *this;
    }

    ResultBuilder& Word(std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i) {
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
        return *this;
    }

    ResultBuilder& Byte(std::uint8_t value)
    {
        if (m_offset < m_bytes.size()) {
            m_bytes[m_offset] = value;
        }
        ++m_offset;
        return *this;
    }

    ResultBuilder& Count(std::uint32_t count)
    {
        m_count = count;
        return *this;
    }

    ResultBuffer Build() const
    {
        ResultBuffer bytes = m_bytes;
        StoreU32(bytes, kResultCountOffset, m_count.value_or(m_elements));
        return bytes;
    }

private:
    void Word16(std::uint16_t value)
    {
        Byte(static_cast<std::uint8_t>(value));
        Byte(static_cast<std::uint8_t>(value >> 8));
    }

    void Pad(std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            Byte(0);
        }
    }

    ResultBuffer m_bytes{};
    std::size_t m_offset = kResultElementsOffset;
    std::uint32_t m_elements = 0;
    std::optional<std::uint32_t> m_count;
};

}  // namespace vantor::hw::test
