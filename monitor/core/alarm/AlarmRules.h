// The alarm rule of each sensor kind with its special cases: the processor
// core voltage under Cool'n'Quiet, fans under automatic fan control, the
// fan hold after a power-profile change, and the hardware-busy wait.
#pragma once

#include <cstdint>
#include <optional>

#include "alarm/AlarmHardware.h"
#include "VantorHw.h"
#include "config/SensorKind.h"

namespace vantor::monitor::alarm {

// Fan control may run a fan slowly; below this processor temperature (or the
// fan's start temperature when the board reports one) a slow fan is fine.
inline constexpr int kFanControlAlarmTemperature = 45;

// Fan evaluations treated as normal after the power profile changed.
inline constexpr int kFanHoldAfterRuvel = 5;

// The threshold as compared: the number the gadget shows, not the stored
// value. Voltages: whole percent, rounded; temperatures: whole degrees C,
// truncated (905 gives 90); fans: whole rpm, truncated.
int ComparedThreshold(SensorKind kind, float threshold);

// Process-wide state the rules carry from one evaluation to the next.
struct RuleState {
    std::optional<bool> cnqState;  // last seen CoolnQuietActive(); empty until first asked
    int fanAlarmHold = 0;          // shared by every fan gadget
};

struct RuleInput {
    SensorKind kind = SensorKind::Temperature;
    std::uint32_t sensorId = 0;
    int comparedThreshold = 0;  // from ComparedThreshold
    float reading = 0.0f;       // volts, degrees C or rpm
    float nominalVoltage = 0.0f;
    bool hardwareBusy = false;
};

struct RuleOutcome {
    bool abnormal = false;
    // Set when Cool'n'Quiet has just been switched off and the core voltage
    // nominal was measured afresh; the gadget keeps it from now on.
    std::optional<float> newNominalVoltage;
};

// The deciding part of an evaluation: initialises the Cool'n'Quiet state when it
// is still empty, applies the kind's rule and its special cases, and forces
// normal while the hardware is busy after a suspend announcement.
RuleOutcome ApplyAlarmRule(const RuleInput& input, RuleState& state, AlarmHardware& hardware);

// The core voltage averaged the way the nominal is first measured: one read,
// then ten times the mean with a fresh read, 50 ms apart.
float MeasureCoreNominal(AlarmHardware& hardware);

}  // namespace vantor::monitor::alarm
