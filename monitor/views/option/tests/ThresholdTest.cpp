#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "option/SensorRowText.h"
#include "option/ThresholdEntry.h"
#include "option/ThresholdKnob.h"
#include "option/ThresholdText.h"

namespace vantor::views {
namespace {

using monitor::SensorConfig;
using monitor::SensorKind;
using monitor::TemperatureScale;

constexpr SensorConfig kTemperatureLimits{.MaxThreshold = 1250, .MinThreshold = 550};
constexpr SensorConfig kVoltageLimits{.MaxThreshold = 30, .MinThreshold = 1};
constexpr SensorConfig kFanLimits{.MaxThreshold = 20000, .MinThreshold = 800};

TEST(ThresholdTest, ShowsThresholdsInTheCommittedScale)
{
    struct Case {
        SensorKind kind;
        float threshold;
        TemperatureScale scale;
        const char* text;
    };
    const Case cases[] = {
            {SensorKind::Temperature, 900, TemperatureScale::Celsius, "90"},
            {SensorKind::Temperature, 900, TemperatureScale::Fahrenheit, "194"},
            {SensorKind::Temperature, 899.9f, TemperatureScale::Celsius, "89"},
            {SensorKind::Temperature, -55, TemperatureScale::Celsius, "-5"},
            {SensorKind::Temperature, -55, TemperatureScale::Fahrenheit, "23"},
            {SensorKind::Voltage, 10, TemperatureScale::Fahrenheit, "10"},
            {SensorKind::Voltage, 10.5f, TemperatureScale::Celsius, "11"},
            {SensorKind::Fan, 1500.9f, TemperatureScale::Fahrenheit, "1500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ThresholdDisplayText(c.kind, c.threshold, c.scale), c.text);
    }
    EXPECT_EQ(ThresholdUnitText(SensorKind::Temperature, TemperatureScale::Celsius), "C");
    EXPECT_EQ(ThresholdUnitText(SensorKind::Temperature, TemperatureScale::Fahrenheit), "F");
    EXPECT_EQ(ThresholdUnitText(SensorKind::Voltage, TemperatureScale::Fahrenheit), "%");
    EXPECT_EQ(ThresholdUnitText(SensorKind::Fan, TemperatureScale::Celsius), "rpm");
}

TEST(ThresholdTest, FahrenheitEntriesStoreWholeDegreesCelsius)
{
    EXPECT_EQ(ThresholdFromDisplayNumber(SensorKind::Temperature, 194, TemperatureScale::Fahrenheit), 900.0f);
    EXPECT_EQ(ThresholdFromDisplayNumber(SensorKind::Temperature, 100, TemperatureScale::Fahrenheit), 380.0f);
    EXPECT_EQ(ThresholdFromDisplayNumber(SensorKind::Temperature, -40, TemperatureScale::Fahrenheit), -400.0f);
    EXPECT_EQ(ThresholdFromDisplayNumber(SensorKind::Temperature, 90, TemperatureScale::Celsius), 900.0f);
    EXPECT_EQ(ThresholdFromDisplayNumber(SensorKind::Voltage, 15, TemperatureScale::Fahrenheit), 15.0f);
    EXPECT_EQ(ThresholdFromDisplayNumber(SensorKind::Fan, 1500, TemperatureScale::Celsius), 1500.0f);

    // Whatever the window shows can be typed back unchanged, and a typed
    // number comes back at most one degree off (Fahrenheit is the finer scale).
    for (int celsius = -60; celsius <= 150; ++celsius) {
        const std::string shown =
                ThresholdDisplayText(SensorKind::Temperature, celsius * 10.0f, TemperatureScale::Fahrenheit);
        const float stored =
                ThresholdFromDisplayNumber(SensorKind::Temperature, std::stoi(shown), TemperatureScale::Fahrenheit);
        EXPECT_EQ(ThresholdDisplayText(SensorKind::Temperature, stored, TemperatureScale::Fahrenheit), shown);
    }
    for (int typed = -76; typed <= 302; ++typed) {
        const float stored = ThresholdFromDisplayNumber(SensorKind::Temperature, typed, TemperatureScale::Fahrenheit);
        EXPECT_LE(
                std::abs(ThresholdDisplayNumber(SensorKind::Temperature, stored, TemperatureScale::Fahrenheit) - typed),
                1)
                << typed;
    }
}

TEST(ThresholdTest, TakesOnlyWholeNumbersWithinTheSensorsLimits)
{
    struct Case {
        SensorKind kind;
        TemperatureScale scale;
        SensorConfig limits;
        const char* text;
        float stored;         // NaN: refused
        const char* message;  // a part of the refusal
    };
    const float refused = std::numeric_limits<float>::quiet_NaN();
    const SensorConfig oddMinimum{.MaxThreshold = 1250, .MinThreshold = 355};
    const SensorConfig inverted{.MaxThreshold = 500, .MinThreshold = 1000};
    const SensorConfig unknown{.MaxThreshold = refused, .MinThreshold = refused};
    const Case cases[] = {
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "90", 900, ""},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "55", 550, ""},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "125", 1250, ""},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "54", refused, "from 55 to 125 C"},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "126", refused,
             "126 C is out of range"},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "", refused, "is empty"},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "9x", refused,
             "\"9x\" is not a number"},
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "9.5", refused, "not a number"},
            {SensorKind::Temperature, TemperatureScale::Fahrenheit, kTemperatureLimits, "194", 900, ""},
            {SensorKind::Temperature, TemperatureScale::Fahrenheit, kTemperatureLimits, "131", 550, ""},
            {SensorKind::Temperature, TemperatureScale::Fahrenheit, kTemperatureLimits, "257", 1250, ""},
            {SensorKind::Temperature, TemperatureScale::Fahrenheit, kTemperatureLimits, "130", refused,
             "from 131 to 257 F"},
            {SensorKind::Temperature, TemperatureScale::Fahrenheit, kTemperatureLimits, "258", refused,
             "from 131 to 257 F"},
            // 35 C would store 350, below the minimum of 35.5 C.
            {SensorKind::Temperature, TemperatureScale::Celsius, oddMinimum, "35", refused, "from 36 to 125 C"},
            {SensorKind::Voltage, TemperatureScale::Celsius, kVoltageLimits, "20", 20, ""},
            {SensorKind::Voltage, TemperatureScale::Celsius, kVoltageLimits, "0", refused, "from 1 to 30 %"},
            {SensorKind::Voltage, TemperatureScale::Celsius, kVoltageLimits, "31", refused, "from 1 to 30 %"},
            {SensorKind::Fan, TemperatureScale::Celsius, kFanLimits, "20000", 20000, ""},
            {SensorKind::Fan, TemperatureScale::Celsius, kFanLimits, "799", refused, "from 800 to 20000 rpm"},
            {SensorKind::Fan, TemperatureScale::Celsius, kFanLimits, "99999999999", refused, "not a number"},
            {SensorKind::Fan, TemperatureScale::Celsius, inverted, "700", refused, "no valid range"},
            {SensorKind::Fan, TemperatureScale::Celsius, unknown, "700", refused, "no valid range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with " + ThresholdUnitText(c.kind, c.scale));
        const ThresholdEntry entry = ReadThresholdEntry(c.text, {.kind = c.kind, .scale = c.scale, .limits = c.limits});
        if (std::isnan(c.stored)) {
            EXPECT_FALSE(entry.threshold.has_value());
            EXPECT_NE(entry.refusal.find(c.message), std::string::npos) << entry.refusal;
        } else {
            EXPECT_EQ(entry.threshold, c.stored);
            EXPECT_EQ(entry.refusal, "");
        }
    }
}

