// One evaluation of one sensor gadget: compares the latest reading with the
// committed threshold and returns the gadget's new state, the new shared
// alarm state and the effects for the shell to perform, in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "alarm/AlarmEffect.h"
#include "alarm/AlarmHardware.h"
#include "alarm/AlarmRules.h"
#include "alarm/AlertTexts.h"
#include "alarm/Temperature.h"

namespace vantor::monitor::alarm {

inline constexpr unsigned kMaxGadgets = 32;  // one bit each in SharedAlarmState::alarmMask

// Whether a byte starts a double-byte character (IsDBCSLeadByte on Windows).
using LeadBytePredicate = bool (*)(unsigned char);

// Process-wide alarm state shared by all gadgets.
struct SharedAlarmState {
    std::uint32_t alarmMask = 0;  // bit gadgetIndex set while that gadget is abnormal
    RuleState rules;              // the Cool'n'Quiet state and the fan hold after a profile change
    int messageAppendCount = 1;   // AppendAlertName's count of names in the message text
};

// The gadget's sensor as it stands at this evaluation.
struct GadgetSensor {
    unsigned gadgetIndex = 0;  // the gadget window's running index, below kMaxGadgets
    SensorKind kind = SensorKind::Temperature;
    std::uint32_t sensorId = 0;
    float threshold = 0.0f;  // committed Threshold: percent, tenths of a degree C, rpm
    bool enabled = true;     // committed Enabled
    float reading = 0.0f;    // volts, degrees C, rpm
    float nominalVoltage = 0.0f;
    std::string shortName;  // the sensor's shown name (SensorTable::ShortName)
};

// The rest of the program as this evaluation sees it.
struct EvaluationContext {
    TemperatureScale scale = TemperatureScale::Celsius;
    bool hardwareBusy = false;
    bool alertEnabled = true;       // committed "bEnableAlert"
    bool messageBoxEnabled = true;  // committed "bEnableMBox"
    bool listWindowShown = false;
    std::string messageText;  // the list window's message label while it is shown
    std::string dateText;     // FormatAlertDate of the local time now
    AlertTexts texts;
    LeadBytePredicate isLeadByte = nullptr;  // the code page's lead bytes; null for single-byte pages
};

struct Evaluation {
    bool alarmState = false;  // whether the gadget is abnormal after this evaluation
    SharedAlarmState shared;
    std::vector<AlarmEffect> effects;
};

// The head of a log line, "[date] name kind event", bounded to 255 bytes
// as it always was. A longer head (only very long translations make one) is
// cut there, and one byte earlier when the cut would split a double-byte
// character of the system code page.
std::string FormatLogHead(std::string_view dateText, std::string_view shortName, std::string_view kindName,
                          std::string_view event, LeadBytePredicate isLeadByte = nullptr);

// The shell stores alarmState and shared before it performs the effects, so
// that an evaluation running inside the modal message window sees them.
Evaluation EvaluateSensor(bool alarmState, const SharedAlarmState& shared, const GadgetSensor& sensor,
                          const EvaluationContext& context, AlarmHardware& hardware);

}  // namespace vantor::monitor::alarm
