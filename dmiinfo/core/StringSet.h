// The strings that follow a structure's formatted area: NUL-terminated texts
// ended by an empty one. String number k (1 to 255) is the k-th text; 0 and
// numbers past the last text select nothing. A structure holds few strings,
// so a lookup walks the set instead of keeping a table of positions.
#pragma once

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
    explicit StringSet(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    // Empty when the number selects no string.
    std::string_view At(std::size_t number) const;
    std::size_t Size() const;

private:
    // Calls visit(k, text) for each string k = 1, 2, ... until it returns false.
    template <typename Visit>
    void ForEach(Visit visit) const;

    std::span<const std::uint8_t> m_bytes;
};

}  // namespace vantor::dmi
