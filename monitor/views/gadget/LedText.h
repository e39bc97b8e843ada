// The LED digits of a gadget: five slots filled from the right with the
// pictures of one digit set, "L" green reading digits, "AL" red reading
// digits, "S" threshold digits (which alone have the percent sign).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantor::views {

inline constexpr std::size_t kLedSlots = 5;

inline constexpr std::string_view kGreenDigits = "L";
inline constexpr std::string_view kRedDigits = "AL";
inline constexpr std::string_view kThresholdDigits = "S";

// The picture holder each slot (1 to 5, left to right) shows for `text`:
// "img" + set + "_" + 0..9, "_10" for ".", "_12" for "%" (threshold set).
// A voltage threshold gets its "%" appended first. Only the last five
// characters show; slots left of the text are blank ("_11"). A character
// the set has no picture for (a minus sign) blanks its slot in this set,
// so no digit of an earlier drawing, perhaps green, stays among red ones.
std::array<std::string, kLedSlots> LedSlotPictures(std::string_view text, std::string_view set,
                                                   bool voltageThreshold = false);

}  // namespace vantor::views
