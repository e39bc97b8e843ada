#include "alarm/EvaluateSensor.h"

#include <array>
#include <cstdio>

#include "alarm/AlertMessage.h"
#include "alarm/ReadingText.h"
#include "config/NumberConversion.h"

namespace vantor::monitor::alarm {
namespace {

// Gadgets past the mask's width are evaluated and drawn but own no bit.
std::uint32_t GadgetBit(unsigned gadgetIndex)
{
    return gadgetIndex < kMaxGadgets ? std::uint32_t{1} << gadgetIndex : 0;
}

const char* UnitText(SensorKind kind, TemperatureScale scale)
{
    switch (kind) {
    case SensorKind::Voltage:
        return "V";
    case SensorKind::Temperature:
        return scale == TemperatureScale::Fahrenheit ? "Degree F" : "degrees centigrade";
    case SensorKind::Fan:
        break;
    }
    return "RPM";
}

int ValueDecimals(SensorKind kind) { return kind == SensorKind::Voltage ? 2 : 0; }

void AddMessageEffects(const GadgetSensor& sensor, const EvaluationContext& context, SharedAlarmState& shared,
                       AlarmHardware& hardware, std::vector<AlarmEffect>& effects)
{
    const bool coreVoltage = sensor.sensorId == OC_ITEM_CORE_VOLTAGE;
    std::string text;
    bool changed = false;
    bool open = false;
    if (!context.listWindowShown) {
        const bool cnq = coreVoltage && hardware.CoolnQuietActive();
        text = ComposeAlertMessage(context.texts, cnq ? context.texts.coolnQuiet : std::string(), sensor.shortName,
                                   sensor.kind);
        shared.messageAppendCount = 1;
        changed = true;
        open = true;
    } else {
        text = context.messageText;
        changed = AppendAlertName(text, shared.messageAppendCount, sensor.shortName, sensor.kind);
    }
    if (coreVoltage && hardware.CoolnQuietActive())
        changed = InsertCoolnQuietSentence(text, context.texts.coolnQuiet) || changed;
    if (changed)
        effects.emplace_back(SetMessageText{std::move(text)});
    if (open)
        effects.emplace_back(OpenMessageWindow{});
}

}  // namespace

std::string FormatLogHead(std::string_view dateText, std::string_view shortName, std::string_view kindName,
                          std::string_view event, LeadBytePredicate isLeadByte)
{
    std::array<char, 256> head{};
    std::snprintf(head.data(), head.size(), "[%.*s] %.*s %.*s %.*s", static_cast<int>(dateText.size()), dateText.data(),
                  static_cast<int>(shortName.size()), shortName.data(), static_cast<int>(kindName.size()),
                  kindName.data(), static_cast<int>(event.size()), event.data());
    std::string text = head.data();
    if (isLeadByte != nullptr) {
        std::size_t i = 0;
        while (i < text.size())
            i += isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i > text.size())
            text.pop_back();  // a lead byte whose trail byte was cut off
    }
    return text;
}

Evaluation EvaluateSensor(bool alarmState, const SharedAlarmState& shared, const GadgetSensor& sensor,
                          const EvaluationContext& context, AlarmHardware& hardware)
{
    Evaluation result{alarmState, shared, {}};
    std::vector<AlarmEffect>& effects = result.effects;
    const std::uint32_t bit = GadgetBit(sensor.gadgetIndex);

    if (!sensor.enabled) {
        result.shared.alarmMask &= ~bit;
        if (result.shared.alarmMask == 0)
            effects.emplace_back(ShowWarningLight{false});
        return result;
    }

    const int threshold = ComparedThreshold(sensor.kind, sensor.threshold);
    RuleInput input;
    input.kind = sensor.kind;
    input.sensorId = sensor.sensorId;
    input.comparedThreshold = threshold;
    input.reading = sensor.reading;
    input.nominalVoltage = sensor.nominalVoltage;
    input.hardwareBusy = context.hardwareBusy;
    const RuleOutcome outcome = ApplyAlarmRule(input, result.shared.rules, hardware);
    const bool abnormal = outcome.abnormal;
    if (outcome.newNominalVoltage)
        effects.emplace_back(StoreNominalVoltage{*outcome.newNominalVoltage});

    effects.emplace_back(ShowAlarmOverlay{abnormal});

    const bool onset = abnormal && !alarmState;
    const bool recovery = !abnormal && alarmState;
    if (abnormal) {
        result.shared.alarmMask |= bit;
        effects.emplace_back(ShowWarningLight{true});
        effects.emplace_back(SetTrayImage{1});
    } else {
        result.shared.alarmMask &= ~bit;
        const bool warning = result.shared.alarmMask != 0;
        effects.emplace_back(ShowWarningLight{warning});
        if (!warning)
            effects.emplace_back(SetTrayImage{0});
    }
    if (onset)
        effects.emplace_back(PlayAlertSound{"Warning"});
    if (onset || recovery)
        effects.emplace_back(ShowAlertUnitPicture{abnormal});
    result.alarmState = abnormal;

    // Temperatures are compared in Celsius and shown in the chosen scale.
    std::string valueText;
    std::string thresholdText;
    if (sensor.kind == SensorKind::Temperature && context.scale == TemperatureScale::Fahrenheit) {
        valueText = FormatReading(CelsiusToFahrenheit(TruncateToInt(sensor.reading)), 0);
        thresholdText = FormatReading(CelsiusToFahrenheit(threshold), 0);
    } else {
        valueText = FormatReading(sensor.reading, ValueDecimals(sensor.kind));
        thresholdText = FormatReading(threshold, 0);
    }
    effects.emplace_back(DrawReading{valueText, abnormal ? DigitColour::Red : DigitColour::Green});
    effects.emplace_back(DrawThreshold{thresholdText});

    if (onset || recovery) {
        std::string line =
                FormatLogHead(context.dateText, sensor.shortName, context.texts.KindName(sensor.kind),
                              onset ? context.texts.abnormal : context.texts.becomeNormal, context.isLeadByte);
        line += ", ";
        line += valueText;
        line += " ";
        line += UnitText(sensor.kind, context.scale);
        effects.emplace_back(AppendLogLine{std::move(line)});
    }

    if (onset && context.messageBoxEnabled && context.alertEnabled)
        AddMessageEffects(sensor, context, result.shared, hardware, effects);
    return result;
}

}  // namespace vantor::monitor::alarm
