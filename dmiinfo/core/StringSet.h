// The strings that follow a structure's formatted area: NUL-terminated texts
// ended by an empty one. String number k (1 to 255) is the k-th text; 0 and
// numbers past the last text select nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vantor::dmi {

class StringSet {
public:
    static constexpr std::size_t kMaxStrings = 255;

    StringSet() = default;
    // `bytes` runs from the end of the formatted area to the end of the table;
    // a set without its closing empty string ends there, and a last text
    // without its NUL is cut at that end.
    explicit StringSet(std::span<const std::uint8_t> bytes);

    // Empty when the number selects no string.
    std::string_view At(std::size_t number) const;
    std::size_t Size() const { return m_size; }

private:
    std::array<std::string_view, kMaxStrings + 1> m_strings{};
    std::size_t m_size = 0;
};

}  // namespace vantor::dmi
