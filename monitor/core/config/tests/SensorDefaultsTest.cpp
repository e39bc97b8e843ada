#include "config/SensorDefaults.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "config/tests/FakeConfigHardware.h"
#include "VantorHw.h"

namespace vantor::monitor {
namespace {

using test::Descriptor;
using test::FakeConfigHardware;

TEST(SensorDefaultsTest, TemperatureBandFromLimits)
{
    struct Case {
        std::uint32_t id;
        std::int32_t low;
        std::int32_t high;
        float expectedMin;
    };
    const Case cases[] = {
            {OC_ITEM_BOARD_TEMPERATURE, 900, 1250, 550.0f},  // 2 * 900 - 1250
            {OC_ITEM_CPU_TEMPERATURE, 900, 1250, 350.0f},    // the processor: fixed 35.0 degrees
            {OC_ITEM_BOARD_TEMPERATURE, 300, 1000, 300.0f},  // 2 * 300 - 1000 < 0: the low limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.low);
        const std::vector<SensorDescriptor> temps{Descriptor(c.id, "Board Temperature", c.low, c.high)};
        SensorConfiguration config = MakeSensorConfiguration({}, temps, {});
        FakeConfigHardware hardware;
        BuildDefaults(config, SensorKind::Temperature, hardware);
        const SensorConfig& sensor = config.Temperature.Configs[0];
        EXPECT_EQ(sensor.MinThreshold, c.expectedMin);
        EXPECT_EQ(sensor.MaxThreshold, static_cast<float>(c.high));
        EXPECT_EQ(sensor.Threshold, static_cast<float>(c.low));
        EXPECT_EQ(config.Temperature.EditThreshold[0], static_cast<float>(c.low));
        EXPECT_EQ(sensor.Enabled, 1);
        EXPECT_EQ(config.Temperature.EditEnabled[0], 1);
        EXPECT_STREQ(config.Temperature.ShortName[0].data(), "Board");
    }
}

TEST(SensorDefaultsTest, CoreVoltageIsAveragedAndOtherVoltagesUseTheirLimits)
{
    const std::vector<SensorDescriptor> volts{
            Descriptor(OC_ITEM_CORE_VOLTAGE, "Vcore Voltage", 1100, 1600),
            Descriptor(0x06020001, "+3.3 Voltage", 3000, 3600),
            Descriptor(0x06020002, "+12 Voltage", 11200, 13200),
            Descriptor(0x06020003, "-12 Voltage", -13201, -11200),
    };
    SensorConfiguration config = MakeSensorConfiguration(volts, {}, {});
    FakeConfigHardware hardware;
    // First read 1.0, every later one 2.0: each step halves the distance to 2.0.
    hardware.queuedReadings[OC_ITEM_CORE_VOLTAGE] = {1.0f};
    hardware.steadyReadings[OC_ITEM_CORE_VOLTAGE] = 2.0f;
    BuildDefaults(config, SensorKind::Voltage, hardware);

    EXPECT_EQ(hardware.reads, std::vector<std::uint32_t>(11, OC_ITEM_CORE_VOLTAGE));
    EXPECT_EQ(hardware.sleeps, std::vector<std::uint32_t>(10, 50));
    EXPECT_FLOAT_EQ(config.NominalVoltage[0], 2.0f - 1.0f / 1024.0f);
    EXPECT_FLOAT_EQ(config.NominalVoltage[1], 3.3f);
    EXPECT_FLOAT_EQ(config.NominalVoltage[2], 12.2f);
    // (-13201 + -11200) / 2 truncates toward zero: -12200 mV.
    EXPECT_FLOAT_EQ(config.NominalVoltage[3], -12.2f);
    for (std::size_t i = 0; i < volts.size(); ++i) {
        const SensorConfig& sensor = config.Voltage.Configs[i];
        EXPECT_EQ(sensor.MaxThreshold, 30.0f);
        EXPECT_EQ(sensor.MinThreshold, 1.0f);
        EXPECT_EQ(sensor.Threshold, 10.0f);
    }
    EXPECT_STREQ(config.Voltage.ShortName[0].data(), "Vcore");
    EXPECT_STREQ(config.Voltage.ShortName[1].data(), "+3.3");
}

TEST(SensorDefaultsTest, IntelPowerSavingWidensOnlyTheCoreVoltageBand)
{
    const std::vector<SensorDescriptor> volts{Descriptor(OC_ITEM_CORE_VOLTAGE, "Vcore Voltage", 1100, 1600),
                                              Descriptor(0x06020001, "+5 Voltage", 4500, 5500)};
    for (const bool powerSaving : {false, true}) {
        SensorConfiguration config = MakeSensorConfiguration(volts, {}, {});
        FakeConfigHardware hardware;
        hardware.intelPowerSaving = powerSaving;
        BuildDefaults(config, SensorKind::Voltage, hardware);
        const float expected = powerSaving ? 20.0f : 10.0f;
        EXPECT_EQ(config.Voltage.Configs[0].Threshold, expected);
        EXPECT_EQ(config.Voltage.EditThreshold[0], expected);
        EXPECT_EQ(config.Voltage.Configs[1].Threshold, 10.0f);
    }
}

TEST(SensorDefaultsTest, FanDefaultsAndEditName)
{
    const std::vector<SensorDescriptor> fans{Descriptor(OC_ITEM_CPU_FAN, "CPU FAN Speed", 0, 7000),
                                             Descriptor(OC_ITEM_CHASSIS_FAN, "CHASSIS FAN Speed", 0, 7000)};
    SensorConfiguration config = MakeSensorConfiguration({}, {}, fans);
    FakeConfigHardware hardware;
    BuildDefaults(config, SensorKind::Fan, hardware);
    for (std::size_t i = 0; i < fans.size(); ++i) {
        EXPECT_EQ(config.Fan.Configs[i].MaxThreshold, 20000.0f);
        EXPECT_EQ(config.Fan.Configs[i].MinThreshold, 800.0f);
        EXPECT_EQ(config.Fan.Configs[i].Threshold, 800.0f);
        EXPECT_EQ(config.Fan.EditThreshold[i], 800.0f);
    }
    EXPECT_STREQ(config.Fan.ShortName[1].data(), "CHASSIS");
    EXPECT_STREQ(config.Fan.EditFanName[1].data(), "CHASSIS");
    EXPECT_TRUE(hardware.reads.empty());
}

TEST(SensorDefaultsTest, ShortNames)
{
    struct Case {
        const char* name;
        SensorKind kind;
        const char* expected;
    };
    const Case cases[] = {
            {"Vcore Voltage", SensorKind::Voltage, "Vcore"},
            {"CPU Temperature", SensorKind::Temperature, "CPU"},
            {"CHASSIS FAN Speed", SensorKind::Fan, "CHASSIS"},
            {"CPU Fan Speed", SensorKind::Fan, ""},                           // the suffix is case-sensitive
            {"Vcore", SensorKind::Voltage, ""},                               // no suffix at all
            {"Northbridge Chip Temp", SensorKind::Temperature, "Northbrid"},  // cut to 9 characters
            {"A Temp B Temp", SensorKind::Temperature, "A"},                  // up to the first suffix
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<SensorDescriptor> descriptors{Descriptor(0x06000000, c.name, 0, 100)};
        const std::span<const SensorDescriptor> all(descriptors);
        const std::span<const SensorDescriptor> none;
        SensorConfiguration config = MakeSensorConfiguration(c.kind == SensorKind::Voltage ? all : none,
                                                             c.kind == SensorKind::Temperature ? all : none,
                                                             c.kind == SensorKind::Fan ? all : none);
        FakeConfigHardware hardware;
        BuildDefaults(config, c.kind, hardware);
        EXPECT_STREQ(config.Table(c.kind).ShortName[0].data(), c.expected);
    }
}

}  // namespace
}  // namespace vantor::monitor
