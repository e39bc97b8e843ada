// The text of the alert message window: opened by the first onset, then
// extended by the onsets that follow while it is shown.
#pragma once

#include <string>
#include <string_view>

#include "alarm/AlertTexts.h"

namespace vantor::monitor::alarm {

// The first sensor's message; `extra` is the Cool'n'Quiet sentence or empty:
// "Vantor Message:\n" extra "\nThere are some warnings: \n" name " " kind.
std::string ComposeAlertMessage(const AlertTexts& texts, std::string_view extra, std::string_view shortName,
                                SensorKind kind);

// Adds ", name kind" (",\n" before every third addition) while fewer than
// five names have been added since the window opened; `appendCount` starts
// at 1 when the window opens. Returns whether the text changed.
bool AppendAlertName(std::string& text, int& appendCount, std::string_view shortName, SensorKind kind);

// Puts the Cool'n'Quiet sentence right after the first line break unless the
// text already says it: it contains "AMD" or the sentence itself (a
// translation may drop the letters). Returns whether the text changed.
bool InsertCoolnQuietSentence(std::string& text, std::string_view sentence);

}  // namespace vantor::monitor::alarm
