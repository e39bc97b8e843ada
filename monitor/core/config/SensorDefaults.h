// Default thresholds, enable flags, names and nominal voltages derived from
// the sensor descriptors.
#pragma once

#include <cstdint>
#include <string_view>

#include "config/ConfigHardware.h"
#include "config/SensorConfig.h"

namespace vantor::monitor {

// The name shown for a sensor: the descriptor's name up to the kind's suffix
// (" Volt", " Temp", " FAN", case-sensitive), empty without the suffix.
// The caller's buffer cuts it to 9 characters.
std::string_view ShortNameOf(std::string_view descriptorName, SensorKind kind);

// The centre of a voltage sensor's good band in volts: the limits' integer
// mean in millivolts (truncated toward zero) times 0.001.
float NominalVoltageFromLimits(std::int32_t lowLimit, std::int32_t highLimit);

// The processor core voltage, averaged over eleven reads 50 ms apart.
float AverageCoreVoltage(ConfigHardware& hardware);

// Committed config, edit copy, name (and for fans the edit name) and, for
// voltages, the nominal voltage of every sensor of the kind.
void BuildDefaults(SensorConfiguration& config, SensorKind kind, ConfigHardware& hardware);

}  // namespace vantor::monitor
