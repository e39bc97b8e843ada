// The sensor configuration: per sensor the committed threshold and enable
// flag that the alarm logic uses, the edit copy that the options window
// shows, and the global settings with their edit copy.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "VantorHw.h"
#include "config/SensorKind.h"
#include "config/TemperatureScale.h"

namespace vantor::monitor {

// Shown names: 9 characters and the NUL. Fan names in the edit copy: 29 and the NUL.
inline constexpr std::size_t kShortNameSize = 10;
inline constexpr std::size_t kEditFanNameSize = 30;
using ShortNameBuffer = std::array<char, kShortNameSize>;
using EditFanNameBuffer = std::array<char, kEditFanNameSize>;

// Copies text into a fixed buffer, cut at size - 1 characters and NUL-filled.
void CopyCut(std::string_view text, std::span<char> dest);
// The text of a NUL-terminated fixed buffer (the whole buffer when unterminated).
std::string_view BufferText(std::span<const char> buffer);

// Thresholds: voltages in percent of the nominal voltage, temperatures in
// tenths of a degree Celsius, fans in rpm.
struct SensorConfig {
    float MaxThreshold = 0.0f;
    float MinThreshold = 0.0f;
    float Threshold = 0.0f;
    std::uint8_t Enabled = 0;
};

// The sensors of one kind; index i everywhere belongs to descriptor i.
struct SensorTable {
    SensorKind Kind = SensorKind::Voltage;
    std::span<const SensorDescriptor> Descriptors;  // owned by the hardware library
    std::vector<ShortNameBuffer> ShortName;
    std::vector<SensorConfig> Configs;
    std::vector<float> EditThreshold;
    std::vector<std::uint8_t> EditEnabled;
    std::vector<EditFanNameBuffer> EditFanName;  // fans only

    std::size_t Count() const { return Descriptors.size(); }
};

SensorTable MakeSensorTable(SensorKind kind, std::span<const SensorDescriptor> descriptors);

inline constexpr std::int32_t kDefaultVolume = 60;
inline constexpr std::int32_t kMaxVolume = 99;  // percent
inline constexpr std::int32_t kDefaultPollingIntervalMs = 5000;

struct GlobalSettings {
    TemperatureScale Scale = TemperatureScale::Celsius;
    bool EnableAlert = true;
    bool EnableMBox = true;
    bool EnableSound = true;
    bool EnableKelvane = false;
    bool EnableChKelvane = false;
    std::int32_t Volume = kDefaultVolume;
    std::int32_t PollingIntervalMs = kDefaultPollingIntervalMs;
    std::int32_t KelvaneTargetIdx = 0;
    std::int32_t ChKelvaneTargetIdx = 0;
};

// What the options window's settings page edits; the interval and volume are
// the texts of their edit fields (the interval in whole seconds).
struct GlobalEdits {
    TemperatureScale Scale = TemperatureScale::Celsius;
    bool EnableAlert = true;
    bool EnableMBox = true;
    bool EnableSound = true;
    bool EnableKelvane = false;
    bool EnableChKelvane = false;
    std::string IntervalField = "5";
    std::string VolumeField = "60";
};

struct SensorConfiguration {
    SensorTable Voltage{SensorKind::Voltage, {}, {}, {}, {}, {}, {}};
    SensorTable Temperature{SensorKind::Temperature, {}, {}, {}, {}, {}, {}};
    SensorTable Fan{SensorKind::Fan, {}, {}, {}, {}, {}, {}};
    std::vector<float> NominalVoltage;  // volts, one per voltage sensor
    GlobalSettings Committed;
    GlobalEdits Edit;
    // Set from program start until the end of the first CommitEdits: no
    // fan-control calls to the hardware before the settings are loaded.
    bool StartupPhase = true;

    SensorTable& Table(SensorKind kind);
    const SensorTable& Table(SensorKind kind) const;
};

// Tables sized for the enumerated sensors; all values still zero.
SensorConfiguration MakeSensorConfiguration(std::span<const SensorDescriptor> voltages,
                                            std::span<const SensorDescriptor> temperatures,
                                            std::span<const SensorDescriptor> fans);

}  // namespace vantor::monitor
