#include "config/ConfigFlows.h"

#include <algorithm>
#include <cctype>

#include "config/NumberConversion.h"
#include "config/SensorDefaults.h"
#include "config/SettingsFile.h"

namespace vantor::monitor {
FlowResult DefaultFlow(SensorConfiguration& config, ConfigHardware& hardware, ProfileStore& store,
                       std::string_view settingsPath, const Confirm& confirm)
{
    FlowResult result;
    if (!confirm(kDefaultQuestion))
        return result;

    BuildDefaults(config, SensorKind::Temperature, hardware);
    BuildDefaults(config, SensorKind::Voltage, hardware);
    BuildDefaults(config, SensorKind::Fan, hardware);
    ConfigEffects& effects = result.Effects;
    effects.push_back({ConfigEffectKind::RedrawSensorPage});
    effects.push_back({ConfigEffectKind::SendGadgetRefresh});

    GlobalSettings& committed = config.Committed;
    GlobalEdits& edit = config.Edit;
    edit.IntervalField = FormatInteger(kDefaultPollingIntervalMs / 1000);
    committed.PollingIntervalMs = kDefaultPollingIntervalMs;
    effects.push_back({ConfigEffectKind::SetReadingInterval, kDefaultPollingIntervalMs});

    committed.EnableAlert = edit.EnableAlert = true;
    committed.EnableMBox = edit.EnableMBox = true;
    committed.EnableSound = edit.EnableSound = true;
    ApplyAlertingRule(config);
    effects.push_back({ConfigEffectKind::UpdateAlertControls});
    effects.push_back({ConfigEffectKind::RedrawCheckImages});

    committed.Scale = edit.Scale = TemperatureScale::Celsius;
    effects.push_back({ConfigEffectKind::RedrawScaleImages});
    effects.push_back({ConfigEffectKind::SendGadgetUnits});

    committed.Volume = kDefaultVolume;
    edit.VolumeField = FormatInteger(kDefaultVolume);
    effects.push_back({ConfigEffectKind::SetWaveVolume, kDefaultVolume});

    effects.push_back({ConfigEffectKind::ShowHideGadgets});
    result.Error = SaveSettings(store, settingsPath, config);
    if (result.Error)
        return result;
    effects.push_back({ConfigEffectKind::RaiseOptionsWindow});
    effects.push_back({ConfigEffectKind::MarkUnchanged});
    result.Completed = true;
    return result;
}

std::string NormalizeIntervalField(std::string_view field) { return FormatInteger(IntervalSecondsFromField(field)); }

FlowResult ApplyFlow(SensorConfiguration& config, ProfileStore& store, std::string_view settingsPath,
                     const Confirm& confirm, const FanControlCommit& fanControl)
{
    FlowResult result;
    if (!confirm(kApplyQuestion))
        return result;
    config.Edit.IntervalField = NormalizeIntervalField(config.Edit.IntervalField);
    CommitResult commit = CommitEdits(config, fanControl);
    if (commit.Aborted)
        return result;  // the Apply image stays "changed"
    result.Effects = std::move(commit.Effects);
    result.Effects.push_back({ConfigEffectKind::ShowHideGadgets});
    result.Error = SaveSettings(store, settingsPath, config);
    if (result.Error)
        return result;
    result.Effects.push_back({ConfigEffectKind::PostFanSettingsChanged});
    result.Effects.push_back({ConfigEffectKind::RaiseOptionsWindow});
    result.Effects.push_back({ConfigEffectKind::MarkUnchanged});
    result.Completed = true;
    return result;
}

FlowResult CancelFlow(SensorConfiguration& config, bool changed)
{
    FlowResult result;
    result.Completed = true;
    if (changed) {
        result.Effects = RevertEdits(config);
        result.Effects.push_back({ConfigEffectKind::ReReadFanControlTarget});
    }
    result.Effects.push_back({ConfigEffectKind::CloseOptionsWindow});
    if (changed)
        result.Effects.push_back({ConfigEffectKind::MarkUnchanged});
    return result;
}

std::string ProfilePathFor(std::string_view chosen)
{
    const std::size_t separator = chosen.find_last_of("\\/");
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::size_t dot = chosen.find_last_of('.');
    std::string extension;
    if (dot != std::string_view::npos && dot >= nameStart)
        extension = std::string(chosen.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string path(chosen);
    if (extension != kProfileExtension)
        path += kProfileExtension;
    return path;
}

FlowResult SaveAsFlow(const SensorConfiguration& config, ProfileStore& store, std::string_view chosen)
{
    FlowResult result;
    result.Error = SaveSettings(store, ProfilePathFor(chosen), config);
    result.Completed = !result.Error;
    return result;
}

FlowResult LoadFlow(SensorConfiguration& config, ConfigHardware& hardware, ProfileStore& store, std::string_view path,
                    const FanControlCommit& fanControl)
{
    FlowResult result;
    CommitResult load = LoadSettings(store, path, config, hardware, fanControl);
    result.Effects = std::move(load.Effects);
    result.Effects.push_back({ConfigEffectKind::ShowHideGadgets});
    result.Effects.push_back({ConfigEffectKind::ReReadFanControlTarget});
    result.Completed = true;
    return result;
}

FlowResult ExitFlow(const SensorConfiguration& config, ProfileStore& store, std::string_view settingsPath)
{
    FlowResult result;
    result.Error = SaveSettings(store, settingsPath, config);
    result.Completed = !result.Error;
    return result;
}

}  // namespace vantor::monitor
