#include "gadget/ThresholdButtons.h"

#include <cstdio>

#include "alarm/ReadingText.h"
#include "config/NumberConversion.h"
#include "alarm/Temperature.h"

namespace vantor::views {
namespace {

// The shortest text of a number, as a plain floating-point conversion gives it.
std::string NumberText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace

float ThresholdStep(monitor::SensorKind kind) { return kind == monitor::SensorKind::Temperature ? 10.0f : 1.0f; }

float SteppedThreshold(monitor::SensorKind kind, const monitor::SensorConfig& config, StepDirection direction)
{
    const float step = ThresholdStep(kind);
    if (direction == StepDirection::Up)
        return config.Threshold < config.MaxThreshold ? config.Threshold + step : config.Threshold;
    return config.Threshold > config.MinThreshold ? config.Threshold - step : config.Threshold;
}

std::string ThresholdButtonText(monitor::SensorKind kind, float threshold, monitor::TemperatureScale scale)
{
    if (kind != monitor::SensorKind::Temperature)
        return NumberText(threshold);
    const double degrees = threshold * 0.1;
    if (scale == monitor::TemperatureScale::Fahrenheit)
        return std::to_string(monitor::CelsiusToFahrenheit(monitor::TruncateToInt(degrees)));
    return NumberText(degrees);
}

}  // namespace vantor::views
