// An ACPI name segment such as "RTMP" as the device requests carry it: one
// 32-bit little-endian word whose lowest byte is the first character, so the
// four bytes lie in string order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vantor::hw {

class MethodName {
public:
    constexpr MethodName() = default;

    // A four-character literal: MethodName("OCOP"). The array type rejects
    // literals of any other length at compile time.
    consteval MethodName(const char (&text)[5]) : m_word(Pack(std::string_view(text, 4))) {}

    static constexpr MethodName FromWord(std::uint32_t word)
    {
        MethodName name;
        name.m_word = word;
        return name;
    }

    // The first four characters of text; a shorter text is padded with NULs.
    static constexpr MethodName FromChars(std::string_view text) { return FromWord(Pack(text)); }

    constexpr std::uint32_t Word() const { return m_word; }

    constexpr std::array<char, 4> Chars() const
    {
        return {static_cast<char>(m_word), static_cast<char>(m_word >> 8), static_cast<char>(m_word >> 16),
                static_cast<char>(m_word >> 24)};
    }

    friend constexpr bool operator==(MethodName, MethodName) = default;

private:
    static constexpr std::uint32_t Pack(std::string_view text)
    {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4 && i < text.size(); ++i) {
            word |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << (8 * i);
        }
        return word;
    }

    std::uint32_t m_word = 0;
};

}  // namespace vantor::hw
