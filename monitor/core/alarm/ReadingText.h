// Number texts of readings and thresholds as the gadgets and the alert log
// show them. The decimal point is always ".".
#pragma once

#include <cstdint>
#include <string>

namespace vantor::monitor::alarm {

// Rounds halves away from zero (2.5 gives 3, -2.5 gives -3); NaN gives 0 and
// values beyond the 32-bit range saturate, like TruncateToInt.
std::int32_t RoundToInt(double value);

// `decimals` digits after the point, halves rounded away from zero:
// 13.705 with 2 gives "13.71", 90.5 with 0 gives "91". Never "-0".
std::string FormatReading(double value, int decimals);

}  // namespace vantor::monitor::alarm
