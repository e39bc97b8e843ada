#include "config/EditCopy.h"

#include <algorithm>
#include <string_view>

#include "config/NumberConversion.h"

namespace vantor::monitor {
namespace {

constexpr SensorKind kAllKinds[] = {SensorKind::Temperature, SensorKind::Voltage, SensorKind::Fan};

float Clamp(float value, const SensorConfig& config)
{
    // Not "at least the minimum" also catches NaN.
    if (value > config.MaxThreshold)
        return config.MaxThreshold;
    if (!(value >= config.MinThreshold))
        return config.MinThreshold;
    return value;
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::int32_t IntervalSecondsFromField(std::string_view field)
{
    const std::int32_t seconds = ParseIntegerOr(field, 0);
    return std::clamp(seconds, kMinIntervalSeconds, kMaxIntervalSeconds);
}

std::int32_t VolumeFromField(std::string_view field, std::int32_t current)
{
    return std::clamp(ParseIntegerOr(field, current), 0, kMaxVolume);
}

ConfigEffects RevertEdits(SensorConfiguration& config)
{
    for (const SensorKind kind : kAllKinds) {
        SensorTable& table = config.Table(kind);
        for (std::size_t i = 0; i < table.Count(); ++i) {
            table.EditThreshold[i] = table.Configs[i].Threshold;
            table.EditEnabled[i] = table.Configs[i].Enabled;
            if (kind == SensorKind::Fan)
                CopyCut(BufferText(table.ShortName[i]), table.EditFanName[i]);
        }
    }
    const GlobalSettings& committed = config.Committed;
    GlobalEdits& edit = config.Edit;
    edit.Scale = committed.Scale;
    edit.IntervalField = FormatInteger(committed.PollingIntervalMs / 1000);
    edit.EnableAlert = committed.EnableAlert;
    edit.EnableMBox = committed.EnableMBox;
    edit.EnableSound = committed.EnableSound;
    edit.EnableKelvane = committed.EnableKelvane;
    edit.EnableChKelvane = committed.EnableChKelvane;
    edit.VolumeField = FormatInteger(committed.Volume);
    return {{ConfigEffectKind::RedrawSensorPage},
            {ConfigEffectKind::ResetFanControlPending},
            {ConfigEffectKind::RedrawSettingsPage}};
}

CommitResult CommitEdits(SensorConfiguration& config, const FanControlCommit& fanControl)
{
    CommitResult result;
    if (!config.StartupPhase && fanControl && fanControl()) {
        result.Aborted = true;
        return result;
    }

    for (const SensorKind kind : kAllKinds) {
        SensorTable& table = config.Table(kind);
        for (std::size_t i = 0; i < table.Count(); ++i) {
            SensorConfig& committed = table.Configs[i];
            committed.Threshold = Clamp(table.EditThreshold[i], committed);
            committed.Enabled = table.EditEnabled[i] != 0 ? 1 : 0;
            if (kind == SensorKind::Fan) {
                const std::string_view name = BufferText(table.EditFanName[i]);
                if (!IsBlank(name))
                    CopyCut(name, table.ShortName[i]);
            }
        }
    }

    GlobalSettings& committed = config.Committed;
    GlobalEdits& edit = config.Edit;
    committed.Scale = edit.Scale;
    const std::int32_t seconds = IntervalSecondsFromField(edit.IntervalField);
    edit.IntervalField = FormatInteger(seconds);
    committed.PollingIntervalMs = seconds * 1000;
    result.Effects.push_back({ConfigEffectKind::SetReadingInterval, committed.PollingIntervalMs});
    committed.EnableAlert = edit.EnableAlert;
    committed.EnableMBox = edit.EnableMBox;
    committed.EnableSound = edit.EnableSound;
    committed.EnableKelvane = edit.EnableKelvane;
    committed.EnableChKelvane = edit.EnableChKelvane;
    committed.Volume = VolumeFromField(edit.VolumeField, committed.Volume);
    if (!config.StartupPhase)
        result.Effects.push_back({ConfigEffectKind::WriteFanControl});
    result.Effects.push_back({ConfigEffectKind::SetWaveVolume, committed.Volume});
    result.Effects.push_back({ConfigEffectKind::RedrawSensorPage});
    result.Effects.push_back({ConfigEffectKind::SendGadgetUnits});
    result.Effects.push_back({ConfigEffectKind::SendGadgetRefresh});
    result.Effects.push_back({ConfigEffectKind::RedrawScaleImages});
    config.StartupPhase = false;
    return result;
}

void ApplyAlertingRule(SensorConfiguration& config)
{
    if (!config.Committed.EnableAlert) {
        config.Committed.EnableMBox = false;
        config.Committed.EnableSound = false;
    }
}

AlertControls AlertControlsFor(const SensorConfiguration& config)
{
    const bool on = config.Committed.EnableAlert;
    return AlertControls{on, on && config.Edit.EnableSound};
}

}  // namespace vantor::monitor
