#include "option/ThresholdText.h"

#include <cmath>

#include "alarm/ReadingText.h"
#include "alarm/Temperature.h"
#include "config/NumberConversion.h"

namespace vantor::views {

using monitor::SensorKind;
using monitor::TemperatureScale;

std::int32_t ThresholdDisplayNumber(SensorKind kind, float threshold, TemperatureScale scale)
{
    switch (kind) {
    case SensorKind::Temperature: {
        const std::int32_t celsius = monitor::TruncateToInt(threshold) / 10;
        return scale == TemperatureScale::Fahrenheit ? monitor::CelsiusToFahrenheit(celsius) : celsius;
    }
    case SensorKind::Voltage:
        return monitor::alarm::RoundToInt(threshold);
    case SensorKind::Fan:
        break;
    }
    return monitor::TruncateToInt(threshold);
}

std::string ThresholdDisplayText(SensorKind kind, float threshold, TemperatureScale scale)
{
    return std::to_string(ThresholdDisplayNumber(kind, threshold, scale));
}

float ThresholdFromDisplayNumber(SensorKind kind, std::int32_t number, TemperatureScale scale)
{
    if (kind != SensorKind::Temperature)
        return static_cast<float>(number);
    if (scale != TemperatureScale::Fahrenheit)
        return static_cast<float>(std::int64_t{number} * 10);
    const double celsius = std::round((static_cast<double>(number) - 32.0) * 5.0 / 9.0);
    return static_cast<float>(celsius * 10.0);
}

std::string ThresholdUnitText(SensorKind kind, TemperatureScale scale)
{
    switch (kind) {
    case SensorKind::Temperature:
        return scale == TemperatureScale::Fahrenheit ? "F" : "C";
    case SensorKind::Voltage:
        return "%";
    case SensorKind::Fan:
        break;
    }
    return "rpm";
}

}  // namespace vantor::views
