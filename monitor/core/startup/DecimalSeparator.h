// Number texts use "." as the decimal separator whatever the user's locale:
// thresholds, the configuration files and the reports move between machines
// unchanged. Called once at start, before any number is formatted.
#pragma once

namespace vantor::monitor {

// Puts the C library's numeric formatting (printf, strtod) and the C++
// global locale's numeric facet back to the classic "C" rules.
void FixDecimalSeparator();

}  // namespace vantor::monitor
