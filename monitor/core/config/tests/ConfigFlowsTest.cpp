#include "config/ConfigFlows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/tests/FakeConfigHardware.h"
#include "VantorHw.h"
#include "config/MemoryProfileStore.h"
#include "config/SensorDefaults.h"
#include "config/SettingsFile.h"

namespace vantor::monitor {
namespace {

using test::Descriptor;
using test::FakeConfigHardware;

constexpr const char* kDatPath = "C:\\Vantor\\vantor.dat";

bool Has(const ConfigEffects& effects, ConfigEffectKind kind)
{
    return std::any_of(effects.begin(), effects.end(), [kind](const ConfigEffect& e) { return e.Kind == kind; });
}

// One sensor of each kind, loaded from an empty settings file as at start.
class ConfigFlowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hardware.steadyReadings[OC_ITEM_CORE_VOLTAGE] = 1.3f;
        hardware.steadyReadings[OC_ITEM_CPU_FAN] = 2000.0f;
        for (const SensorKind kind : {SensorKind::Temperature, SensorKind::Voltage, SensorKind::Fan})
            BuildDefaults(config, kind, hardware);
        LoadSettings(store, kDatPath, config, hardware, CountingHook());
        ASSERT_FALSE(config.StartupPhase);
        ASSERT_EQ(hookCalls, 0);  // no fan-control calls before the settings are loaded
    }

    FanControlCommit CountingHook(bool abort = false)
    {
        return [this, abort] {
            ++hookCalls;
            return abort;
        };
    }

    Confirm Answer(bool ok)
    {
        return [this, ok](std::string_view question) {
            questions.emplace_back(question);
            return ok;
        };
    }

    // Edits on every kind and the settings page.
    void EditEverything()
    {
        config.Temperature.EditThreshold[0] = 5000.0f;  // above MaxThreshold 1250
        config.Temperature.EditEnabled[0] = 0;
        config.Voltage.EditThreshold[0] = 0.5f;  // below MinThreshold 1
        CopyCut("  Pump ", config.Fan.EditFanName[0]);
        config.Fan.EditThreshold[0] = 1200.0f;
        config.Edit.Scale = TemperatureScale::Fahrenheit;
        config.Edit.EnableSound = false;
        config.Edit.EnableKelvane = true;
        config.Edit.IntervalField = "250";
        config.Edit.VolumeField = "75";
    }

    std::vector<SensorDescriptor> temps{Descriptor(OC_ITEM_CPU_TEMPERATURE, "CPU Temperature", 700, 1250)};
    std::vector<SensorDescriptor> volts{Descriptor(OC_ITEM_CORE_VOLTAGE, "Vcore Voltage", 1100, 1600)};
    std::vector<SensorDescriptor> fans{Descriptor(OC_ITEM_CPU_FAN, "CPU FAN Speed", 0, 7000)};
    SensorConfiguration config = MakeSensorConfiguration(volts, temps, fans);
    FakeConfigHardware hardware;
    MemoryProfileStore store;
    int hookCalls = 0;
    std::vector<std::string> questions;
};

TEST_F(ConfigFlowsTest, ApplyCommitsClampedEditsCallsTheHookAndSaves)
{
    EditEverything();
    const FlowResult result = ApplyFlow(config, store, kDatPath, Answer(true), CountingHook());
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(result.Error, std::nullopt);
    EXPECT_EQ(questions, std::vector<std::string>{"Do you want to apply current setting?"});
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 1250.0f);
    EXPECT_EQ(config.Temperature.Configs[0].Enabled, 0);
    EXPECT_EQ(config.Voltage.Configs[0].Threshold, 1.0f);
    EXPECT_STREQ(config.Fan.ShortName[0].data(), "  Pump ");  // copied untrimmed
    EXPECT_EQ(config.Fan.Configs[0].Threshold, 1200.0f);
    EXPECT_EQ(config.Committed.Scale, TemperatureScale::Fahrenheit);
    EXPECT_FALSE(config.Committed.EnableSound);
    EXPECT_TRUE(config.Committed.EnableKelvane);
    EXPECT_EQ(config.Edit.IntervalField, "120");
    EXPECT_EQ(config.Committed.PollingIntervalMs, 120000);
    EXPECT_EQ(config.Committed.Volume, 75);

    const ConfigEffects& effects = result.Effects;
    EXPECT_EQ(effects.front(), (ConfigEffect{ConfigEffectKind::SetReadingInterval, 120000}));
    EXPECT_TRUE(Has(effects, ConfigEffectKind::WriteFanControl));
    EXPECT_NE(std::find(effects.begin(), effects.end(), ConfigEffect{ConfigEffectKind::SetWaveVolume, 75}),
              effects.end());
    EXPECT_EQ(effects.back().Kind, ConfigEffectKind::MarkUnchanged);
    EXPECT_TRUE(Has(effects, ConfigEffectKind::PostFanSettingsChanged));
    EXPECT_EQ(store.ReadString(kDatPath, "OPTION_SENSOR", "Temp0Threshold", ""), "1250");
    EXPECT_EQ(store.ReadString(kDatPath, "OPTION_SENSOR", "Fan0SensorName", ""), "Pump");  // trimmed on read
}

