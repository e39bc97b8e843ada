// Temperatures are read and kept in degrees Celsius; Fahrenheit exists only
// on screen and in the alert log.
#pragma once

#include <cstdint>
#include <limits>

#include "config/TemperatureScale.h"

namespace vantor::monitor {

// Whole degrees in, whole degrees out; the division truncates toward zero
// as C++ integer division does, so -1 C gives 31 F. Worked in 64 bits and
// kept within int, so a garbage reading near the int limits cannot overflow.
constexpr int CelsiusToFahrenheit(int celsius)
{
    const std::int64_t fahrenheit = std::int64_t{celsius} * 9 / 5 + 32;
    if (fahrenheit > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (fahrenheit < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(fahrenheit);
}

}  // namespace vantor::monitor
