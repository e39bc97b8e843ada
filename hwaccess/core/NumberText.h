// Number texts of option values. The decimal point is always "." whatever
// the user's locale: these texts name firmware values, not user input.
#pragma once

#include <string>

namespace vantor::hw {

// At least one digit before the point and exactly `decimals` after it,
// rounded ("0.00" for decimals 2).
std::string FormatFixed(double value, int decimals);

// The shortest plain decimal form with up to 15 significant digits
// (150, 0.1, 1.375).
std::string FormatGeneral(double value);

// A whole number.
std::string FormatWhole(long long value);

}  // namespace vantor::hw
