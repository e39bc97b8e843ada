#include "alarm/EvaluateSensor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "alarm/tests/EffectPrinter.h"
#include "alarm/tests/FakeAlarmHardware.h"

namespace vantor::monitor::alarm {
namespace {

using test::FakeAlarmHardware;
using Effects = std::vector<AlarmEffect>;

constexpr const char* kDate = "03/15/2006 at 10:24 pm";

GadgetSensor CpuTemperature(float reading)
{
    return {1, SensorKind::Temperature, OC_ITEM_CPU_TEMPERATURE, 600.0f, true, reading, 0.0f, "CPU"};
}

GadgetSensor CpuFan(float reading) { return {2, SensorKind::Fan, OC_ITEM_CPU_FAN, 800.0f, true, reading, 0.0f, "CPU"}; }

GadgetSensor Rail12(float reading)
{
    return {3, SensorKind::Voltage, 0x06020003, 10.0f, true, reading, 12.2f, "+12.0"};
}

GadgetSensor CoreVoltage(float reading)
{
    return {0, SensorKind::Voltage, OC_ITEM_CORE_VOLTAGE, 10.0f, true, reading, 1.4f, "Vcore"};
}

// Runs evaluations the way the gadget window does: the state it returns is
// the state the next evaluation starts from.
class GadgetFixture : public ::testing::Test {
protected:
    Evaluation Evaluate(const GadgetSensor& sensor, bool& alarmState)
    {
        Evaluation result = EvaluateSensor(alarmState, m_shared, sensor, m_context, m_hardware);
        alarmState = result.alarmState;
        m_shared = result.shared;
        return result;
    }

