// The user-visible texts of the alarm actions, already translated by the
// shell (English by default). Unit texts and the kind names inside the
// alert message stay English.
#pragma once

#include <string>
#include <string_view>

#include "alarm/AlarmRules.h"

namespace vantor::monitor::alarm {

struct AlertTexts {
    std::string voltage = "Voltage";
    std::string temperature = "Temperature";
    std::string fan = "Fan";
    std::string abnormal = "Abnormal";
    std::string becomeNormal = "become normal";
    std::string vantorMessage = "Vantor Message";
    std::string someWarnings = "There are some warnings";
    std::string coolnQuiet = "AMD CnQ is enabled. You can disable VCore monitoring in CONFIG.";

    const std::string& KindName(SensorKind kind) const
    {
        switch (kind) {
        case SensorKind::Voltage:
            return voltage;
        case SensorKind::Temperature:
            return temperature;
        case SensorKind::Fan:
            break;
        }
        return fan;
    }
};

// The kind names as the alert message lists them (never translated there).
constexpr std::string_view EnglishKindName(SensorKind kind)
{
    switch (kind) {
    case SensorKind::Voltage:
        return "Voltage";
    case SensorKind::Temperature:
        return "Temperature";
    case SensorKind::Fan:
        break;
    }
    return "Fan";
}

}  // namespace vantor::monitor::alarm
