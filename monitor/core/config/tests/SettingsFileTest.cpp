#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "config/tests/FakeConfigHardware.h"
#include "VantorHw.h"
#include "config/MemoryProfileStore.h"
#include "config/SensorDefaults.h"

namespace vantor::monitor {
namespace {

using test::Descriptor;
using test::FakeConfigHardware;

constexpr const char* kDatPath = "C:\\Program Files\\Vantor\\vantor.dat";
constexpr const char* kProfilePath = "C:\\Users\\me\\quiet.vtp";

// Two temperatures, one voltage and one fan, with their defaults built.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hardware.steadyReadings[OC_ITEM_CORE_VOLTAGE] = 1.35f;
        hardware.steadyReadings[OC_ITEM_CPU_FAN] = 2410.0f;
        for (const SensorKind kind : {SensorKind::Temperature, SensorKind::Voltage, SensorKind::Fan})
            BuildDefaults(config, kind, hardware);
    }

    CommitResult Load(const char* path) { return LoadSettings(store, path, config, hardware, {}); }

    std::vector<SensorDescriptor> temps{Descriptor(OC_ITEM_CPU_TEMPERATURE, "CPU Temperature", 600, 1250),
                                        Descriptor(OC_ITEM_BOARD_TEMPERATURE, "MB Temperature", 450, 900)};
    std::vector<SensorDescriptor> volts{Descriptor(OC_ITEM_CORE_VOLTAGE, "Vcore Voltage", 1100, 1600)};
    std::vector<SensorDescriptor> fans{Descriptor(OC_ITEM_CPU_FAN, "CPU FAN Speed", 0, 7000)};
    SensorConfiguration config = MakeSensorConfiguration(volts, temps, fans);
    FakeConfigHardware hardware;
    MemoryProfileStore store;
};

constexpr const char* kDefaultFile = "[OPTION_SENSOR]\r\n"
                                     "Temp0Enable=1\r\n"
                                     "Temp0Threshold=600\r\n"
                                     "Temp1Enable=1\r\n"
                                     "Temp1Threshold=450\r\n"
                                     "Volt0Enable=1\r\n"
                                     "Volt0Threshold=10\r\n"
                                     "Fan0Enable=1\r\n"
                                     "Fan0Threshold=800\r\n"
                                     "Fan0SensorName=CPU\r\n"
                                     "[OPTION_SETTING]\r\n"
                                     "nrTempScale=1\r\n"
                                     "bEnableAlert=1\r\n"
                                     "bEnableMBox=1\r\n"
                                     "bEnableSound=1\r\n"
                                     "bEnableKelvane=0\r\n"
                                     "bEnableChKelvane=0\r\n"
                                     "nVolume=60\r\n"
                                     "tmrGetSensorAll=5000\r\n"
                                     "nKelvaneTargetIdx=0\r\n"
                                     "nChKelvaneTargetIdx=0\r\n";

TEST_F(SettingsFileTest, WritesSectionsKeysAndValuesInOrder)
{
    EXPECT_EQ(SaveSettings(store, kDatPath, config), std::nullopt);
    EXPECT_EQ(store.FileText(kDatPath), kDefaultFile);
}

TEST_F(SettingsFileTest, WritesCommittedValuesNotEditsAndReplacesInPlace)
{
    store.SetFileText(kDatPath, "[OPTION_SETTING]\r\nnVolume=10\r\nUserKey=kept\r\n");
    config.Temperature.Configs[0].Threshold = 855.9f;  // truncated
    config.Temperature.Configs[1].Enabled = 0;
    config.Temperature.EditThreshold[1] = 123.0f;  // an edit: not written
    config.Committed.Scale = TemperatureScale::Fahrenheit;
    config.Committed.EnableKelvane = true;
    config.Committed.Volume = 35;
    config.Committed.PollingIntervalMs = 2000;
    config.Committed.KelvaneTargetIdx = 3;
    ASSERT_EQ(SaveSettings(store, kDatPath, config), std::nullopt);
    EXPECT_EQ(store.FileText(kDatPath), "[OPTION_SETTING]\r\n"
                                        "nVolume=35\r\n"
                                        "UserKey=kept\r\n"
                                        "nrTempScale=2\r\n"
                                        "bEnableAlert=1\r\n"
                                        "bEnableMBox=1\r\n"
                                        "bEnableSound=1\r\n"
                                        "bEnableKelvane=1\r\n"
                                        "bEnableChKelvane=0\r\n"
                                        "tmrGetSensorAll=2000\r\n"
                                        "nKelvaneTargetIdx=3\r\n"
                                        "nChKelvaneTargetIdx=0\r\n"
                                        "[OPTION_SENSOR]\r\n"
                                        "Temp0Enable=1\r\n"
                                        "Temp0Threshold=855\r\n"
                                        "Temp1Enable=0\r\n"
                                        "Temp1Threshold=450\r\n"
                                        "Volt0Enable=1\r\n"
                                        "Volt0Threshold=10\r\n"
                                        "Fan0Enable=1\r\n"
                                        "Fan0Threshold=800\r\n"
                                        "Fan0SensorName=CPU\r\n");
}

