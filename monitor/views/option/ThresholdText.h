// A threshold as the options window shows and types it: temperatures in
// whole degrees of the committed scale, voltages in whole percent, fans in
// rpm. The configuration keeps tenths of a degree Celsius, percent and rpm.
#pragma once

#include <cstdint>
#include <string>

#include "config/SensorConfig.h"

namespace vantor::views {

// The whole number the threshold label and edit show.
std::int32_t ThresholdDisplayNumber(monitor::SensorKind kind, float threshold, monitor::TemperatureScale scale);
std::string ThresholdDisplayText(monitor::SensorKind kind, float threshold, monitor::TemperatureScale scale);

// The threshold a typed whole number stands for. A Fahrenheit entry is
// stored as the nearest whole degree Celsius, the unit the window shows it
// back in, so 194 stores 900 and shows 194 again.
float ThresholdFromDisplayNumber(monitor::SensorKind kind, std::int32_t number, monitor::TemperatureScale scale);

// The unit label beside a threshold: "C" or "F", "%", "rpm".
std::string ThresholdUnitText(monitor::SensorKind kind, monitor::TemperatureScale scale);

}  // namespace vantor::views
