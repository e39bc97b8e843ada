#include "alarm/AlarmRules.h"

#include "alarm/ReadingText.h"
#include "config/NumberConversion.h"

namespace vantor::monitor::alarm {
namespace {

bool OutsideBand(float reading, int threshold, double high, double low)
{
    // Both bounds count as abnormal; computed in double from the whole percent.
    return reading >= (threshold + 100) * high * 0.01 || reading <= (100 - threshold) * low * 0.01;
}

// The band lies around the nominal with its width taken from the nominal's
// size, so a negative rail (-12 V, -5 V) is judged like a positive one: its
// upper bound is the one nearer zero.
bool OutsideNominalBand(float reading, int threshold, double nominal)
{
    if (nominal >= 0)
        return OutsideBand(reading, threshold, nominal, nominal);
    return reading >= (100 - threshold) * nominal * 0.01 || reading <= (threshold + 100) * nominal * 0.01;
}

RuleOutcome VoltageRule(const RuleInput& input, RuleState& state, AlarmHardware& hardware)
{
    RuleOutcome outcome;
    outcome.abnormal = OutsideNominalBand(input.reading, input.comparedThreshold, input.nominalVoltage);
    if (input.sensorId != OC_ITEM_CORE_VOLTAGE || !hardware.HasCpuVoltRange())
        return outcome;

    // Cool'n'Quiet moves the core voltage across the processor's whole range,
    // so that range replaces the nominal band while it is on.
    float maximum = 0.0f;
    float minimum = 0.0f;
    if (hardware.GetCpuVoltRange(maximum, minimum) && hardware.CoolnQuietActive())
        outcome.abnormal = OutsideBand(input.reading, input.comparedThreshold, maximum, minimum);

    // Just switched off: the voltage settles at a new nominal.
    if (!hardware.CoolnQuietActive() && state.cnqState.value_or(false)) {
        outcome.newNominalVoltage = MeasureCoreNominal(hardware);
        outcome.abnormal = false;
    }
    state.cnqState = hardware.CoolnQuietActive();
    return outcome;
}

bool FanRule(const RuleInput& input, RuleState& state, AlarmHardware& hardware)
{
    if (hardware.CheckRuvel()) {
        state.fanAlarmHold = kFanHoldAfterRuvel;
        return false;
    }
    if (state.fanAlarmHold > 0) {
        --state.fanAlarmHold;
        return false;
    }
    if (input.reading > static_cast<float>(input.comparedThreshold))
        return false;

    const bool cpuFan = input.sensorId == OC_ITEM_CPU_FAN;
    const std::uint32_t item = cpuFan ? OC_ITEM_CPU_KELVANE : OC_ITEM_CHASSIS_KELVANE;
    if (hardware.GetKelvaneInfo(item) != 2)
        return true;

    const int temperature =
            TruncateToInt(hardware.ReadSensor(cpuFan ? OC_ITEM_CPU_TEMPERATURE : OC_ITEM_BOARD_TEMPERATURE));
    bool abnormal = temperature >= kFanControlAlarmTemperature;
    if (hardware.HasFanStartTemp()) {
        std::int32_t start = 0;
        if (hardware.GetFanStartTemp(item, start))
            abnormal = temperature >= start;
    }
    return abnormal;
}

}  // namespace

int ComparedThreshold(SensorKind kind, float threshold)
{
    switch (kind) {
    case SensorKind::Voltage:
        return RoundToInt(threshold);
    case SensorKind::Temperature:
        return TruncateToInt(threshold) / 10;
    case SensorKind::Fan:
        return TruncateToInt(threshold);
    }
    return TruncateToInt(threshold);
}

float MeasureCoreNominal(AlarmHardware& hardware)
{
    float volts = hardware.ReadSensor(OC_ITEM_CORE_VOLTAGE);
    for (int i = 0; i < 10; ++i) {
        volts = (volts + hardware.ReadSensor(OC_ITEM_CORE_VOLTAGE)) * 0.5f;
        hardware.Sleep(50);
    }
    return volts;
}

RuleOutcome ApplyAlarmRule(const RuleInput& input, RuleState& state, AlarmHardware& hardware)
{
    if (!state.cnqState)
        state.cnqState = hardware.CoolnQuietActive();

    RuleOutcome outcome;
    switch (input.kind) {
    case SensorKind::Voltage:
        outcome = VoltageRule(input, state, hardware);
        break;
    case SensorKind::Temperature:
        outcome.abnormal = input.reading >= static_cast<float>(input.comparedThreshold);
        break;
    case SensorKind::Fan:
        outcome.abnormal = FanRule(input, state, hardware);
        break;
    }
    if (input.hardwareBusy)
        outcome.abnormal = false;
    return outcome;
}

}  // namespace vantor::monitor::alarm
