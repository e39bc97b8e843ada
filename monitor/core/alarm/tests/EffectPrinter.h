// Readable alarm effects in test failure messages.
#pragma once

#include <ostream>
#include <type_traits>
#include <variant>

#include "alarm/AlarmEffect.h"

namespace vantor::monitor::alarm {

template <typename T, typename Variant>
struct IsAlternativeOf;
template <typename T, typename... Alternatives>
struct IsAlternativeOf<T, std::variant<Alternatives...>>
    : std::bool_constant<(std::is_same_v<T, Alternatives> || ...)> {};

// GoogleTest prints the variant and finds these for its alternatives.
template <typename T>
requires IsAlternativeOf<T, AlarmEffect>::value void PrintTo(const T& e, std::ostream* out)
{
    if constexpr (std::is_same_v<T, StoreNominalVoltage>)
        *out << "StoreNominalVoltage{" << e.volts << "}";
    else if constexpr (std::is_same_v<T, ShowAlarmOverlay>)
        *out << "ShowAlarmOverlay{" << e.visible << "}";
    else if constexpr (std::is_same_v<T, ShowWarningLight>)
        *out << "ShowWarningLight{" << e.visible << "}";
    else if constexpr (std::is_same_v<T, SetTrayImage>)
        *out << "SetTrayImage{" << e.index << "}";
    else if constexpr (std::is_same_v<T, PlayAlertSound>)
        *out << "PlayAlertSound{" << e.name << "}";
    else if constexpr (std::is_same_v<T, ShowAlertUnitPicture>)
        *out << "ShowAlertUnitPicture{" << e.alert << "}";
    else if constexpr (std::is_same_v<T, DrawReading>)
        *out << "DrawReading{" << e.text << (e.colour == DigitColour::Red ? ", red}" : ", green}");
    else if constexpr (std::is_same_v<T, DrawThreshold>)
        *out << "DrawThreshold{" << e.text << "}";
    else if constexpr (std::is_same_v<T, AppendLogLine>)
        *out << "AppendLogLine{" << e.line << "}";
    else if constexpr (std::is_same_v<T, SetMessageText>)
        *out << "SetMessageText{" << e.text << "}";
    else
        *out << "OpenMessageWindow{}";
}

}  // namespace vantor::monitor::alarm
