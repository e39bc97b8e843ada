// The two-copy model: the options window edits the edit copy; CommitEdits
// makes it the committed configuration, RevertEdits throws the edits away.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "config/ConfigEffect.h"
#include "config/SensorConfig.h"

namespace vantor::monitor {

// The fan-control half of a commit: asks what it must (a restart question,
// for one) and answers true when the whole commit is to be abandoned.
using FanControlCommit = std::function<bool()>;

struct CommitResult {
    bool Aborted = false;
    ConfigEffects Effects;
};

// Polling intervals are whole seconds between 1 and 120: 0 would spin the
// reading thread, and a text that is no number counts as 0.
inline constexpr std::int32_t kMinIntervalSeconds = 1;
inline constexpr std::int32_t kMaxIntervalSeconds = 120;
std::int32_t IntervalSecondsFromField(std::string_view field);

// Volume field as a percentage 0..99; a text that is no number keeps current.
std::int32_t VolumeFromField(std::string_view field, std::int32_t current);

// Edit copy back from the committed configuration.
ConfigEffects RevertEdits(SensorConfiguration& config);

// Clamps and copies the edit copy into the committed configuration. The
// fan-control half is skipped while StartupPhase is set; when it aborts,
// nothing is changed.
CommitResult CommitEdits(SensorConfiguration& config, const FanControlCommit& fanControl);

// The alerting rule: alerting off clears the committed message-box and sound
// flags. The controls follow AlertControlsFor.
void ApplyAlertingRule(SensorConfiguration& config);

struct AlertControls {
    bool MessageAndSoundChecks = false;  // the message-box and sound check boxes
    bool VolumeControls = false;         // the volume label and field
};
AlertControls AlertControlsFor(const SensorConfiguration& config);

}  // namespace vantor::monitor
