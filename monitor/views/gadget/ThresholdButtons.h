// The threshold buttons of a gadget: one step up or down within the
// sensor's range, and the threshold as the small digits show it.
#pragma once

#include <string>

#include "config/SensorConfig.h"

namespace vantor::views {

enum class StepDirection {
    Up,
    Down
};

// One degree (the threshold is in tenths) for temperatures, one percent
// for voltages, one rpm for fans.
float ThresholdStep(monitor::SensorKind kind);

// The threshold after one click: a step is taken while the threshold is
// still below its maximum (or above its minimum), so it may end one step
// past the limit; nothing changes at or beyond it.
float SteppedThreshold(monitor::SensorKind kind, const monitor::SensorConfig& config, StepDirection direction);

// Temperatures in degrees with their tenth when there is one (905 shows
// 90.5), or in whole degrees Fahrenheit; voltages in percent and fans in
// rpm as the number itself.
std::string ThresholdButtonText(monitor::SensorKind kind, float threshold, monitor::TemperatureScale scale);

}  // namespace vantor::views
