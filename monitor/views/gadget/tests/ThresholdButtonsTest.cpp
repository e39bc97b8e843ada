#include "gadget/ThresholdButtons.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

using monitor::SensorConfig;
using monitor::SensorKind;
using monitor::TemperatureScale;

TEST(SteppedThreshold, StepsWhileInsideTheRangeAndMayEndOneStepPastIt)
{
    struct Case {
        SensorKind kind;
        SensorConfig config;  // max, min, threshold
        StepDirection direction;
        float expected;
    };
    const Case cases[] = {
            {SensorKind::Temperature, {1000, 300, 995, 1}, StepDirection::Up, 1005},
            {SensorKind::Temperature, {1000, 300, 1005, 1}, StepDirection::Up, 1005},
            {SensorKind::Temperature, {1000, 300, 1000, 1}, StepDirection::Up, 1000},
            {SensorKind::Temperature, {1000, 300, 600, 1}, StepDirection::Down, 590},
            {SensorKind::Temperature, {1000, 300, 305, 1}, StepDirection::Down, 295},
            {SensorKind::Temperature, {1000, 300, 300, 1}, StepDirection::Down, 300},
            {SensorKind::Voltage, {50, 1, 10, 1}, StepDirection::Up, 11},
            {SensorKind::Voltage, {50, 1, 1, 1}, StepDirection::Down, 1},
            {SensorKind::Fan, {5000, 0, 800, 1}, StepDirection::Down, 799},
            {SensorKind::Fan, {5000, 0, 5000, 1}, StepDirection::Up, 5000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SteppedThreshold(c.kind, c.config, c.direction), c.expected)
                << static_cast<int>(c.kind) << " " << c.config.Threshold;
    }
}

TEST(ThresholdButtonText, DegreesWithTheirTenthOrWholeFahrenheitAndOtherKindsAsTheNumber)
{
    struct Case {
        SensorKind kind;
        float threshold;
        TemperatureScale scale;
        const char* expected;
    };
    const Case cases[] = {
            {SensorKind::Temperature, 905, TemperatureScale::Celsius, "90.5"},
            {SensorKind::Temperature, 900, TemperatureScale::Celsius, "90"},
            {SensorKind::Temperature, 1005, TemperatureScale::Celsius, "100.5"},
            {SensorKind::Temperature, 905, TemperatureScale::Fahrenheit, "194"},
            {SensorKind::Temperature, 1000, TemperatureScale::Fahrenheit, "212"},
            {SensorKind::Voltage, 10, TemperatureScale::Fahrenheit, "10"},
            {SensorKind::Fan, 800, TemperatureScale::Celsius, "800"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThresholdButtonText(c.kind, c.threshold, c.scale), c.expected) << c.threshold;
}

}  // namespace
}  // namespace vantor::views
