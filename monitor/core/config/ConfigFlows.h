// The options window's configuration buttons: Default, Apply, Cancel (and
// the close box), Save As, Load, and the save when the program ends. Each
// flow takes its confirmation and hardware hooks as parameters and answers
// the window updates it decided, in order.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigEffect.h"
#include "config/ConfigHardware.h"
#include "config/EditCopy.h"
#include "config/ProfileStore.h"
#include "config/SensorConfig.h"

namespace vantor::monitor {

// Asks the user an OK/Cancel question (the English text; the window
// translates it) and answers true for OK.
using Confirm = std::function<bool(std::string_view question)>;

inline constexpr std::string_view kDefaultQuestion = "Set to default values?";
inline constexpr std::string_view kApplyQuestion = "Do you want to apply current setting?";
inline constexpr std::string_view kProfileExtension = ".vtp";
inline constexpr std::string_view kProfileFilter = "Vantor saved file|*.vtp";

struct FlowResult {
    // The flow ran to its end (confirmed, not abandoned, every write done).
    bool Completed = false;
    ConfigEffects Effects;
    // A refused write ("Unable to write to <path>"): the flow stopped there.
    std::optional<std::string> Error;
};

FlowResult DefaultFlow(SensorConfiguration& config, ConfigHardware& hardware, ProfileStore& store,
                       std::string_view settingsPath, const Confirm& confirm);

// The interval field as Apply leaves it before committing: "1" for values
// up to 0 and for texts that are no number, "120" above 120.
std::string NormalizeIntervalField(std::string_view field);

FlowResult ApplyFlow(SensorConfiguration& config, ProfileStore& store, std::string_view settingsPath,
                     const Confirm& confirm, const FanControlCommit& fanControl);

// changed: the edit copy may differ from the committed configuration.
FlowResult CancelFlow(SensorConfiguration& config, bool changed);

// The chosen name with ".vtp" appended unless its extension, lower-cased,
// already is ".vtp".
std::string ProfilePathFor(std::string_view chosen);

// Writes the committed configuration (unapplied edits are not saved) to the
// profile path of the chosen name.
FlowResult SaveAsFlow(const SensorConfiguration& config, ProfileStore& store, std::string_view chosen);

FlowResult LoadFlow(SensorConfiguration& config, ConfigHardware& hardware, ProfileStore& store, std::string_view path,
                    const FanControlCommit& fanControl);

// When the options window is destroyed.
FlowResult ExitFlow(const SensorConfiguration& config, ProfileStore& store, std::string_view settingsPath);

}  // namespace vantor::monitor
