// The sensor settings file "vantor.dat" beside the program and the profiles
// ("*.vtp") the user saves and loads: one INI format, written key by key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigHardware.h"
#include "config/EditCopy.h"
#include "config/ProfileStore.h"
#include "config/SensorConfig.h"

namespace vantor::monitor {

inline constexpr std::string_view kSettingsFileName = "vantor.dat";
inline constexpr std::string_view kSensorSection = "OPTION_SENSOR";
inline constexpr std::string_view kSettingSection = "OPTION_SETTING";

// The settings file's path: the program's folder (with its trailing
// separator) followed by "vantor.dat".
std::string SettingsFilePath(std::string_view programFolder);

// Writes the committed configuration: temperatures, voltages, fans, then the
// global settings. Stops at the first refused write and answers its error
// text ("Unable to write to <path>"); nullopt when all was written.
std::optional<std::string> SaveSettings(ProfileStore& store, std::string_view path, const SensorConfiguration& config);

// Reads a settings file or profile into the committed configuration (missing
// keys and values that are no integer keep their defaults), then reverts the
// edit copy and commits it, which clamps what the file held.
CommitResult LoadSettings(ProfileStore& store, std::string_view path, SensorConfiguration& config,
                          ConfigHardware& hardware, const FanControlCommit& fanControl);

}  // namespace vantor::monitor