TEST_F(ConfigFlowsTest, BlankFanNameKeepsTheStoredName)
{
    for (const char* blank : {"", "   ", "\t "}) {
        SCOPED_TRACE(blank);
        CopyCut(blank, config.Fan.EditFanName[0]);
        EXPECT_FALSE(CommitEdits(config, CountingHook()).Aborted);
        EXPECT_STREQ(config.Fan.ShortName[0].data(), "CPU");
    }
    // Longer names are cut to the 9 characters the name buffer holds.
    CopyCut("Water Pump Inlet", config.Fan.EditFanName[0]);
    CommitEdits(config, CountingHook());
    EXPECT_STREQ(config.Fan.ShortName[0].data(), "Water Pum");
}

TEST_F(ConfigFlowsTest, AbortedFanControlLeavesEverythingUnchanged)
{
    EditEverything();
    const SensorConfiguration before = config;
    const FlowResult result = ApplyFlow(config, store, kDatPath, Answer(true), CountingHook(true));
    EXPECT_EQ(hookCalls, 1);
    EXPECT_FALSE(result.Completed);
    EXPECT_TRUE(result.Effects.empty());  // the Apply image stays "changed"
    EXPECT_FALSE(store.FileExists(kDatPath));
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, before.Temperature.Configs[0].Threshold);
    EXPECT_EQ(config.Temperature.EditThreshold[0], 5000.0f);
    EXPECT_STREQ(config.Fan.ShortName[0].data(), "CPU");
    EXPECT_EQ(config.Committed.Scale, TemperatureScale::Celsius);
    EXPECT_EQ(config.Committed.PollingIntervalMs, 5000);
    EXPECT_EQ(config.Edit.VolumeField, "75");
}

TEST_F(ConfigFlowsTest, ApplyDeclinedDoesNothing)
{
    EditEverything();
    const FlowResult result = ApplyFlow(config, store, kDatPath, Answer(false), CountingHook());
    EXPECT_FALSE(result.Completed);
    EXPECT_EQ(hookCalls, 0);
    EXPECT_EQ(config.Edit.IntervalField, "250");
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 700.0f);
}

TEST_F(ConfigFlowsTest, ApplyWithReadOnlyFileCommitsButReportsAndStops)
{
    store.SetFileText(kDatPath, "");
    store.SetReadOnly(kDatPath, true);
    EditEverything();
    const FlowResult result = ApplyFlow(config, store, kDatPath, Answer(true), CountingHook());
    EXPECT_EQ(result.Error, "Unable to write to C:\\Vantor\\vantor.dat");
    EXPECT_FALSE(result.Completed);
    EXPECT_EQ(config.Committed.Scale, TemperatureScale::Fahrenheit);
    EXPECT_FALSE(Has(result.Effects, ConfigEffectKind::PostFanSettingsChanged));
    EXPECT_FALSE(Has(result.Effects, ConfigEffectKind::MarkUnchanged));
}

TEST_F(ConfigFlowsTest, IntervalFieldNormalisation)
{
    const std::pair<const char*, const char*> cases[] = {
            {"0", "1"}, {"", "1"}, {"-7", "1"}, {"abc", "1"}, {"250", "120"}, {"120", "120"}, {"9", "9"},
    };
    for (const auto& [field, expected] : cases) {
        SCOPED_TRACE(field);
        EXPECT_EQ(NormalizeIntervalField(field), expected);
    }
}

TEST_F(ConfigFlowsTest, CancelRevertsOnlyWhenChanged)
{
    EditEverything();
    FlowResult result = CancelFlow(config, true);
    EXPECT_EQ(config.Temperature.EditThreshold[0], 700.0f);
    EXPECT_EQ(config.Temperature.EditEnabled[0], 1);
    EXPECT_STREQ(config.Fan.EditFanName[0].data(), "CPU");
    EXPECT_EQ(config.Edit.Scale, TemperatureScale::Celsius);
    EXPECT_EQ(config.Edit.IntervalField, "5");
    EXPECT_EQ(config.Edit.VolumeField, "60");
    EXPECT_TRUE(config.Edit.EnableSound);
    EXPECT_TRUE(Has(result.Effects, ConfigEffectKind::ReReadFanControlTarget));
    EXPECT_TRUE(Has(result.Effects, ConfigEffectKind::ResetFanControlPending));
    EXPECT_EQ(result.Effects.back().Kind, ConfigEffectKind::MarkUnchanged);

    EditEverything();
    result = CancelFlow(config, false);
    EXPECT_EQ(result.Effects, (ConfigEffects{{ConfigEffectKind::CloseOptionsWindow}}));
    EXPECT_EQ(config.Edit.IntervalField, "250");  // nothing reverted: just closes
    EXPECT_EQ(hookCalls, 0);
}

