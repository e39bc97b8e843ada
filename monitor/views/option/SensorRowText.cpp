#include "option/SensorRowText.h"
#include "config/NumberConversion.h"

#include "alarm/ReadingText.h"
#include "alarm/Temperature.h"

namespace vantor::views {

using monitor::SensorKind;
using monitor::alarm::FormatReading;

std::string NominalText(SensorKind kind, float nominalVolts)
{
    return kind == SensorKind::Voltage ? FormatReading(nominalVolts, 2) : std::string();
}

std::string NominalRangeText(float minVolts, float maxVolts)
{
    return FormatReading(minVolts, 3) + " - " + FormatReading(maxVolts, 3);
}

std::string CurrentValueText(SensorKind kind, float reading, monitor::TemperatureScale scale)
{
    if (kind == SensorKind::Voltage)
        return FormatReading(reading, 2);
    if (kind == SensorKind::Temperature && scale == monitor::TemperatureScale::Fahrenheit)
        return std::to_string(monitor::CelsiusToFahrenheit(monitor::TruncateToInt(reading)));
    return FormatReading(reading, 0);
}

}  // namespace vantor::views
