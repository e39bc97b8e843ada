// A bounds-checked view of a method result in the ACPI_EVAL_OUTPUT_BUFFER
// layout: signature and length words (ignored), Count at offset 8, then Count
// method arguments back to back from offset 12.
//
// Nothing is read outside the bytes given, and never past kResultSize of them.
// An element whose header or data would run past the end ends the list there,
// so a Count or a DataLength larger than the buffer can hold shortens the list
// instead of reading beyond it. Accessors treat an element the list does not
// have as missing: 0, an empty string, no type.
//
// The list is a view: the result bytes must outlive it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ranges>
#include <span>
#include <string_view>

#include "core/MethodArgument.h"
#include "core/MethodChannel.h"

namespace vantor::hw {

inline constexpr std::size_t kResultCountOffset = 8;
inline constexpr std::size_t kResultElementsOffset = 12;
// Every element takes at least 8 bytes, which bounds how many fit.
inline constexpr std::size_t kMaxResultElements = (kResultSize - kResultElementsOffset) / ArgumentSize(0);

class ResultList {
public:
    explicit ResultList(std::span<const std::uint8_t> result);

    // A list views its bytes, so a temporary buffer would leave it dangling.
    template <std::ranges::contiguous_range Bytes>
    requires(!std::ranges::borrowed_range<Bytes>) explicit ResultList(Bytes&&) = delete;

    // The Count word as the device wrote it, and its two low bytes, which
    // some readers take as an element count and an indicator of their own.
    std::uint32_t Count() const { return m_count; }
    std::uint8_t CountLowByte() const { return static_cast<std::uint8_t>(m_count); }
    std::uint8_t CountSecondByte() const { return static_cast<std::uint8_t>(m_count >> 8); }

    // Elements actually present: at most Count, and only those that lie
    // entirely inside the buffer.
    std::size_t Size() const { return m_size; }

    // The element's Type; an unknown Type value is passed on as is.
    std::optional<ArgumentType> TypeAt(std::size_t index) const;

    // The value of an integer element; 0 for a missing element and for a
    // string or buffer, whose bytes are not a number.
    std::uint32_t IntegerAt(std::size_t index) const;

    // The text of a string element up to its first NUL, within DataLength;
    // empty for a missing element and for any other type.
    std::string_view StringAt(std::size_t index) const;

    // The element's DataLength bytes, whatever its type; empty when missing.
    std::span<const std::uint8_t> DataAt(std::size_t index) const;

private:
    std::span<const std::uint8_t> m_bytes;
    std::uint32_t m_count = 0;
    std::size_t m_size = 0;
    std::array<std::uint16_t, kMaxResultElements> m_offsets{};
};

}  // namespace vantor::hw