TEST_F(ConfigFlowsTest, DefaultDeclinedChangesNothing)
{
    config.Temperature.Configs[0].Threshold = 1000.0f;
    const FlowResult result = DefaultFlow(config, hardware, store, kDatPath, Answer(false));
    EXPECT_EQ(questions, std::vector<std::string>{"Set to default values?"});
    EXPECT_FALSE(result.Completed);
    EXPECT_TRUE(result.Effects.empty());
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 1000.0f);
    EXPECT_FALSE(store.FileExists(kDatPath));
}

TEST_F(ConfigFlowsTest, DefaultAcceptedRestoresDefaultsButKeepsFanControl)
{
    EditEverything();
    ApplyFlow(config, store, kDatPath, Answer(true), CountingHook());
    config.Committed.EnableAlert = false;
    config.Committed.KelvaneTargetIdx = 2;

    const FlowResult result = DefaultFlow(config, hardware, store, kDatPath, Answer(true));
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 700.0f);
    EXPECT_EQ(config.Temperature.EditThreshold[0], 700.0f);
    EXPECT_EQ(config.Temperature.Configs[0].Enabled, 1);
    EXPECT_STREQ(config.Fan.ShortName[0].data(), "CPU");
    EXPECT_EQ(config.Committed.PollingIntervalMs, 5000);
    EXPECT_EQ(config.Edit.IntervalField, "5");
    EXPECT_TRUE(config.Committed.EnableAlert && config.Committed.EnableMBox && config.Committed.EnableSound);
    EXPECT_EQ(config.Committed.Scale, TemperatureScale::Celsius);
    EXPECT_EQ(config.Edit.Scale, TemperatureScale::Celsius);
    EXPECT_EQ(config.Committed.Volume, 60);
    EXPECT_EQ(config.Edit.VolumeField, "60");
    EXPECT_TRUE(config.Committed.EnableKelvane);  // fan control is not Default's
    EXPECT_EQ(config.Committed.KelvaneTargetIdx, 2);
    EXPECT_EQ(hookCalls, 1);  // only the Apply above
    EXPECT_TRUE(Has(result.Effects, ConfigEffectKind::ShowHideGadgets));
    EXPECT_EQ(result.Effects.back().Kind, ConfigEffectKind::MarkUnchanged);
    EXPECT_EQ(store.ReadString(kDatPath, "OPTION_SETTING", "nrTempScale", ""), "1");
    EXPECT_EQ(store.ReadString(kDatPath, "OPTION_SENSOR", "Temp0Threshold", ""), "700");
}

TEST_F(ConfigFlowsTest, SaveAsWritesCommittedValuesUnderAProfileName)
{
    const std::pair<const char*, const char*> names[] = {
            {"C:\\p\\mine.txt", "C:\\p\\mine.txt.vtp"},
            {"C:\\p\\Mine.VTP", "C:\\p\\Mine.VTP"},
            {"C:\\p\\mine", "C:\\p\\mine.vtp"},
            {"C:\\p.d\\mine", "C:\\p.d\\mine.vtp"},
    };
    for (const auto& [chosen, expected] : names) {
        SCOPED_TRACE(chosen);
        EXPECT_EQ(ProfilePathFor(chosen), expected);
    }

    config.Temperature.EditThreshold[0] = 900.0f;  // not applied: not saved
    const FlowResult result = SaveAsFlow(config, store, "C:\\p\\mine.txt");
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(store.ReadString("C:\\p\\mine.txt.vtp", "OPTION_SENSOR", "Temp0Threshold", ""), "700");
}

TEST_F(ConfigFlowsTest, LoadCommitsAProfileAtOnceWithoutTouchingVantorDat)
{
    store.SetFileText("C:\\p\\night.vtp", "[OPTION_SENSOR]\r\nTemp0Threshold=800\r\n"
                                          "[OPTION_SETTING]\r\nbEnableKelvane=1\r\nnKelvaneTargetIdx=4\r\n");
    const FlowResult result = LoadFlow(config, hardware, store, "C:\\p\\night.vtp", CountingHook());
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(config.Temperature.Configs[0].Threshold, 800.0f);
    EXPECT_EQ(config.Temperature.EditThreshold[0], 800.0f);
    EXPECT_TRUE(config.Committed.EnableKelvane);
    EXPECT_EQ(config.Committed.KelvaneTargetIdx, 4);
    EXPECT_TRUE(Has(result.Effects, ConfigEffectKind::WriteFanControl));
    EXPECT_EQ(result.Effects.back().Kind, ConfigEffectKind::ReReadFanControlTarget);
    EXPECT_FALSE(store.FileExists(kDatPath));

    EXPECT_EQ(ExitFlow(config, store, kDatPath).Error, std::nullopt);
    EXPECT_EQ(store.ReadString(kDatPath, "OPTION_SENSOR", "Temp0Threshold", ""), "800");
}

}  // namespace
}  // namespace vantor::monitor