// The line shown while a threshold is typed names exactly the numbers the
// field then accepts, in the scale it shows.
TEST(ThresholdTest, RangeLineNamesTheAcceptedNumbers)
{
    struct Case {
        SensorKind kind;
        TemperatureScale scale;
        SensorConfig limits;
        const char* line;
    };
    const Case cases[] = {
            {SensorKind::Temperature, TemperatureScale::Celsius, kTemperatureLimits, "Threshold 55 to 125 C"},
            {SensorKind::Temperature, TemperatureScale::Fahrenheit, kTemperatureLimits, "Threshold 131 to 257 F"},
            {SensorKind::Temperature,
             TemperatureScale::Celsius,
             {.MaxThreshold = 1250, .MinThreshold = 355},
             "Threshold 36 to 125 C"},
            {SensorKind::Fan, TemperatureScale::Celsius, kFanLimits, "Threshold 800 to 20000 rpm"},
            {SensorKind::Fan, TemperatureScale::Celsius, {.MaxThreshold = 500, .MinThreshold = 1000}, ""},
    };
    for (const Case& c : cases) {
        const ThresholdField field{.kind = c.kind, .scale = c.scale, .limits = c.limits};
        EXPECT_EQ(ThresholdRangeText(field), c.line);
    }
}

TEST(ThresholdTest, EditKeepsTheEntryValueUntilATypedTextIsAcceptable)
{
    const ThresholdField voltage{.kind = SensorKind::Voltage, .limits = kVoltageLimits};
    ThresholdEdit edit;
    edit.Enter(10);

    // A text the window sets itself is no typing.
    EXPECT_EQ(edit.Changed("25", voltage), std::nullopt);

    const std::pair<const char*, float> typing[] = {{"3", 3}, {"30", 30}, {"300", 10}, {"", 10}, {"2", 2}};
    for (const auto& [text, stored] : typing) {
        SCOPED_TRACE(text);
        edit.KeyTyped();
        EXPECT_EQ(edit.Changed(text, voltage), stored);
    }
    EXPECT_FALSE(edit.Leave("2", voltage).has_value());

    edit.Enter(10);
    edit.KeyTyped();
    EXPECT_EQ(edit.Changed("300", voltage), 10.0f);
    const std::optional<ThresholdEdit::Refusal> refusal = edit.Leave("300", voltage);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->restoredText, "10");
    EXPECT_NE(refusal->message.find("from 1 to 30 %"), std::string::npos) << refusal->message;
}

