// The option values of a numeric range item (an OCIF descriptor with a low
// bound, a high bound and a step count) and the texts they are shown as.
//
// Most items count up from the low bound in equal steps. Item 0x01060001 is
// listed in tenths, and item 0x01020008 counts down from its high bound and
// carries a value scale (RangeScale) that follows the size of its bounds.
// Values are 16-bit: each is kept modulo 65536.
//
// Bounds that give no usable step have no values and an empty list: a step
// that comes out 0 (the span smaller than the step count) or a step count
// that would divide by zero (0 for item 0x01020008, 1 for the others). A
// step pointing away from the last value (a negative step count) gives no
// values either. A list is never longer than kMaxRangeValues.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor::hw {

struct RangeBounds {
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t stepCount = 0;
};

// Every 16-bit value once; longer lists are cut here so absurd bounds cannot
// make a huge loop.
inline constexpr std::size_t kMaxRangeValues = 65536;

// The value scale of item 0x01020008 before its values were ever computed.
inline constexpr float kInitialRangeScale = 10.0f;

// tenthsItemAvailable says whether item 0x01060001 is available; no other
// item looks at it.
std::vector<std::uint16_t> RangeValueList(std::uint32_t itemId, const RangeBounds& bounds, bool tenthsItemAvailable);

// RangeScale after the values of item 0x01020008 were computed from bounds:
// 0.1 when a bound exceeds 99999, else 1.0 when one exceeds 9999, else
// unchanged.
float NextRangeScale(float rangeScale, const RangeBounds& bounds);

// The text of one value, by the item's kind: kind 1 hundredths ("0.00"),
// kind 2 thousandths ("0.00000"; item 0x01020008 uses rangeScale / 10000),
// kind 6 whole ("0.0"; item 0x01060001 tenths), any other kind the value in
// general form.
std::string RangeValueText(std::uint32_t itemId, std::uint16_t value, float rangeScale);

}  // namespace vantor::hw
