// The option names an item carries in its OCOP result: the string elements
// from element 4 on (elements 0 to 3 describe the item itself).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/ResultList.h"
#include "core/TextSlot.h"

namespace vantor::hw {

inline constexpr std::size_t kFirstOptionElement = 4;
// As many as one result can carry.
inline constexpr std::size_t kMaxItemOptions = kMaxResultElements - kFirstOptionElement;

using OptionText = std::array<char, kOptionSlotSize>;

// Counted by the elements actually present, so a Count word larger than the
// result can hold does not promise names that are not there.
inline std::size_t ItemOptionCount(const ResultList& result)
{
    return result.Size() > kFirstOptionElement ? result.Size() - kFirstOptionElement : 0;
}

// Empty for an element that is not a string.
inline std::string_view ItemOptionAt(const ResultList& result, std::size_t index)
{
    return result.StringAt(kFirstOptionElement + index);
}

}  // namespace vantor::hw