TEST(ThresholdTest, FahrenheitEntryOf194StoresNinetyDegreesAndShowsItBack)
{
    const ThresholdField field{
            .kind = SensorKind::Temperature, .scale = TemperatureScale::Fahrenheit, .limits = kTemperatureLimits};
    ThresholdEdit edit;
    edit.Enter(600);
    edit.KeyTyped();
    const std::optional<float> stored = edit.Changed("194", field);
    ASSERT_EQ(stored, 900.0f);
    EXPECT_EQ(ThresholdDisplayText(SensorKind::Temperature, *stored, TemperatureScale::Fahrenheit), "194");
}

TEST(ThresholdTest, KnobEndsAreTheLimits)
{
    for (const SensorConfig& limits :
         {kTemperatureLimits, kVoltageLimits, kFanLimits, SensorConfig{.MaxThreshold = 1000, .MinThreshold = 300.5f}}) {
        SCOPED_TRACE(limits.MaxThreshold);
        EXPECT_EQ(ThresholdAtKnob(kKnobLeftMin, limits), limits.MinThreshold);
        EXPECT_EQ(ThresholdAtKnob(kKnobLeftMax, limits), limits.MaxThreshold);
        EXPECT_EQ(ThresholdAtKnob(kKnobLeftMin - 30, limits), limits.MinThreshold);
        EXPECT_EQ(ThresholdAtKnob(kKnobLeftMax + 30, limits), limits.MaxThreshold);
        EXPECT_EQ(KnobLeftFor(limits.MinThreshold, limits), kKnobLeftMin);
        EXPECT_EQ(KnobLeftFor(limits.MaxThreshold, limits), kKnobLeftMax);
        // A knob let go where it was dragged stays within a pixel of it.
        for (int left = kKnobLeftMin; left <= kKnobLeftMax; ++left) {
            const float threshold = ThresholdAtKnob(left, limits);
            EXPECT_GE(threshold, limits.MinThreshold);
            EXPECT_LE(threshold, limits.MaxThreshold);
            EXPECT_LE(std::abs(KnobLeftFor(threshold, limits) - left), 1) << left;
        }
    }
}

TEST(ThresholdTest, KnobFollowsTheThresholdInWholePercent)
{
    EXPECT_EQ(KnobLeftFor(900, kTemperatureLimits), 427);         // half way: 32.5 pixels, truncated
    EXPECT_EQ(ThresholdAtKnob(427, kTemperatureLimits), 893.0f);  // 49 percent of 700 above 550
    EXPECT_EQ(KnobLeftFor(2000, kTemperatureLimits), kKnobLeftMax);
    EXPECT_EQ(KnobLeftFor(0, kTemperatureLimits), kKnobLeftMin);
    EXPECT_EQ(KnobLeftFor(std::nanf(""), kTemperatureLimits), kKnobLeftMin);

    const SensorConfig single{.MaxThreshold = 500, .MinThreshold = 500};
    EXPECT_EQ(KnobLeftFor(500, single), kKnobLeftMin);
    EXPECT_EQ(ThresholdAtKnob(kKnobLeftMax, single), 500.0f);
}

TEST(ThresholdTest, RowReadingTexts)
{
    EXPECT_EQ(NominalText(SensorKind::Voltage, 3.3f), "3.30");
    EXPECT_EQ(NominalText(SensorKind::Temperature, 3.3f), "");
    EXPECT_EQ(NominalRangeText(0.8f, 1.35f), "0.800 - 1.350");
    EXPECT_EQ(CurrentValueText(SensorKind::Voltage, 12.188f, TemperatureScale::Fahrenheit), "12.19");
    EXPECT_EQ(CurrentValueText(SensorKind::Voltage, -11.996f, TemperatureScale::Celsius), "-12.00");
    EXPECT_EQ(CurrentValueText(SensorKind::Temperature, 45.6f, TemperatureScale::Celsius), "46");
    EXPECT_EQ(CurrentValueText(SensorKind::Temperature, 45.6f, TemperatureScale::Fahrenheit), "113");
    EXPECT_EQ(CurrentValueText(SensorKind::Fan, 1234.4f, TemperatureScale::Celsius), "1234");
}

}  // namespace
}  // namespace vantor::views
