#include "config/SettingsFile.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "VantorHw.h"
#include "config/NumberConversion.h"

namespace vantor::monitor {
namespace {

constexpr std::int32_t kKelvaneOn = 2;

// Kinds in file order. All section and key names of this file stay letter
// for letter as existing vantor.dat and profile files hold them
// ("nrTempScale", "tmrGetSensorAll" for the polling interval, ...).
struct KindKeys {
    SensorKind Kind;
    std::string_view Prefix;
};
constexpr std::array<KindKeys, 3> kFileOrder{{
        {SensorKind::Temperature, "Temp"},
        {SensorKind::Voltage, "Volt"},
        {SensorKind::Fan, "Fan"},
}};

std::string SensorKey(std::string_view prefix, std::size_t index, std::string_view field)
{
    return std::string(prefix) + std::to_string(index) + std::string(field);
}

std::string_view BoolText(bool value) { return value ? "1" : "0"; }

// Stops writing after the first refusal and remembers it.
class Writer {
public:
    Writer(ProfileStore& store, std::string_view path) : m_store(store), m_path(path) {}

    void Write(std::string_view section, std::string_view key, std::string_view value)
    {
        if (!m_failed && !m_store.WriteString(m_path, section, key, value))
            m_failed = true;
    }
    void Write(std::string_view section, std::string_view key, std::int64_t value)
    {
        Write(section, key, FormatInteger(value));
    }

    std::optional<std::string> Error() const
    {
        if (m_failed)
            return WriteErrorText(m_path);
        return std::nullopt;
    }

private:
    ProfileStore& m_store;
    std::string_view m_path;
    bool m_failed = false;
};

class Reader {
public:
    Reader(ProfileStore& store, std::string_view path) : m_store(store), m_path(path) {}

