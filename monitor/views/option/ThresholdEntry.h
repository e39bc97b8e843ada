// What a threshold edit may put into the edit copy. A typed text is taken
// only when it is a whole number whose threshold lies within the sensor's
// MinThreshold..MaxThreshold; anything else is refused with a message for
// the user, so no unreadable or impossible value reaches the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/SensorConfig.h"

namespace vantor::views {

struct ThresholdField {
    monitor::SensorKind kind = monitor::SensorKind::Temperature;
    monitor::TemperatureScale scale = monitor::TemperatureScale::Celsius;
    monitor::SensorConfig limits;  // MinThreshold and MaxThreshold are used
};

struct ThresholdEntry {
    std::optional<float> threshold;  // in the configuration's unit, when accepted
    std::string refusal;             // the message to show, when refused
};

ThresholdEntry ReadThresholdEntry(std::string_view text, const ThresholdField& field);

// The whole numbers the field accepts, for the line beside the paging:
// "Threshold 35 to 95 C"; empty when none can be typed.
std::string ThresholdRangeText(const ThresholdField& field);

// One threshold edit while it has the focus. Typing changes the text a
// character at a time, so a number on its way ("1" of "1500") is not yet
// acceptable: a refused text leaves the threshold the field had on entry in
// the edit copy, and the refusal is shown only when the focus leaves.
class ThresholdEdit {
public:
    // The focus arrives in the field; `stored` is its sensor's edit threshold.
    void Enter(float stored);
    // A key was typed into the field (texts the window sets itself are not
    // typing and change nothing).
    void KeyTyped() { m_typed = true; }
    // The text changed: nothing to do when it was not typed; otherwise the
    // value the sensor's edit threshold takes.
    std::optional<float> Changed(std::string_view text, const ThresholdField& field);

    struct Refusal {
        std::string message;
        std::string restoredText;  // the entry value, back into the field
    };
    // The focus leaves (or Apply is pressed while it is there).
    std::optional<Refusal> Leave(std::string_view text, const ThresholdField& field);

private:
    std::optional<float> m_entry;
    bool m_typed = false;
};

}  // namespace vantor::views
