// Run at start-up: the value "Launch Vantor" under the machine-wide Run key,
// the program's quoted path followed by " 1" so that the program knows it
// was started that way. The registry value is the only store of the choice.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor::monitor {

inline constexpr std::string_view kRunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutoStartValueName = "Launch Vantor";

// The seam in front of the Run key.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // The value's text; nullopt when the key or the value cannot be read.
    virtual std::optional<std::string> ReadRunValue() = 0;
    // Opens the key (creating it when missing) and writes the string value.
    virtual bool WriteRunValue(std::string_view data) = 0;
    // Opens the key (creating it when missing) and deletes the value.
    virtual bool DeleteRunValue() = 0;
};

// The text the program writes: "\"<path>\" 1".
std::string AutoStartData(std::string_view programPath);

// On only when the stored text equals ours character for character, letter
// case included; a value pointing elsewhere is left alone.
bool AutoStartIsOn(std::optional<std::string_view> stored, std::string_view programPath);

enum class AutoStartAction {
    WriteValue,
    DeleteValue
};
AutoStartAction AutoStartActionFor(bool newState);

// The state to show at start.
bool ReadAutoStart(RegistryStore& registry, std::string_view programPath);

// Carries out a toggle of the check to newState; the error text when the
// registry refuses.
std::optional<std::string> SetAutoStart(RegistryStore& registry, std::string_view programPath, bool newState);

}  // namespace vantor::monitor
