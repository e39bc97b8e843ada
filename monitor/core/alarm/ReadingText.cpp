#include "alarm/ReadingText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace vantor::monitor::alarm {
namespace {

int SaturateToInt(double whole)
{
    if (std::isnan(whole))
        return 0;
    if (whole >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (whole <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(whole);
}

}  // namespace

int TruncateToInt(double value) { return SaturateToInt(std::trunc(value)); }

int RoundToInt(double value) { return SaturateToInt(std::round(value)); }

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
