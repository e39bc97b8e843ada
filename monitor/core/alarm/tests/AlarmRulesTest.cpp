#include "alarm/AlarmRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "alarm/tests/FakeAlarmHardware.h"

namespace vantor::monitor::alarm {
namespace {

using test::FakeAlarmHardware;

constexpr std::uint32_t kRail33Id = 0x06020001;
constexpr std::uint32_t kChassisFanId = 0x06040001;

RuleInput Input(SensorKind kind, std::uint32_t id, float threshold, float reading, float nominal = 0.0f)
{
    RuleInput input;
    input.kind = kind;
    input.sensorId = id;
    input.comparedThreshold = ComparedThreshold(kind, threshold);
    input.reading = reading;
    input.nominalVoltage = nominal;
    return input;
}

TEST(ComparedThreshold, IsTheNumberTheGadgetShows)
{
    struct Case {
        SensorKind kind;
        float threshold;
        int expected;
    };
    const Case cases[] = {
            {SensorKind::Voltage, 10.0f, 10},      {SensorKind::Voltage, 10.5f, 11},
            {SensorKind::Voltage, 10.4f, 10},      {SensorKind::Temperature, 905.0f, 90},
            {SensorKind::Temperature, 909.9f, 90}, {SensorKind::Temperature, 910.0f, 91},
            {SensorKind::Temperature, 9.0f, 0},    {SensorKind::Fan, 800.9f, 800},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComparedThreshold(c.kind, c.threshold), c.expected) << static_cast<int>(c.kind) << " " << c.threshold;
}

TEST(AlarmRule, EachKindAtAndAroundItsThreshold)
{
    struct Case {
        const char* label;
        SensorKind kind;
        float threshold;
        float reading;
        float nominal;
        bool abnormal;
    };
    const Case cases[] = {
            {"3.3 V rail centre", SensorKind::Voltage, 10, 3.30f, 3.3f, false},
            {"3.3 V rail high inside", SensorKind::Voltage, 10, 3.60f, 3.3f, false},
            {"3.3 V rail above", SensorKind::Voltage, 10, 3.70f, 3.3f, true},
            {"3.3 V rail below", SensorKind::Voltage, 10, 2.90f, 3.3f, true},
            {"3.3 V rail low inside", SensorKind::Voltage, 10, 2.98f, 3.3f, false},
            {"12 V at the upper bound", SensorKind::Voltage, 25, 15.0f, 12.0f, true},
            {"12 V under the upper bound", SensorKind::Voltage, 25, 14.99f, 12.0f, false},
            {"12 V at the lower bound", SensorKind::Voltage, 25, 9.0f, 12.0f, true},
            {"12 V over the lower bound", SensorKind::Voltage, 25, 9.01f, 12.0f, false},
            {"temperature at the whole degree", SensorKind::Temperature, 905, 90.0f, 0, true},
            {"temperature under the whole degree", SensorKind::Temperature, 905, 89.9f, 0, false},
            {"temperature far over", SensorKind::Temperature, 600, 93.0f, 0, true},
            {"fan at the threshold", SensorKind::Fan, 800, 800.0f, 0, true},
            {"fan one over", SensorKind::Fan, 800, 801.0f, 0, false},
            {"fan stopped", SensorKind::Fan, 800, 0.0f, 0, true},
    };
    for (const Case& c : cases) {
        FakeAlarmHardware hardware;
        RuleState state;
        const std::uint32_t id = c.kind == SensorKind::Voltage ? kRail33Id
                                 : c.kind == SensorKind::Fan   ? kChassisFanId
                                                               : OC_ITEM_BOARD_TEMPERATURE;
        const RuleOutcome outcome =
                ApplyAlarmRule(Input(c.kind, id, c.threshold, c.reading, c.nominal), state, hardware);
        EXPECT_EQ(outcome.abnormal, c.abnormal) << c.label;
        EXPECT_FALSE(outcome.newNominalVoltage) << c.label;
    }
}

// A negative rail's nominal is negative too (the middle of its limits); the
// band is taken around it with its width from the nominal's size, the same
// test that every positive rail gets, mirrored.
TEST(AlarmRule, NegativeRailsAreJudgedAroundTheirNominal)
{
    struct Case {
        const char* label;
        float threshold;
        float reading;
        float nominal;
        bool abnormal;
    };
    const Case cases[] = {
            {"-12 V on its nominal", 25, -12.0f, -12.0f, false},
            {"-12 V a little high", 25, -11.5f, -12.0f, false},
            {"-12 V a little low", 25, -12.5f, -12.0f, false},
            {"-12 V at the lower bound", 25, -15.0f, -12.0f, true},
            {"-12 V over the lower bound", 25, -14.99f, -12.0f, false},
            {"-12 V at the upper bound", 25, -9.0f, -12.0f, true},
            {"-12 V under the upper bound", 25, -9.01f, -12.0f, false},
            {"-12 V rail reading 0", 25, 0.0f, -12.0f, true},
            {"-12 V rail reading +12", 25, 12.0f, -12.0f, true},
            {"-5 V inside", 10, -5.2f, -5.0f, false},
            {"-5 V too high", 10, -4.4f, -5.0f, true},
            {"-5 V too low", 10, -5.6f, -5.0f, true},
    };
    for (const Case& c : cases) {
        FakeAlarmHardware hardware;
        RuleState state;
        const RuleOutcome outcome = ApplyAlarmRule(
                Input(SensorKind::Voltage, kRail33Id, c.threshold, c.reading, c.nominal), state, hardware);
        EXPECT_EQ(outcome.abnormal, c.abnormal) << c.label;
    }
}

TEST(AlarmRule, SlowFanUnderFanControlIsJudgedByTemperature)
{
    struct Case {
        const char* label;
        std::uint32_t fanId;
        int kelvaneState;
        float temperature;
        bool startTempBound;
        std::optional<std::int32_t> startTemp;
        bool abnormal;
    };
    const Case cases[] = {
            {"cpu fan, cool processor", OC_ITEM_CPU_FAN, 2, 44.9f, false, {}, false},
            {"cpu fan, hot processor", OC_ITEM_CPU_FAN, 2, 45.0f, false, {}, true},
            {"start temperature 50, below it", OC_ITEM_CPU_FAN, 2, 49.9f, true, 50, false},
            {"start temperature 50, at it", OC_ITEM_CPU_FAN, 2, 50.0f, true, 50, true},
            {"start temperature 40 is lower than 45", OC_ITEM_CPU_FAN, 2, 42.0f, true, 40, true},
            {"start temperature call fails: 45 stays", OC_ITEM_CPU_FAN, 2, 44.0f, true, {}, false},
            {"fan control off: rpm decides", OC_ITEM_CPU_FAN, 1, 20.0f, false, {}, true},
            {"no fan control: rpm decides", OC_ITEM_CPU_FAN, 0, 20.0f, false, {}, true},
            {"chassis fan, cool system", kChassisFanId, 2, 44.9f, false, {}, false},
            {"chassis fan, hot system", kChassisFanId, 2, 45.0f, false, {}, true},
    };
    for (const Case& c : cases) {
        const bool cpu = c.fanId == OC_ITEM_CPU_FAN;
        const std::uint32_t item = cpu ? OC_ITEM_CPU_KELVANE : OC_ITEM_CHASSIS_KELVANE;
        const std::uint32_t temperatureId = cpu ? OC_ITEM_CPU_TEMPERATURE : OC_ITEM_BOARD_TEMPERATURE;
        FakeAlarmHardware hardware;
        hardware.kelvane[item] = c.kelvaneState;
        // The other fan's sources hold values that would flip the result.
        hardware.kelvane[cpu ? OC_ITEM_CHASSIS_KELVANE : OC_ITEM_CPU_KELVANE] = 2 - c.kelvaneState;
        hardware.readings[temperatureId] = c.temperature;
        hardware.readings[cpu ? OC_ITEM_BOARD_TEMPERATURE : OC_ITEM_CPU_TEMPERATURE] =
                c.temperature >= 45 ? 20.0f : 90.0f;
        hardware.startTempBound = c.startTempBound;
        hardware.startTemp = c.startTemp;
        RuleState state;
        EXPECT_EQ(ApplyAlarmRule(Input(SensorKind::Fan, c.fanId, 800, 600.0f), state, hardware).abnormal, c.abnormal)
                << c.label;
        EXPECT_EQ(hardware.kelvaneAsked, std::vector<std::uint32_t>{item}) << c.label;
        if (c.kelvaneState == 2 && c.startTempBound) {
            EXPECT_EQ(hardware.startTempAsked, std::vector<std::uint32_t>{item}) << c.label;
        }
    }
}

TEST(AlarmRule, FanControlIsNotAskedWhileTheFanIsFastEnough)
{
    FakeAlarmHardware hardware;
    hardware.kelvane[OC_ITEM_CPU_KELVANE] = 2;
    RuleState state;
    EXPECT_FALSE(ApplyAlarmRule(Input(SensorKind::Fan, OC_ITEM_CPU_FAN, 800, 2400.0f), state, hardware).abnormal);
    EXPECT_TRUE(hardware.kelvaneAsked.empty());
    EXPECT_TRUE(hardware.readsAsked.empty());
}

TEST(AlarmRule, PowerProfileChangeHoldsTheNextFiveFanEvaluationsOfAnyFan)
{
    FakeAlarmHardware hardware;
    hardware.ruvelAnswers = {true};
    RuleState state;
    const RuleInput stoppedCpuFan = Input(SensorKind::Fan, OC_ITEM_CPU_FAN, 800, 0.0f);
    const RuleInput stoppedChassisFan = Input(SensorKind::Fan, kChassisFanId, 800, 0.0f);

    EXPECT_FALSE(ApplyAlarmRule(stoppedCpuFan, state, hardware).abnormal);
    EXPECT_EQ(state.fanAlarmHold, 5);
    // Other kinds leave the hold alone.
    ApplyAlarmRule(Input(SensorKind::Temperature, OC_ITEM_CPU_TEMPERATURE, 600, 20.0f), state, hardware);
    EXPECT_EQ(state.fanAlarmHold, 5);
    for (int i = 0; i < 5; ++i) {
        const RuleInput& fan = i % 2 == 0 ? stoppedChassisFan : stoppedCpuFan;
        EXPECT_FALSE(ApplyAlarmRule(fan, state, hardware).abnormal) << "held evaluation " << i;
    }
    EXPECT_EQ(state.fanAlarmHold, 0);
    EXPECT_TRUE(ApplyAlarmRule(stoppedChassisFan, state, hardware).abnormal);
}

TEST(AlarmRule, HardwareBusyIsNormalButTheFanHoldStillCountsDown)
{
    FakeAlarmHardware hardware;
    RuleState state;
    state.fanAlarmHold = 2;
    RuleInput hot = Input(SensorKind::Temperature, OC_ITEM_CPU_TEMPERATURE, 600, 99.0f);
    hot.hardwareBusy = true;
    EXPECT_FALSE(ApplyAlarmRule(hot, state, hardware).abnormal);
    RuleInput fan = Input(SensorKind::Fan, OC_ITEM_CPU_FAN, 800, 0.0f);
    fan.hardwareBusy = true;
    EXPECT_FALSE(ApplyAlarmRule(fan, state, hardware).abnormal);
    EXPECT_EQ(state.fanAlarmHold, 1);
    RuleInput voltage = Input(SensorKind::Voltage, kRail33Id, 10, 5.0f, 3.3f);
    voltage.hardwareBusy = true;
    EXPECT_FALSE(ApplyAlarmRule(voltage, state, hardware).abnormal);
}

TEST(AlarmRule, CoolnQuietStateIsTakenAtTheFirstEvaluationOfAnyKind)
{
    FakeAlarmHardware hardware;
    hardware.cnqActive = true;
    RuleState state;
    ApplyAlarmRule(Input(SensorKind::Fan, OC_ITEM_CPU_FAN, 800, 2000.0f), state, hardware);
    EXPECT_EQ(state.cnqState, std::optional<bool>(true));
    hardware.cnqActive = false;
    ApplyAlarmRule(Input(SensorKind::Fan, OC_ITEM_CPU_FAN, 800, 2000.0f), state, hardware);
    EXPECT_EQ(state.cnqState, std::optional<bool>(true)) << "only the core voltage rule updates it";
}

TEST(AlarmRule, CoreVoltageUnderCoolnQuietUsesTheProcessorRange)
{
    struct Case {
        const char* label;
        bool rangeBound;
        bool rangeResult;
        bool cnq;
        std::uint32_t id;
        float reading;
        bool abnormal;
    };
    // Nominal 1.40 V, 10 %: band 1.26..1.54. Processor range 0.80..1.55: band 0.72..1.705.
    const Case cases[] = {
            {"range used: low voltage is fine", true, true, true, OC_ITEM_CORE_VOLTAGE, 0.85f, false},
            {"range used: over the range", true, true, true, OC_ITEM_CORE_VOLTAGE, 1.71f, true},
            {"range used: under the range", true, true, true, OC_ITEM_CORE_VOLTAGE, 0.70f, true},
            {"export absent: nominal band", false, true, true, OC_ITEM_CORE_VOLTAGE, 0.85f, true},
            {"range call fails: nominal band", true, false, true, OC_ITEM_CORE_VOLTAGE, 0.85f, true},
            {"CnQ off: nominal band", true, true, false, OC_ITEM_CORE_VOLTAGE, 0.85f, true},
            {"other rail: nominal band", true, true, true, kRail33Id, 0.85f, true},
    };
    for (const Case& c : cases) {
        FakeAlarmHardware hardware;
        hardware.voltRangeBound = c.rangeBound;
        hardware.voltRangeResult = c.rangeResult;
        hardware.voltMax = 1.55f;
        hardware.voltMin = 0.80f;
        hardware.cnqActive = c.cnq;
        RuleState state;
        state.cnqState = c.cnq;
        const RuleOutcome outcome =
                ApplyAlarmRule(Input(SensorKind::Voltage, c.id, 10, c.reading, 1.40f), state, hardware);
        EXPECT_EQ(outcome.abnormal, c.abnormal) << c.label;
        EXPECT_FALSE(outcome.newNominalVoltage) << c.label;
    }
}

TEST(AlarmRule, CoolnQuietSwitchedOffMeasuresTheNominalAfreshOnce)
{
    FakeAlarmHardware hardware;
    hardware.voltRangeBound = true;
    hardware.voltMax = 1.55f;
    hardware.voltMin = 0.80f;
    hardware.cnqActive = false;
    // First read 1.0, then ten reads of 2.0: the mean approaches 2.0 from below.
    hardware.readingQueues[OC_ITEM_CORE_VOLTAGE] = {1.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f};
    RuleState state;
    state.cnqState = true;

    const RuleOutcome outcome =
            ApplyAlarmRule(Input(SensorKind::Voltage, OC_ITEM_CORE_VOLTAGE, 10, 0.5f, 1.4f), state, hardware);
    EXPECT_FALSE(outcome.abnormal) << "the switch-off evaluation is normal";
    ASSERT_TRUE(outcome.newNominalVoltage);
    EXPECT_FLOAT_EQ(*outcome.newNominalVoltage, 2.0f - 1.0f / 1024.0f);
    EXPECT_EQ(hardware.readsAsked.size(), 11u);
    EXPECT_EQ(hardware.sleeps, std::vector<unsigned>(10, 50));
    EXPECT_EQ(state.cnqState, std::optional<bool>(false));

    // Already off: no second measurement, the band applies again.
    const RuleOutcome next =
            ApplyAlarmRule(Input(SensorKind::Voltage, OC_ITEM_CORE_VOLTAGE, 10, 0.5f, 1.4f), state, hardware);
    EXPECT_TRUE(next.abnormal);
    EXPECT_FALSE(next.newNominalVoltage);
    EXPECT_EQ(hardware.readsAsked.size(), 11u);
}

}  // namespace
}  // namespace vantor::monitor::alarm
