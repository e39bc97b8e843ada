#include "core/NumberText.h"

#include <cmath>
#include <cstdio>

namespace vantor::hw {

std::string FormatFixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    // "-0.00" is not a value anybody wants to read.
    if (result.front() == '-' && result.find_first_not_of("-0.") == std::string::npos)
        result.erase(0, 1);
    return result;
}

std::string FormatGeneral(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? "0" : "";
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string FormatWhole(long long value) { return std::to_string(value); }

}  // namespace vantor::hw