TEST_F(SettingsFileTest, RefusedWriteStopsWithTheError)
{
    store.SetFileText(kDatPath, "");
    store.SetReadOnly(kDatPath, true);
    EXPECT_EQ(SaveSettings(store, kDatPath, config), "Unable to write to " + std::string(kDatPath));
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST_F(SettingsFileTest, RoundTripThroughAProfile)
{
    config.Temperature.Configs[1].Threshold = 700.0f;
    config.Voltage.Configs[0].Enabled = 0;
    CopyCut("Pump", config.Fan.ShortName[0]);
    config.Committed.EnableSound = false;
    config.Committed.EnableChKelvane = true;
    config.Committed.Volume = 42;
    config.Committed.PollingIntervalMs = 7000;
    ASSERT_EQ(SaveSettings(store, kProfilePath, config), std::nullopt);
    const std::string written = store.FileText(kProfilePath);

    SensorConfiguration loaded = MakeSensorConfiguration(volts, temps, fans);
    for (const SensorKind kind : {SensorKind::Temperature, SensorKind::Voltage, SensorKind::Fan})
        BuildDefaults(loaded, kind, hardware);
    LoadSettings(store, kProfilePath, loaded, hardware, {});
    EXPECT_EQ(loaded.Temperature.Configs[1].Threshold, 700.0f);
    EXPECT_EQ(loaded.Voltage.Configs[0].Enabled, 0);
    EXPECT_STREQ(loaded.Fan.ShortName[0].data(), "Pump");
    EXPECT_STREQ(loaded.Fan.EditFanName[0].data(), "Pump");
    EXPECT_FALSE(loaded.Committed.EnableSound);
    EXPECT_TRUE(loaded.Committed.EnableChKelvane);
    EXPECT_EQ(loaded.Committed.Volume, 42);
    EXPECT_EQ(loaded.Committed.PollingIntervalMs, 7000);
    EXPECT_EQ(loaded.Edit.IntervalField, "7");

    ASSERT_EQ(SaveSettings(store, kProfilePath, loaded), std::nullopt);
    EXPECT_EQ(store.FileText(kProfilePath), written);
}

TEST_F(SettingsFileTest, MissingFileTakesDefaultsAndStillFanIsOff)
{
    hardware.steadyReadings[OC_ITEM_CPU_FAN] = 0.0f;
    const CommitResult result = Load(kDatPath);
    EXPECT_FALSE(result.Aborted);
    EXPECT_EQ(config.Fan.Configs[0].Enabled, 0);
    EXPECT_EQ(config.Fan.EditEnabled[0], 0);
    EXPECT_EQ(config.Temperature.Configs[0].Enabled, 1);
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 600.0f);
    EXPECT_EQ(config.Voltage.Configs[0].Enabled, 1);
    EXPECT_EQ(config.Committed.Scale, TemperatureScale::Celsius);
    EXPECT_EQ(config.Committed.Volume, 60);
    EXPECT_EQ(config.Committed.PollingIntervalMs, 5000);
    EXPECT_TRUE(config.Committed.EnableAlert);
    EXPECT_FALSE(config.StartupPhase);
    EXPECT_FALSE(store.FileExists(kDatPath));  // loading never writes
}

TEST_F(SettingsFileTest, RunningFanIsOnAndCoreVoltageFollowsCoolnQuiet)
{
    struct Case {
        bool coolnQuiet;
        bool voltRangeKnown;
        std::uint8_t expectedCoreEnabled;
    };
    const Case cases[] = {{false, false, 1}, {true, true, 1}, {true, false, 0}};
    for (const Case& c : cases) {
        hardware.coolnQuiet = c.coolnQuiet;
        hardware.cpuVoltRangeKnown = c.voltRangeKnown;
        Load(kDatPath);
        EXPECT_EQ(config.Voltage.Configs[0].Enabled, c.expectedCoreEnabled);
        EXPECT_EQ(config.Fan.Configs[0].Enabled, 1);  // reads 2410 rpm
    }
    // A key in the file wins over the hardware default.
    store.SetFileText(kDatPath, "[OPTION_SENSOR]\r\nVolt0Enable=1\r\n");
    Load(kDatPath);
    EXPECT_EQ(config.Voltage.Configs[0].Enabled, 1);
}

