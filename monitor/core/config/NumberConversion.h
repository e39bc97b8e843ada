// Number texts of the configuration files and edit fields. The decimal
// separator is always "." and integers are plain signed decimal, whatever the
// user's locale, so files move between machines unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::monitor {

// A signed decimal integer that fits 32 bits: an optional sign and digits,
// nothing else. Anything else (empty, letters, blanks, overflow) is nullopt.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// ParseInteger, or fallback when the text is not an integer.
std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback);

std::string FormatInteger(std::int64_t value);

// A float truncated toward zero, saturated to the 32-bit range; NaN gives 0.
// (A plain cast of an out-of-range float is undefined.)
std::int32_t TruncateToInt(double value);

}  // namespace vantor::monitor
