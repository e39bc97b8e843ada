// What an evaluation asks the gadget window and the rest of the program to
// do, in the order they are to be done. The decision is made; the shell only
// performs.
#pragma once

#include <string>
#include <variant>

namespace vantor::monitor::alarm {

// The gadget's nominal voltage becomes this (core voltage re-measured).
struct StoreNominalVoltage {
    float volts = 0.0f;
    bool operator==(const StoreNominalVoltage&) const = default;
};

// The red overlay of the gadget (large or small by the gadget's size).
struct ShowAlarmOverlay {
    bool visible = false;
    bool operator==(const ShowAlarmOverlay&) const = default;
};

// The main panel's warning image.
struct ShowWarningLight {
    bool visible = false;
    bool operator==(const ShowWarningLight&) const = default;
};

// The tray icon's image: 0 quiet, 1 warning.
struct SetTrayImage {
    int index = 0;
    bool operator==(const SetTrayImage&) const = default;
};

// PlayAlertSound: stops any sound, then plays the named one when sound is on.
struct PlayAlertSound {
    std::string name;
    bool operator==(const PlayAlertSound&) const = default;
};

// The gadget's unit picture: its alert variant or its normal one.
struct ShowAlertUnitPicture {
    bool alert = false;
    bool operator==(const ShowAlertUnitPicture&) const = default;
};

enum class DigitColour {
    Green,
    Red
};

// The reading digits, drawn on the gadget's "imgSensor" picture.
struct DrawReading {
    std::string text;
    DigitColour colour = DigitColour::Green;
    bool operator==(const DrawReading&) const = default;
};

// The threshold digits, drawn on the gadget's "imgThreshold" picture (with a
// percent sign for voltages).
struct DrawThreshold {
    std::string text;
    bool operator==(const DrawThreshold&) const = default;
};

// AppendAlertLine with this complete line.
struct AppendLogLine {
    std::string line;
    bool operator==(const AppendLogLine&) const = default;
};

// The alert message label (or the list window's hidden message label)
// becomes this text and is redrawn.
struct SetMessageText {
    std::string text;
    bool operator==(const SetMessageText&) const = default;
};

// The list window opens in message mode, centred and modal. Comes after
// the state is stored: the modal loop lets further ticks evaluate.
struct OpenMessageWindow {
    bool operator==(const OpenMessageWindow&) const = default;
};

using AlarmEffect = std::variant<StoreNominalVoltage, ShowAlarmOverlay, ShowWarningLight, SetTrayImage, PlayAlertSound,
                                 ShowAlertUnitPicture, DrawReading, DrawThreshold, AppendLogLine, SetMessageText,
                                 OpenMessageWindow>;

}  // namespace vantor::monitor::alarm
