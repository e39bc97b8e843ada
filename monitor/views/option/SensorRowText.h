// The reading columns of a sensor row: the nominal voltage and the current
// value, in the committed temperature scale.
#pragma once

#include <string>

#include "config/SensorConfig.h"

namespace vantor::views {

// Volts with two decimals ("3.30"); empty for the other kinds.
std::string NominalText(monitor::SensorKind kind, float nominalVolts);

// The core voltage's range while the processor's power saving varies it:
// "0.800 - 1.350".
std::string NominalRangeText(float minVolts, float maxVolts);

// Voltages "12.19"; temperatures in whole degrees (Fahrenheit from the whole
// degrees Celsius); fans in whole rpm.
std::string CurrentValueText(monitor::SensorKind kind, float reading, monitor::TemperatureScale scale);

}  // namespace vantor::views
