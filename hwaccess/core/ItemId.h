// The fields of an ItemId: group in bits 24-31, kind in bits 16-23, index in
// bits 0-15. Typed twins of the OC_ITEM_GROUP/OC_ITEM_KIND macros of the
// public header, usable in constant expressions and free of C casts.
#pragma once

#include <cstdint>

namespace vantor::hw {

constexpr std::uint32_t ItemGroupOf(std::uint32_t itemId) { return (itemId >> 24) & 0xFFu; }
constexpr std::uint32_t ItemKindOf(std::uint32_t itemId) { return (itemId >> 16) & 0xFFu; }

}  // namespace vantor::hw
