#include "alarm/ReadingText.h"

#include <cmath>
#include <cstdio>

#include "config/NumberConversion.h"

namespace vantor::monitor::alarm {

std::int32_t RoundToInt(double value) { return TruncateToInt(std::round(value)); }

std::string FormatReading(double value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        return "0";
    // Round on the decimal grid first: printf alone would round exact binary
    // halves (0.125, 90.5) to even.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0;  // drops the sign of -0.0
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    return text;
}

}  // namespace vantor::monitor::alarm