TEST_F(SettingsFileTest, DamagedValuesFallBackAndThresholdsAreClamped)
{
    store.SetFileText(kDatPath,
                      "[OPTION_SENSOR]\r\n"
                      "Temp0Enable=yes\r\n"
                      "Temp0Threshold=12.5\r\n"
                      "Temp1Enable=7\r\n"
                      "Temp1Threshold=5000\r\n"  // above MaxThreshold 900
                      "Volt0Threshold=-4\r\n"    // below MinThreshold 1
                      "Fan0Enable=0\r\n"
                      "Fan0Threshold=99999999999\r\n"
                      "Fan0SensorName=Radiator Pump\r\n"
                      "[OPTION_SETTING]\r\n"
                      "nrTempScale=9\r\n"
                      "bEnableAlert=\r\n"
                      "bEnableMBox=0\r\n"
                      "nVolume=250\r\n");
    Load(kDatPath);
    EXPECT_EQ(config.Temperature.Configs[0].Enabled, 1);
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 600.0f);
    EXPECT_EQ(config.Temperature.Configs[1].Enabled, 1);
    EXPECT_EQ(config.Temperature.Configs[1].Threshold, 900.0f);
    EXPECT_EQ(config.Voltage.Configs[0].Threshold, 1.0f);
    EXPECT_EQ(config.Fan.Configs[0].Enabled, 0);
    EXPECT_EQ(config.Fan.Configs[0].Threshold, 800.0f);
    EXPECT_STREQ(config.Fan.ShortName[0].data(), "Radiator ");  // 9 characters
    EXPECT_EQ(config.Committed.Scale, TemperatureScale::Celsius);
    EXPECT_TRUE(config.Committed.EnableAlert);
    EXPECT_FALSE(config.Committed.EnableMBox);
    EXPECT_EQ(config.Committed.Volume, 99);
}

TEST_F(SettingsFileTest, AlertingOffClearsMessageAndSound)
{
    store.SetFileText(kDatPath, "[OPTION_SETTING]\r\nbEnableAlert=0\r\nbEnableMBox=1\r\nbEnableSound=1\r\n");
    const CommitResult result = Load(kDatPath);
    EXPECT_FALSE(config.Committed.EnableAlert);
    EXPECT_FALSE(config.Committed.EnableMBox);
    EXPECT_FALSE(config.Committed.EnableSound);
    const AlertControls controls = AlertControlsFor(config);
    EXPECT_FALSE(controls.MessageAndSoundChecks);
    EXPECT_FALSE(controls.VolumeControls);
    ASSERT_FALSE(result.Effects.empty());
    EXPECT_EQ(result.Effects.back().Kind, ConfigEffectKind::MarkUnchanged);
}

TEST_F(SettingsFileTest, PollingIntervalIsWholeSecondsWithinOneToHundredTwenty)
{
    struct Case {
        const char* stored;
        std::int32_t expectedMs;
    };
    const Case cases[] = {
            {"2500", 2000},  {"5000", 5000},     {"0", 1000},    {"500", 1000},
            {"-3000", 1000}, {"999999", 120000}, {"fast", 5000}, {"", 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        store.SetFileText(kDatPath, std::string("[OPTION_SETTING]\r\ntmrGetSensorAll=") + c.stored + "\r\n");
        const CommitResult result = Load(kDatPath);
        EXPECT_EQ(config.Committed.PollingIntervalMs, c.expectedMs);
        const ConfigEffect expected{ConfigEffectKind::SetReadingInterval, c.expectedMs};
        EXPECT_NE(std::find(result.Effects.begin(), result.Effects.end(), expected), result.Effects.end());
    }
}

TEST_F(SettingsFileTest, FanControlSwitchesComeFromHardwareOnlyForVantorDat)
{
    const char* fileText = "[OPTION_SETTING]\r\nbEnableKelvane=1\r\nbEnableChKelvane=0\r\n";
    hardware.kelvaneInfo[OC_ITEM_CPU_KELVANE] = 1;      // off
    hardware.kelvaneInfo[OC_ITEM_CHASSIS_KELVANE] = 2;  // on
    struct Case {
        const char* path;
        bool expectedCpu;
        bool expectedChassis;
    };
    const Case cases[] = {
            {"C:\\Vantor\\vantor.dat", false, true},
            {"C:\\Vantor\\VANTOR.DAT", true, false},  // the name test is case-sensitive
            {"C:\\Vantor\\mine.vtp", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        store.SetFileText(c.path, fileText);
        Load(c.path);
        EXPECT_EQ(config.Committed.EnableKelvane, c.expectedCpu);
        EXPECT_EQ(config.Committed.EnableChKelvane, c.expectedChassis);
        EXPECT_EQ(config.Edit.EnableKelvane, c.expectedCpu);
    }
    // A profile without the switches turns both off.
    store.SetFileText(kProfilePath, "");
    Load(kProfilePath);
    EXPECT_FALSE(config.Committed.EnableKelvane);
    EXPECT_FALSE(config.Committed.EnableChKelvane);
}

}  // namespace
}  // namespace vantor::monitor