    std::int32_t Integer(std::string_view section, std::string_view key, std::int32_t fallback)
    {
        // An absent key reads as the empty text, which is no integer.
        return ParseIntegerOr(m_store.ReadString(m_path, section, key, ""), fallback);
    }
    bool Boolean(std::string_view section, std::string_view key, bool fallback)
    {
        return Integer(section, key, fallback ? 1 : 0) != 0;
    }
    std::string Text(std::string_view section, std::string_view key, std::string_view fallback)
    {
        return m_store.ReadString(m_path, section, key, fallback);
    }

private:
    ProfileStore& m_store;
    std::string_view m_path;
};

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool DefaultEnabled(SensorKind kind, std::size_t index, const SensorDescriptor& descriptor, ConfigHardware& hardware)
{
    switch (kind) {
    case SensorKind::Voltage:
        if (index == 0 && hardware.CoolnQuietActive()) {
            // Under Cool'n'Quiet the core voltage is watched only when the
            // processor tells its own range.
            float maximum = 0.0f;
            float minimum = 0.0f;
            return hardware.GetCpuVoltRange(maximum, minimum);
        }
        return true;
    case SensorKind::Temperature:
        return true;
    case SensorKind::Fan:
        break;
    }
    // A fan that stands still now is not watched unless the file says so.
    return hardware.ReadSensor(descriptor.Id) != 0.0f;
}

TemperatureScale ScaleFrom(std::int32_t value)
{
    return value == static_cast<std::int32_t>(TemperatureScale::Fahrenheit) ? TemperatureScale::Fahrenheit
                                                                            : TemperatureScale::Celsius;
}

}  // namespace

std::string SettingsFilePath(std::string_view programFolder)
{
    return std::string(programFolder) + std::string(kSettingsFileName);
}

std::optional<std::string> SaveSettings(ProfileStore& store, std::string_view path, const SensorConfiguration& config)
{
    Writer writer(store, path);
    for (const KindKeys& keys : kFileOrder) {
        const SensorTable& table = config.Table(keys.Kind);
        for (std::size_t i = 0; i < table.Count(); ++i) {
            const SensorConfig& sensor = table.Configs[i];
            writer.Write(kSensorSection, SensorKey(keys.Prefix, i, "Enable"), BoolText(sensor.Enabled != 0));
            writer.Write(kSensorSection, SensorKey(keys.Prefix, i, "Threshold"), TruncateToInt(sensor.Threshold));
            if (keys.Kind == SensorKind::Fan)
                writer.Write(kSensorSection, SensorKey(keys.Prefix, i, "SensorName"), BufferText(table.ShortName[i]));
        }
    }
    const GlobalSettings& settings = config.Committed;
    writer.Write(kSettingSection, "nrTempScale", static_cast<std::int32_t>(settings.Scale));
    writer.Write(kSettingSection, "bEnableAlert", BoolText(settings.EnableAlert));
    writer.Write(kSettingSection, "bEnableMBox", BoolText(settings.EnableMBox));
    writer.Write(kSettingSection, "bEnableSound", BoolText(settings.EnableSound));
    writer.Write(kSettingSection, "bEnableKelvane", BoolText(settings.EnableKelvane));
    writer.Write(kSettingSection, "bEnableChKelvane", BoolText(settings.EnableChKelvane));
    writer.Write(kSettingSection, "nVolume", settings.Volume);
    writer.Write(kSettingSection, "tmrGetSensorAll", settings.PollingIntervalMs);
    writer.Write(kSettingSection, "nKelvaneTargetIdx", settings.KelvaneTargetIdx);
    writer.Write(kSettingSection, "nChKelvaneTargetIdx", settings.ChKelvaneTargetIdx);
    return writer.Error();
}

CommitResult LoadSettings(ProfileStore& store, std::string_view path, SensorConfiguration& config,
                          ConfigHardware& hardware, const FanControlCommit& fanControl)
{
    Reader reader(store, path);
    for (const KindKeys& keys : kFileOrder) {
        SensorTable& table = config.Table(keys.Kind);
        for (std::size_t i = 0; i < table.Count(); ++i) {
            SensorConfig& sensor = table.Configs[i];
            const bool enabledDefault = DefaultEnabled(keys.Kind, i, table.Descriptors[i], hardware);
            sensor.Enabled =
                    reader.Boolean(kSensorSection, SensorKey(keys.Prefix, i, "Enable"), enabledDefault) ? 1 : 0;
            sensor.Threshold = static_cast<float>(reader.Integer(kSensorSection, SensorKey(keys.Prefix, i, "Threshold"),
                                                                 TruncateToInt(sensor.Threshold)));
            if (keys.Kind == SensorKind::Fan) {
                const std::string name = std::string(BufferText(table.ShortName[i]));
                CopyCut(reader.Text(kSensorSection, SensorKey(keys.Prefix, i, "SensorName"), name), table.ShortName[i]);
            }
        }
    }

    GlobalSettings& settings = config.Committed;
    settings.Scale = ScaleFrom(reader.Integer(kSettingSection, "nrTempScale", 1));
    config.Edit.Scale = settings.Scale;
    settings.EnableAlert = reader.Boolean(kSettingSection, "bEnableAlert", true);
    settings.EnableMBox = reader.Boolean(kSettingSection, "bEnableMBox", true);
    settings.EnableSound = reader.Boolean(kSettingSection, "bEnableSound", true);
    if (FileNameOf(path) == kSettingsFileName) {
        // The program's own file follows the hardware; profiles carry their own.
        settings.EnableKelvane = hardware.GetKelvaneInfo(OC_ITEM_CPU_KELVANE) == kKelvaneOn;
        settings.EnableChKelvane = hardware.GetKelvaneInfo(OC_ITEM_CHASSIS_KELVANE) == kKelvaneOn;
    } else {
        settings.EnableKelvane = reader.Boolean(kSettingSection, "bEnableKelvane", false);
        settings.EnableChKelvane = reader.Boolean(kSettingSection, "bEnableChKelvane", false);
    }
    settings.KelvaneTargetIdx = reader.Integer(kSettingSection, "nKelvaneTargetIdx", settings.KelvaneTargetIdx);
    settings.ChKelvaneTargetIdx = reader.Integer(kSettingSection, "nChKelvaneTargetIdx", settings.ChKelvaneTargetIdx);
    settings.Volume = std::clamp(reader.Integer(kSettingSection, "nVolume", kDefaultVolume), 0, kMaxVolume);
    // The interval runs in whole seconds within 1..120 even when the commit
    // below is abandoned: an interval of 0 would spin the reading thread.
    const std::int32_t seconds = reader.Integer(kSettingSection, "tmrGetSensorAll", kDefaultPollingIntervalMs) / 1000;
    settings.PollingIntervalMs = std::clamp(seconds, kMinIntervalSeconds, kMaxIntervalSeconds) * 1000;

    ConfigEffects effects = RevertEdits(config);
    CommitResult result = CommitEdits(config, fanControl);
    effects.insert(effects.end(), result.Effects.begin(), result.Effects.end());
    ApplyAlertingRule(config);
    effects.push_back({ConfigEffectKind::RedrawCheckImages});
    effects.push_back({ConfigEffectKind::UpdateAlertControls});
    effects.push_back({ConfigEffectKind::MarkUnchanged});
    result.Effects = std::move(effects);
    return result;
}

}  // namespace vantor::monitor