    FakeAlarmHardware m_hardware;
    SharedAlarmState m_shared;
    EvaluationContext m_context{TemperatureScale::Celsius, false, true, false, false, "", kDate, {}};
};

TEST_F(GadgetFixture, NormalAbnormalNormalGivesExactlyTheListedActions)
{
    bool state = false;
    EXPECT_EQ(Evaluate(CpuTemperature(45.2f), state).effects,
              (Effects{ShowAlarmOverlay{false}, ShowWarningLight{false}, SetTrayImage{0},
                       DrawReading{"45", DigitColour::Green}, DrawThreshold{"60"}}));
    EXPECT_FALSE(state);

    EXPECT_EQ(Evaluate(CpuTemperature(93.4f), state).effects,
              (Effects{ShowAlarmOverlay{true}, ShowWarningLight{true}, SetTrayImage{1}, PlayAlertSound{"Warning"},
                       ShowAlertUnitPicture{true}, DrawReading{"93", DigitColour::Red}, DrawThreshold{"60"},
                       AppendLogLine{"[03/15/2006 at 10:24 pm] CPU Temperature Abnormal, 93 degrees centigrade"}}));
    EXPECT_TRUE(state);
    EXPECT_EQ(m_shared.alarmMask, 0x2u);

    // Still abnormal: nothing logged, no sound.
    EXPECT_EQ(Evaluate(CpuTemperature(95.0f), state).effects,
              (Effects{ShowAlarmOverlay{true}, ShowWarningLight{true}, SetTrayImage{1},
                       DrawReading{"95", DigitColour::Red}, DrawThreshold{"60"}}));

    EXPECT_EQ(
            Evaluate(CpuTemperature(50.0f), state).effects,
            (Effects{ShowAlarmOverlay{false}, ShowWarningLight{false}, SetTrayImage{0}, ShowAlertUnitPicture{false},
                     DrawReading{"50", DigitColour::Green}, DrawThreshold{"60"},
                     AppendLogLine{"[03/15/2006 at 10:24 pm] CPU Temperature become normal, 50 degrees centigrade"}}));
    EXPECT_FALSE(state);
    EXPECT_EQ(m_shared.alarmMask, 0u);
}

TEST_F(GadgetFixture, LogLinesOfEachKind)
{
    struct Case {
        GadgetSensor sensor;
        bool stateBefore;
        TemperatureScale scale;
        const char* line;
    };
    const Case cases[] = {
            {CpuTemperature(93.0f), false, TemperatureScale::Celsius,
             "[03/15/2006 at 10:24 pm] CPU Temperature Abnormal, 93 degrees centigrade"},
            {CpuFan(2410.0f), true, TemperatureScale::Celsius,
             "[03/15/2006 at 10:24 pm] CPU Fan become normal, 2410 RPM"},
            {Rail12(13.71f), false, TemperatureScale::Celsius,
             "[03/15/2006 at 10:24 pm] +12.0 Voltage Abnormal, 13.71 V"},
            // The scale changes only temperatures.
            {Rail12(13.71f), false, TemperatureScale::Fahrenheit,
             "[03/15/2006 at 10:24 pm] +12.0 Voltage Abnormal, 13.71 V"},
            {CpuTemperature(93.7f), false, TemperatureScale::Fahrenheit,
             "[03/15/2006 at 10:24 pm] CPU Temperature Abnormal, 199 Degree F"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        m_context.scale = c.scale;
        bool state = c.stateBefore;
        const Effects effects = Evaluate(c.sensor, state).effects;
        ASSERT_FALSE(effects.empty());
        EXPECT_EQ(effects.back(), AlarmEffect(AppendLogLine{c.line}));
    }
}

TEST_F(GadgetFixture, FahrenheitShowsReadingAndThresholdConvertedFromWholeCelsius)
{
    m_context.scale = TemperatureScale::Fahrenheit;
    GadgetSensor sensor = CpuTemperature(93.7f);
    sensor.threshold = 905.0f;
    bool state = false;
    const Effects effects = Evaluate(sensor, state).effects;
    EXPECT_NE(std::find(effects.begin(), effects.end(), AlarmEffect(DrawReading{"199", DigitColour::Red})),
              effects.end());
    EXPECT_NE(std::find(effects.begin(), effects.end(), AlarmEffect(DrawThreshold{"194"})), effects.end());
}

TEST_F(GadgetFixture, VoltageDigitsShowTwoDecimalsAndTheWholePercent)
{
    GadgetSensor sensor = Rail12(12.004f);
    sensor.threshold = 10.4f;
    bool state = false;
    EXPECT_EQ(Evaluate(sensor, state).effects,
              (Effects{ShowAlarmOverlay{false}, ShowWarningLight{false}, SetTrayImage{0},
                       DrawReading{"12.00", DigitColour::Green}, DrawThreshold{"10"}}));
}

TEST_F(GadgetFixture, RecoveryKeepsTheWarningWhileAnotherGadgetIsInAlarm)
{
    bool temperatureState = false;
    bool fanState = false;
    Evaluate(CpuTemperature(99.0f), temperatureState);
    Evaluate(CpuFan(0.0f), fanState);
    EXPECT_EQ(m_shared.alarmMask, 0x6u);

    const Effects effects = Evaluate(CpuFan(2000.0f), fanState).effects;
    EXPECT_EQ(m_shared.alarmMask, 0x2u);
    EXPECT_EQ(effects[1], AlarmEffect(ShowWarningLight{true}));
    EXPECT_EQ(std::count_if(effects.begin(), effects.end(),
                            [](const AlarmEffect& e) { return std::holds_alternative<SetTrayImage>(e); }),
              0);
}

TEST_F(GadgetFixture, DisabledSensorOnlyLeavesTheMaskAndKeepsItsState)
{
    bool temperatureState = false;
    bool fanState = false;
    Evaluate(CpuTemperature(99.0f), temperatureState);
    Evaluate(CpuFan(0.0f), fanState);

    GadgetSensor disabledFan = CpuFan(0.0f);
    disabledFan.enabled = false;
    EXPECT_EQ(Evaluate(disabledFan, fanState).effects, Effects{}) << "another alarm keeps the warning";
    EXPECT_TRUE(fanState);
    EXPECT_EQ(m_shared.alarmMask, 0x2u);

    GadgetSensor disabledTemperature = CpuTemperature(99.0f);
    disabledTemperature.enabled = false;
    EXPECT_EQ(Evaluate(disabledTemperature, temperatureState).effects, Effects{ShowWarningLight{false}});
    EXPECT_EQ(m_shared.alarmMask, 0u);

    // Enabled again and fine: the alarm it left is closed in the log.
    const Effects effects = Evaluate(CpuFan(2000.0f), fanState).effects;
    EXPECT_EQ(effects.back(), AlarmEffect(AppendLogLine{"[03/15/2006 at 10:24 pm] CPU Fan become normal, 2000 RPM"}));
}

TEST_F(GadgetFixture, HardwareBusyRecordsARecoveryAndNoOnset)
{
    bool state = false;
    Evaluate(CpuTemperature(99.0f), state);
    m_context.hardwareBusy = true;
    const Effects busy = Evaluate(CpuTemperature(99.0f), state).effects;
    EXPECT_FALSE(state);
    EXPECT_EQ(busy.back(), AlarmEffect(AppendLogLine{
                                   "[03/15/2006 at 10:24 pm] CPU Temperature become normal, 99 degrees centigrade"}));
    m_context.hardwareBusy = false;
    EXPECT_TRUE(Evaluate(CpuTemperature(99.0f), state).alarmState);
}

TEST_F(GadgetFixture, TranslatedTextsGoIntoTheLogButNotUnitsOrMessageKinds)
{
    m_context.texts.temperature = "Temperatur";
    m_context.texts.abnormal = "Anormal";
    m_context.messageBoxEnabled = true;
    m_context.alertEnabled = true;
    bool state = false;
    const Effects effects = Evaluate(CpuTemperature(93.0f), state).effects;
    EXPECT_NE(std::find(effects.begin(), effects.end(),
                        AlarmEffect(AppendLogLine{
                                "[03/15/2006 at 10:24 pm] CPU Temperatur Anormal, 93 degrees centigrade"})),
              effects.end());
    EXPECT_NE(std::find(effects.begin(), effects.end(),
                        AlarmEffect(SetMessageText{"Vantor Message:\n\nThere are some warnings: \nCPU Temperature"})),
              effects.end());
}

TEST(LogHead, IsCutAt255Characters)
{
    const std::string name(300, 'N');
    const std::string head = FormatLogHead("01/02/2006 at 12:00 am", name, "Fan", "Abnormal");
    EXPECT_EQ(head.size(), 255u);
    EXPECT_EQ(head.substr(0, 26), "[01/02/2006 at 12:00 am] N");
    EXPECT_EQ(FormatLogHead("d", "n", "k", "e"), "[d] n k e");
}

bool HighBitLeads(unsigned char byte) { return byte >= 0x81; }

TEST(LogHead, ACutNeverSplitsADoubleByteCharacter)
{
    // "[d] " is 4 bytes; pairs of 0x82 0xA0 then fill past 255.
    std::string pairs;
    for (int i = 0; i < 200; ++i)
        pairs += "\x82\xA0";
    const std::string splitting = FormatLogHead("d", pairs, "k", "e", HighBitLeads);
    EXPECT_EQ(splitting.size(), 254u) << "the lead byte at 254 lost its trail byte";
    EXPECT_EQ(splitting.substr(4), pairs.substr(0, 250));

    const std::string whole = FormatLogHead("dd", pairs, "k", "e", HighBitLeads);
    EXPECT_EQ(whole.size(), 255u) << "the cut falls between characters";
    EXPECT_EQ(FormatLogHead("d", pairs, "k", "e").size(), 255u) << "single-byte pages cut at 255";
}

TEST_F(GadgetFixture, GadgetsPastTheMaskWidthAreEvaluatedWithoutABit)
{
    GadgetSensor sensor = CpuTemperature(99.0f);
    sensor.gadgetIndex = 40;
    bool state = false;
    const Evaluation result = Evaluate(sensor, state);
    EXPECT_TRUE(result.alarmState);
    EXPECT_EQ(m_shared.alarmMask, 0u);
}

// The message window: opened by the first onset, extended by onsets that
// come while it is shown (the modal loop keeps the ticks running).
class MessageFixture : public GadgetFixture {
protected:
    void SetUp() override
    {
        m_context.messageBoxEnabled = true;
        m_context.alertEnabled = true;
    }

    // The shell's side: applies message effects to the open window.
    void Apply(const Effects& effects)
    {
        for (const AlarmEffect& effect : effects) {
            if (const auto* text = std::get_if<SetMessageText>(&effect))
                m_context.messageText = text->text;
            if (std::holds_alternative<OpenMessageWindow>(effect)) {
                m_context.listWindowShown = true;
                ++m_opened;
            }
        }
    }

    void Onset(const std::string& name, SensorKind kind)
    {
        const std::uint32_t id = kind == SensorKind::Fan ? OC_ITEM_CPU_FAN : OC_ITEM_BOARD_TEMPERATURE;
        GadgetSensor sensor{
                4,    kind, id, kind == SensorKind::Fan ? 800.0f : 600.0f, true, kind == SensorKind::Fan ? 0.0f : 99.0f,
                0.0f, name};
        bool state = false;
        Apply(Evaluate(sensor, state).effects);
    }

    int m_opened = 0;
};

TEST_F(MessageFixture, FirstOnsetOpensTheRestAppendUpToFiveNames)
{
    Onset("CPU", SensorKind::Temperature);
    EXPECT_EQ(m_opened, 1);
    EXPECT_EQ(m_context.messageText, "Vantor Message:\n\nThere are some warnings: \nCPU Temperature");
    EXPECT_EQ(m_shared.messageAppendCount, 1);

    Onset("SYS", SensorKind::Temperature);
    Onset("CPU", SensorKind::Fan);
    EXPECT_EQ(m_context.messageText,
              "Vantor Message:\n\nThere are some warnings: \nCPU Temperature, SYS Temperature, CPU Fan");
    Onset("CHASSIS", SensorKind::Fan);
    Onset("AUX", SensorKind::Fan);
    Onset("PWR", SensorKind::Fan);
    Onset("LATE", SensorKind::Fan);
    EXPECT_EQ(m_opened, 1);
    EXPECT_EQ(m_context.messageText,
              "Vantor Message:\n\nThere are some warnings: \nCPU Temperature, SYS Temperature, CPU Fan,\n"
              "CHASSIS Fan, AUX Fan, PWR Fan");
    EXPECT_EQ(m_shared.messageAppendCount, 6);
}

TEST_F(MessageFixture, NoMessageWithoutBothSwitchesOrWithoutAnOnset)
{
    struct Case {
        bool messageBox;
        bool alert;
    };
    for (const Case c : {Case{false, true}, Case{true, false}, Case{false, false}}) {
        m_context.messageBoxEnabled = c.messageBox;
        m_context.alertEnabled = c.alert;
        Onset("CPU", SensorKind::Temperature);
        EXPECT_EQ(m_opened, 0);
        EXPECT_EQ(m_context.messageText, "");
    }
    m_context.messageBoxEnabled = true;
    m_context.alertEnabled = true;
    bool state = true;  // already in alarm: no onset
    Apply(Evaluate(CpuTemperature(99.0f), state).effects);
    EXPECT_EQ(m_opened, 0);
}

TEST_F(MessageFixture, CoreVoltageUnderCoolnQuietCarriesTheHint)
{
    m_hardware.cnqActive = true;
    bool state = false;
    Apply(Evaluate(CoreVoltage(2.0f), state).effects);
    EXPECT_EQ(m_context.messageText,
              "Vantor Message:\nAMD CnQ is enabled. You can disable VCore monitoring in CONFIG.\n"
              "There are some warnings: \nVcore Voltage");

    // Opened by another sensor: the hint goes in after the first line break.
    m_context.listWindowShown = false;
    m_context.messageText.clear();
    Onset("CPU", SensorKind::Temperature);
    state = false;
    Apply(Evaluate(CoreVoltage(2.0f), state).effects);
    EXPECT_EQ(m_context.messageText,
              "Vantor Message:\nAMD CnQ is enabled. You can disable VCore monitoring in CONFIG.\n"
              "There are some warnings: \nCPU Temperature, Vcore Voltage");
}

TEST_F(MessageFixture, CoolnQuietOffOrOtherSensorGetsNoHint)
{
    bool state = false;
    Apply(Evaluate(CoreVoltage(2.0f), state).effects);
    EXPECT_EQ(m_context.messageText, "Vantor Message:\n\nThere are some warnings: \nVcore Voltage");
}

}  // namespace
}  // namespace vantor::monitor::alarm
