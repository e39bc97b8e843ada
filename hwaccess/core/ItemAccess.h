// Reading and writing one board item through the firmware's item methods:
// OCOP(ItemId) describes the item, PROC(ItemId, value, mode) changes it.
#pragma once

#include <cstdint>

#include "core/MethodChannel.h"
#include "core/MethodName.h"
#include "core/ResultList.h"

namespace vantor::hw {

inline constexpr MethodName kItemReadMethod = "OCOP";
inline constexpr MethodName kItemWriteMethod = "PROC";
// The status PROC answers when it took the value.
inline constexpr std::uint8_t kWriteAcceptedStatus = 3;

// An item as OCOP describes it: element 1, element 2 and bit 0 of element 3.
// Element 0 is not used; elements from 4 on are the item's option names.
struct ItemState {
    std::uint32_t value1 = 0;
    std::uint32_t current = 0;
    bool available = false;

    friend bool operator==(const ItemState&, const ItemState&) = default;
};

// The item state an OCOP result describes; missing elements read 0.
ItemState ItemStateFrom(const ResultList& result);

// Whether a PROC result says the value was taken: the low byte of its first
// value is kWriteAcceptedStatus.
bool WriteAccepted(const ResultList& result);

// All zero when the call fails.
ItemState ReadItem(MethodChannel& channel, std::uint32_t itemId);

// Writes only an available item. True when PROC succeeded and accepted.
bool WriteItem(MethodChannel& channel, std::uint32_t itemId, std::uint32_t value, std::uint32_t mode);

}  // namespace vantor::hw
