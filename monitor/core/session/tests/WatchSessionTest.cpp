#include "session/WatchSession.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "alarm/tests/FakeAlarmHardware.h"
#include "alertlog/tests/FakeAlertFiles.h"
#include "config/tests/FakeConfigHardware.h"
#include "VantorHw.h"
#include "config/SensorDefaults.h"

namespace vantor::monitor {
namespace {

using test::Descriptor;

constexpr const char* kDate = "03/15/2006 at 10:24 pm";

class WatchSessionTest : public ::testing::Test {
protected:
    void Build(std::vector<SensorDescriptor> v, std::vector<SensorDescriptor> t, std::vector<SensorDescriptor> f)
    {
        volts = std::move(v);
        temps = std::move(t);
        fans = std::move(f);
        config = MakeSensorConfiguration(volts, temps, fans);
        test::FakeConfigHardware defaults;
        for (const SensorKind kind : {SensorKind::Voltage, SensorKind::Temperature, SensorKind::Fan})
            BuildDefaults(config, kind, defaults);
        config.StartupPhase = false;
    }

    std::vector<std::string> Tick(WatchSession& session, bool busy = false)
    {
        return session.Tick(
                [this](SensorKind kind, std::size_t index) {
                    return readings[{kind, index}];
                },
                kDate, busy, hardware);
    }

    std::string Log() { return files.ReadAll(paths.log).value_or(""); }

    std::vector<SensorDescriptor> volts, temps, fans;
    SensorConfiguration config;
    std::map<std::pair<SensorKind, std::size_t>, float> readings;
    alarm::test::FakeAlarmHardware hardware;
    test::FakeAlertFiles files;
    AlertLogPaths paths = AlertLogPathsFor("C:\\Vantor\\vantorctl.exe");
    AlertLog log{files, paths};
};

TEST_F(WatchSessionTest, OnsetAndRecoveryAreLoggedOnceEach)
{
    Build({Descriptor(OC_ITEM_CORE_VOLTAGE, "Vcore Volt", 800, 1550)},
          {Descriptor(OC_ITEM_CPU_TEMPERATURE, "CPU Temp", 600, 1250)},
          {Descriptor(OC_ITEM_CPU_FAN, "CPU FAN", 600, 7000)});
    config.Temperature.Configs[0].Threshold = 600;
    config.Temperature.Configs[0].Enabled = 1;
    config.Voltage.Configs[0].Enabled = 0;  // its reading stays 0 V
    config.Fan.Configs[0].Enabled = 0;      // its reading stays 0 rpm
    WatchSession session(config, log);

    const std::string onset = "[03/15/2006 at 10:24 pm] CPU Temperature Abnormal, 95 degrees centigrade";
    const std::string recovery = "[03/15/2006 at 10:24 pm] CPU Temperature become normal, 45 degrees centigrade";

    readings[{SensorKind::Temperature, 0}] = 45.0f;
    EXPECT_TRUE(Tick(session).empty());
    readings[{SensorKind::Temperature, 0}] = 95.0f;
    EXPECT_EQ(Tick(session), std::vector<std::string>{onset});
    EXPECT_EQ(session.AlarmMask(), 1u << 1);  // gadget 1: after the voltage
    EXPECT_TRUE(Tick(session).empty());
    readings[{SensorKind::Temperature, 0}] = 45.0f;
    EXPECT_EQ(Tick(session), std::vector<std::string>{recovery});
    EXPECT_EQ(session.AlarmMask(), 0u);
    EXPECT_EQ(Log(), onset + "\r\n" + recovery + "\r\n");
}

TEST_F(WatchSessionTest, BusyHardwareRecordsARecovery)
{
    Build({}, {Descriptor(OC_ITEM_CPU_TEMPERATURE, "CPU Temp", 600, 1250)}, {});
    config.Temperature.Configs[0].Threshold = 600;
    config.Temperature.Configs[0].Enabled = 1;
    WatchSession session(config, log);
    readings[{SensorKind::Temperature, 0}] = 95.0f;
    ASSERT_EQ(Tick(session).size(), 1u);
    const auto lines = Tick(session, true);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("become normal"), std::string::npos);
}

// 20 voltages, 10 temperatures and 5 fans: the gadgets are the voltages, the
// temperatures and the first two fans; the last three fans are never evaluated.
TEST_F(WatchSessionTest, OnlyTheFirst32SensorsInGadgetOrderAreMonitored)
{
    std::vector<SensorDescriptor> v, t, f;
    for (std::uint32_t i = 0; i < 20; ++i)
        v.push_back(Descriptor(0x06020000 + i, "Rail Volt", 3000, 3600));
    for (std::uint32_t i = 0; i < 10; ++i)
        t.push_back(Descriptor(0x06030000 + i, "Zone Temp", 600, 1250));
    for (std::uint32_t i = 0; i < 5; ++i)
        f.push_back(Descriptor(0x06040000 + i, "Spare FAN", 600, 7000));
    Build(std::move(v), std::move(t), std::move(f));
    for (auto& c : config.Voltage.Configs)
        c.Enabled = 0;
    for (auto& c : config.Temperature.Configs)
        c.Enabled = 0;
    for (auto& c : config.Fan.Configs) {
        c.Enabled = 1;
        c.Threshold = 800;
    }
    WatchSession session(config, log);

    ASSERT_EQ(session.Gadgets().size(), 32u);
    EXPECT_EQ(session.SensorCount(), 35u);
    EXPECT_EQ(session.Gadgets()[19].kind, SensorKind::Voltage);
    EXPECT_EQ(session.Gadgets()[20].kind, SensorKind::Temperature);
    EXPECT_EQ(session.Gadgets()[31].kind, SensorKind::Fan);
    EXPECT_EQ(session.Gadgets()[31].index, 1u);

    // Every fan stands still: only the two monitored ones are abnormal.
    const auto lines = Tick(session);
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(session.AlarmMask(), (1u << 30) | (1u << 31));
}

}  // namespace
}  // namespace vantor::monitor
