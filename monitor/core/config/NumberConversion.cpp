#include "config/NumberConversion.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vantor::monitor {

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    // from_chars takes a leading '-' but not '+'.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback)
{
    return ParseInteger(text).value_or(fallback);
}

std::string FormatInteger(std::int64_t value) { return std::to_string(value); }

std::int32_t TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    if (value <= kLow)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= kHigh)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

}  // namespace vantor::monitor
